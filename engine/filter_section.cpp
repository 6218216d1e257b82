#include "engine/filter_section.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// The widening of a section near half the sample rate: the exponent of the Q correction per type,
// or 0 for a type that uses its raw q.
double qCorrectionExponent(int type) {
    switch (type) {
    case kFilterHighPass:
        return 6.0;
    case kFilterLowShelf:
        return 3.5;
    case kFilterPeak:
    case kFilterBandPass:
    case kFilterNotch:
        return 2.8;
    case kFilterHighShelf:
        return 4.0;
    case kFilterLowPass:
        return 8.0;
    default:
        return 0.0;
    }
}

} // namespace

CFilterSection::CFilterSection(int type_, double sampleRate_, double frequency_, double q_,
                               double gainDb_)
    : sampleRate(sampleRate_), type(type_), frequency(frequency_), q(q_), gainDb(gainDb_) {
    design();
}

void CFilterSection::setRate(double rate) {
    sampleRate = rate;
    const double checkRate = (rate < 20000.0 || rate > 200000.0) ? 44100.0 : rate;
    if (frequency > 0.499 * checkRate) {
        frequency = 0.499 * checkRate;
    }
    design();
}

void CFilterSection::design() {
    a0 = a1 = a2 = b0 = b1 = b2 = 1.0;
    if (frequency > 0.499 * sampleRate) {
        frequency = 0.499 * sampleRate;
    }
    if (type == 2 || type == 9) {
        // Legacy one-pole codes: only the pole is placed, no response is produced.
        const double p = std::pow(0.005, frequency / sampleRate);
        a0 = p;
        if (type == 9) {
            a1 = (p + 1.0) / 2.0;
        }
        return;
    }

    const double k = qCorrectionExponent(type);
    double qe = q;
    if (type == kFilterLowPass) {
        qe = (1.0 - std::pow(frequency / (0.50001 * sampleRate), k)) * q;
    } else if (k != 0.0) {
        qe = (1.0 - std::pow(frequency / (0.5001 * sampleRate), k)) * q;
    }
    const double w = kTwoPi * frequency / sampleRate;
    const double sn = std::sin(w);
    const double cs = std::cos(w);
    const double alpha = sn / (2.0 * qe);
    const double A = std::pow(10.0, gainDb / 40.0);
    const double beta = sn * std::sqrt(A) / qe;

    double nb0 = 1.0, nb1 = 1.0, nb2 = 1.0, na0 = 1.0, na1 = 1.0, na2 = 1.0;
    switch (type) {
    case kFilterHighPass:
        nb0 = (1.0 + cs) / 2.0;
        nb1 = -(1.0 + cs);
        nb2 = (1.0 + cs) / 2.0;
        na0 = 1.0 + alpha;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha;
        break;
    case kFilterLowShelf:
        nb0 = A * ((A + 1.0) - (A - 1.0) * cs + beta);
        nb1 = 2.0 * A * ((A - 1.0) - (A + 1.0) * cs);
        nb2 = A * ((A + 1.0) - (A - 1.0) * cs - beta);
        na0 = (A + 1.0) + (A - 1.0) * cs + beta;
        na1 = -2.0 * ((A - 1.0) + (A + 1.0) * cs);
        na2 = (A + 1.0) + (A - 1.0) * cs - beta;
        break;
    case kFilterPeak:
        nb0 = 1.0 + alpha * A;
        nb1 = -2.0 * cs;
        nb2 = 1.0 - alpha * A;
        na0 = 1.0 + alpha / A;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha / A;
        break;
    case kFilterBandPass:
        nb0 = alpha;
        nb1 = 0.0;
        nb2 = -alpha;
        na0 = 1.0 + alpha;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha;
        break;
    case kFilterNotch:
        nb0 = 1.0;
        nb1 = -2.0 * cs;
        nb2 = 1.0;
        na0 = 1.0 + alpha;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha;
        break;
    case kFilterHighShelf:
        nb0 = A * ((A + 1.0) + (A - 1.0) * cs + beta);
        nb1 = -2.0 * A * ((A - 1.0) + (A + 1.0) * cs);
        nb2 = A * ((A + 1.0) + (A - 1.0) * cs - beta);
        na0 = (A + 1.0) - (A - 1.0) * cs + beta;
        na1 = 2.0 * ((A - 1.0) - (A + 1.0) * cs);
        na2 = (A + 1.0) - (A - 1.0) * cs - beta;
        break;
    case kFilterLowPass:
        nb0 = (1.0 - cs) / 2.0;
        nb1 = 1.0 - cs;
        nb2 = (1.0 - cs) / 2.0;
        na0 = 1.0 + alpha;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha;
        break;
    case kFilterAllPass:
        nb0 = 1.0 - alpha;
        nb1 = -2.0 * cs;
        nb2 = 1.0 + alpha;
        na0 = 1.0 + alpha;
        na1 = -2.0 * cs;
        na2 = 1.0 - alpha;
        break;
    default:
        return;
    }
    a0 = na0;
    a1 = na1 / na0;
    a2 = na2 / na0;
    b0 = nb0 / na0;
    b1 = nb1 / na0;
    b2 = nb2 / na0;
    if (type == kFilterLowPass) {
        denormalOffset = 1e-12;
    }
}

void CFilterSection::reset() {
    rest(0.0);
}

void CFilterSection::rest(double value) {
    x0 = x1 = x2 = value;
    y0 = y1 = y2 = value;
}

void CFilterSection::retuneLowPass(double f) {
    frequency = f;
    double fd = f;
    if (fd < 0.001) {
        fd = 0.001;
    } else if (fd > 0.499 * sampleRate) {
        fd = 0.499 * sampleRate;
    }
    const double w = kTwoPi * fd / sampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double cs = std::cos(w);
    a0 = 1.0 + alpha;
    const double r = 1.0 / a0;
    a1 = -2.0 * cs * r;
    a2 = (1.0 - alpha) * r;
    b0 = ((1.0 - cs) * 0.5) * r;
    b1 = (1.0 - cs) * r;
    b2 = b0;
}
