#include "engine/compressor_engine.h"

#include "engine/ratio_gain.h"
#include "engine/valve_stage.h"

#include <cmath>

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

constexpr double kMeterFrequency = 0.7 * 1000.0 / 300.0;
constexpr double kEnvelopeAtRest = 0.0001;
constexpr double kEnvelopeFloor = 0.001;
constexpr double kAverageFloor = 1e-6;

// The sections of the detector, which suspend and resume clear; the meter smoother is apart.
constexpr CompressorEngine::Section kDetector[] = {
    CompressorEngine::kSideHighPassL,   CompressorEngine::kSideHighPassR,
    CompressorEngine::kOpticalEnvelope, CompressorEngine::kFastAverage,
    CompressorEngine::kSlowAverage,
};

// Zero when every argument is finite, NaN otherwise (x - x is NaN for an infinity or a NaN), so
// one comparison covers them all and no sum can overflow.
double nonFiniteProbe(double a, double b, double c) {
    return (a - a) + (b - b) + (c - c);
}

} // namespace

CompressorEngine::CompressorEngine(EngineValues& values)
    : values_(values),
      sections_{
          CFilterSection(kFilterHighPass, 44100.0, 40.0, 0.3, 0.0),
          CFilterSection(kFilterHighPass, 44100.0, 40.0, 0.3, 0.0),
          CFilterSection(kFilterLowPass, 44100.0, 5.0, 0.5, 0.0),
          CFilterSection(kFilterLowPass, 44100.0, 20.0, 0.5, 0.0),
          CFilterSection(kFilterLowPass, 44100.0, 1.0, 0.1, 0.0),
          CFilterSection(kFilterLowPass, 44100.0, 2.0, 0.583, 0.0),
      },
      driveGain_(values.driveTarget.load(kRelaxed)),
      outputGain_(values.outputTarget.load(kRelaxed)) {
    sections_[kMeterSmoother].rest(1.0);
}

void CompressorEngine::settleGains() {
    driveGain_ = values_.driveTarget.load(kRelaxed);
    outputGain_ = values_.outputTarget.load(kRelaxed);
}

void CompressorEngine::suspend() {
    // The meter smoother rests at "no reduction", so the needle does not dive on the next start.
    CFilterSection& meter = sections_[kMeterSmoother];
    meter.rest(1.0);
    meter.design();
    clearDetector();
    meterGain_.store(1.0, kRelaxed);
}

void CompressorEngine::clearDetector() {
    for (Section s : kDetector) {
        sections_[s].design();
        sections_[s].reset();
    }
    envelope_ = kEnvelopeAtRest;
}

void CompressorEngine::resume(double sampleRate) {
    // Each section takes its frequency before setRate, which designs it. No host sets a rate of
    // zero or below; the meter then runs as at 44100 Hz rather than designing from a division by
    // zero.
    CFilterSection& meter = sections_[kMeterSmoother];
    meter.frequency = kMeterFrequency;
    meter.setRate(sampleRate > 0.0 ? sampleRate : 44100.0);
    meter.rest(1.0);

    smoothingOffset_ = 1e-17;

    const double rate = (sampleRate >= 20000.0 && sampleRate <= 200000.0) ? sampleRate : 44100.0;
    sections_[kFastAverage].frequency = 5.0;
    sections_[kSlowAverage].frequency = 2.0;
    for (Section s : kDetector) {
        sections_[s].setRate(rate);
        sections_[s].reset();
    }
}

void CompressorEngine::setChannelUse(bool useSecondInput, bool useSecondOutput) {
    useSecondInput_ = useSecondInput;
    useSecondOutput_ = useSecondOutput;
}

void CompressorEngine::process(float** inputs, float** outputs, int frames, bool input1Connected,
                               bool output1Connected) {
    processBlock(inputs, outputs, frames, input1Connected, output1Connected);
}

void CompressorEngine::process(double** inputs, double** outputs, int frames, bool input1Connected,
                               bool output1Connected) {
    processBlock(inputs, outputs, frames, input1Connected, output1Connected);
}

template <typename T>
void CompressorEngine::processBlock(T** inputs, T** outputs, int frames, bool input1Connected,
                                    bool output1Connected) {
    if (frames <= 0) {
        return;
    }
    const int mode = values_.processMode.load(kRelaxed);
    const T* in0 = inputs[0];
    T* out0 = outputs[0];
    // The bypass copies whatever the host connects, whatever the speaker arrangement said.
    const bool second = mode == kModeOff;
    const T* in1 = input1Connected && (second || useSecondInput_) ? inputs[1] : in0;
    T* out1 = output1Connected && (second || useSecondOutput_) ? outputs[1] : out0;

    if (mode == kModeOff) {
        bypass(in0, in1, out0, out1, frames);
    } else if (mode == kModeValve) {
        compress<T, true>(in0, in1, out0, out1, frames, clampedRatioIndex());
    } else {
        compress<T, false>(in0, in1, out0, out1, frames, clampedRatioIndex());
    }
}

