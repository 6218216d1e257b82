// One second-order (biquad) section in direct form I with double-precision state. Every filter of
// the compressor is one of these. A tiny offset whose sign flips on every tick keeps the state away
// from denormal numbers without touching the processor's floating-point modes.
#pragma once

enum FilterType : int {
    kFilterOff = 0,
    kFilterHighPass = 1,
    kFilterLowShelf = 3,
    kFilterPeak = 4,
    kFilterBandPass = 5,
    kFilterNotch = 6,
    kFilterHighShelf = 7,
    kFilterLowPass = 8,
    kFilterAllPass = 10,
};

class CFilterSection {
public:
    CFilterSection(int type, double sampleRate, double frequency, double q, double gainDb);

    // Stores the rate and redesigns. For the Nyquist check of the frequency only, a rate outside
    // [20000, 200000] Hz counts as 44100 Hz.
    void setRate(double rate);
    // Recomputes the coefficients from the fields; the history stays. May lower the frequency to
    // just below half the sample rate.
    void design();
    // Clears the history; coefficients and offset stay.
    void reset();
    // Puts the history at the state of a section that has been fed `value` for ever (inputs and
    // outputs equal to it), so that a unity-gain low-pass starts out there rather than at zero.
    void rest(double value);

    double tick(double x) { return run<1>(x); }
    // Four ticks on the same held input (and the same offset) in one call.
    double tick4(double x) { return run<4>(x); }

    // Fast low-pass redesign for a new frequency, clamped to [0.001 Hz, 0.499 * sampleRate], with
    // the raw q. The frequency field keeps f as given. Type, offset and history are untouched, so
    // the section keeps running without a click.
    void retuneLowPass(double f);

    double sampleRate;
    int type;
    double frequency;
    double q;
    double gainDb;
    double denormalOffset = 1e-14;
    double a0 = 1.0, a1 = 1.0, a2 = 1.0, b0 = 1.0, b1 = 1.0, b2 = 1.0;
    double x0 = 0.0, x1 = 0.0, x2 = 0.0;
    double y0 = 0.0, y1 = 0.0, y2 = 0.0;

private:
    template <int Steps> double run(double x) {
        if (type == kFilterOff) {
            return x;
        }
        const double d = -denormalOffset;
        denormalOffset = d;
        const double u = x + d;
        x0 = u;
        double y = 0.0;
        for (int i = 0; i < Steps; ++i) {
            y = step(u, d);
        }
        return y;
    }

    double step(double u, double d) {
        const double y = b0 * u + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = u;
        y2 = y1;
        y1 = y + d;
        y0 = y;
        return y;
    }
};