int CompressorEngine::clampedRatioIndex() {
    int ratio = values_.ratioIndex.load(kRelaxed);
    if (ratio < 0 || ratio >= kNumRatios) {
        const int clamped = ratio < 0 ? 0 : kNumRatios - 1;
        // Store the clamped value back unless a new setting arrived meanwhile.
        values_.ratioIndex.compare_exchange_strong(ratio, clamped, kRelaxed);
        ratio = clamped;
    }
    return ratio;
}

template <typename T>
void CompressorEngine::bypass(const T* in0, const T* in1, T* out0, T* out1, int frames) {
    CFilterSection& meter = sections_[kMeterSmoother];
    double m = 0.0;
    for (int i = 0; i < frames; ++i) {
        out0[i] = in0[i];
        out1[i] = in1[i];
        m = meter.tick(1.0);
    }
    meterGain_.store(m, kRelaxed);
}

template <typename T, bool Valve>
void CompressorEngine::compress(const T* in0, const T* in1, T* out0, T* out1, int frames,
                                int ratio) {
    CFilterSection& highPassL = sections_[kSideHighPassL];
    CFilterSection& highPassR = sections_[kSideHighPassR];
    CFilterSection& fastAverage = sections_[kFastAverage];
    CFilterSection& slowAverage = sections_[kSlowAverage];
    CFilterSection& optical = sections_[kOpticalEnvelope];
    CFilterSection& meter = sections_[kMeterSmoother];
    const double valve = kValveScales[ratio].scale;
    const double inverseValve = kValveScales[ratio].inverse;

    double d = smoothingOffset_;
    double drive = driveGain_;
    double output = outputGain_;
    double envelope = envelope_;
    double m = 0.0;

    for (int i = 0; i < frames; ++i) {
        // Drive and output glide toward their targets, 1000 samples' time constant.
        d = -d;
        drive = ((values_.driveTarget.load(kRelaxed) - drive) * 0.001 + d) + drive;
        const double inverseDrive = 1.0 / drive;
        output = (d + 0.001 * (values_.outputTarget.load(kRelaxed) - output)) + output;

        const double nL = noise_.next();
        const double xL = drive * static_cast<double>(in0[i]) + nL;
        const double nR = noise_.next();
        const double xR = drive * static_cast<double>(in1[i]) + nR;

        // Detector: stereo-linked power of the high-passed, driven signal.
        const double hL = highPassL.tick(xL);
        const double hR = highPassR.tick(xR);
        const double power = (hR * hR + hL * hL) * 0.7071;

        // The optical cell's program dependence: the ratio of a fast to a slow power average
        // moves the envelope's cut-off.
        const double fast = fastAverage.tick(power);
        const double slow = slowAverage.tick(power);
        const double eF = fast < kAverageFloor ? kAverageFloor : fast;
        const double eS = slow < kAverageFloor ? kAverageFloor : slow;
        const double u = 0.2 * eF / eS;
        const double s = 4.0 * u / (u + 1.0) + 0.1;
        optical.retuneLowPass(0.7 * s / values_.timeConstant.load(kRelaxed));

        // Attack: ten envelope steps per sample while the power rises above the envelope.
        if (envelope < power) {
            envelope = optical.tick4(power);
            envelope = optical.tick4(power);
            envelope = optical.tick(power);
        }
        envelope = optical.tick(power);
        if (envelope < kEnvelopeFloor) {
            envelope = kEnvelopeFloor;
        }

        const double g = ratioGain(ratio, std::sqrt(envelope));
        m = meter.tick(g);

        double yL = g * xL;
        double yR = g * xR;
        if constexpr (Valve) {
            yL = valveShape(yL, valve, inverseValve);
            yR = valveShape(yR, valve, inverseValve);
        }
        out0[i] = static_cast<T>(output * (inverseDrive * yL));
        out1[i] = static_cast<T>(output * (inverseDrive * yR));

        // A non-finite input sample (or an overflow) would poison the detector for ever: put it
        // back to its suspended state so that the next sample is processed normally again. These
        // three values carry every poison: a non-finite power makes the fast average non-finite,
        // and a non-finite meter gain can only come from a non-finite envelope.
        if (nonFiniteProbe(fast, slow, envelope) != 0.0) {
            if (!std::isfinite(optical.frequency)) {
                optical.frequency = 1.0;
            }
            clearDetector();
            envelope = envelope_;
            meter.rest(1.0);
            m = 1.0;
        }
    }

    smoothingOffset_ = d;
    driveGain_ = drive;
    outputGain_ = output;
    envelope_ = envelope;
    meterGain_.store(m, kRelaxed);
}
