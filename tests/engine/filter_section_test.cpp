#include "engine/filter_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>

namespace {

constexpr double kRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;

std::uint64_t bits(double x) {
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

// |H(e^jw)| of the section's normalised coefficients at frequency f.
double magnitude(const CFilterSection& s, double f) {
    const std::complex<double> z1 = std::polar(1.0, -2.0 * kPi * f / s.sampleRate);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((s.b0 + s.b1 * z1 + s.b2 * z2) / (1.0 + s.a1 * z1 + s.a2 * z2));
}

struct Response {
    const char* name;
    int type;
    double gainDb;
    double atDc, atCorner, atNyquist;
};

class SectionResponse : public testing::TestWithParam<Response> {};

// Far below half the sample rate the Q correction is negligible, so the textbook responses hold:
// a low- or high-pass has magnitude Q at its corner, a peak or shelf reaches its gain.
TEST_P(SectionResponse, MatchesTheTextbookMagnitudes) {
    const Response& r = GetParam();
    const double q = 0.7;
    const CFilterSection s(r.type, kRate, 1000.0, q, r.gainDb);
    EXPECT_NEAR(magnitude(s, 0.0), r.atDc, 1e-9);
    EXPECT_NEAR(magnitude(s, 1000.0), r.atCorner, 1e-6);
    EXPECT_NEAR(magnitude(s, kRate / 2), r.atNyquist, 1e-9);
}

const double kPlus6 = std::pow(10.0, 6.0 / 20.0);

INSTANTIATE_TEST_SUITE_P(
    AllTypes, SectionResponse,
    testing::Values(Response{"HighPass", kFilterHighPass, 0.0, 0.0, 0.7, 1.0},
                    Response{"LowPass", kFilterLowPass, 0.0, 1.0, 0.7, 0.0},
                    Response{"BandPass", kFilterBandPass, 0.0, 0.0, 1.0, 0.0},
                    Response{"Notch", kFilterNotch, 0.0, 1.0, 0.0, 1.0},
                    Response{"Peak", kFilterPeak, 6.0, 1.0, kPlus6, 1.0},
                    Response{"LowShelf", kFilterLowShelf, 6.0, kPlus6, std::sqrt(kPlus6), 1.0},
                    Response{"HighShelf", kFilterHighShelf, 6.0, 1.0, std::sqrt(kPlus6), kPlus6},
                    Response{"AllPass", kFilterAllPass, 0.0, 1.0, 1.0, 1.0}),
    [](const testing::TestParamInfo<Response>& info) { return std::string(info.param.name); });

TEST(FilterSection, DetectorHighPassHasTheKnownCoefficients) {
    // 40 Hz, Q 0.3 at 44100 Hz, worked out with 40 significant digits.
    const CFilterSection s(kFilterHighPass, kRate, 40.0, 0.3, 0.0);
    EXPECT_NEAR(s.a0, 1.009498339070769577, 1e-15);
    EXPECT_NEAR(s.a1, -1.981149887712532303, 1e-15);
    EXPECT_NEAR(s.a2, 0.9811820610234729510, 1e-15);
    EXPECT_NEAR(s.b0, 0.9905829871840013136, 1e-15);
    EXPECT_NEAR(s.b1, -1.981165974368002627, 1e-15);
    EXPECT_EQ(s.b2, s.b0);
}

TEST(FilterSection, AllPassAtAQuarterOfTheRateHasTheHandComputedCoefficients) {
    // w = pi / 2 and alpha = sin w / (2 * 0.5) = 1: b0 = 0, b2 = 1, a0 = 2, a2 = 0, and the cosine
    // terms vanish. The all-pass uses its raw q however close to Nyquist it is.
    const CFilterSection s(kFilterAllPass, kRate, kRate / 4, 0.5, 0.0);
    EXPECT_DOUBLE_EQ(s.a0, 2.0);
    EXPECT_NEAR(s.b0, 0.0, 1e-16);
    EXPECT_NEAR(s.b1, 0.0, 1e-16);
    EXPECT_DOUBLE_EQ(s.b2, 1.0);
    EXPECT_NEAR(s.a1, 0.0, 1e-16);
    EXPECT_NEAR(s.a2, 0.0, 1e-16);
}

TEST(FilterSection, QIsWidenedNearHalfTheRate) {
    const double f = 0.499 * kRate;
    const CFilterSection highPass(kFilterHighPass, kRate, f, 1.0, 0.0);
    const CFilterSection lowPass(kFilterLowPass, kRate, f, 1.0, 0.0);
    // alpha = sin w / (2 Qe) recovered from a0 = 1 + alpha.
    const double sn = std::sin(6.283185307179586 * f / kRate);
    EXPECT_NEAR(sn / (2.0 * (highPass.a0 - 1.0)), 1.0 - std::pow(0.499 / 0.5001, 6), 1e-9);
    EXPECT_NEAR(sn / (2.0 * (lowPass.a0 - 1.0)), 1.0 - std::pow(0.499 / 0.50001, 8), 1e-9);
}

TEST(FilterSection, DesignLowersAFrequencyAboveNyquist) {
    const CFilterSection s(kFilterLowPass, kRate, 30000.0, 0.5, 0.0);
    const CFilterSection atLimit(kFilterLowPass, kRate, 0.499 * kRate, 0.5, 0.0);
    EXPECT_EQ(s.frequency, 0.499 * kRate);
    EXPECT_EQ(s.b0, atLimit.b0);
    EXPECT_EQ(s.a1, atLimit.a1);
    EXPECT_EQ(s.a2, atLimit.a2);
}

TEST(FilterSection, SetRateChecksTheFrequencyAgainstAPlausibleRate) {
    CFilterSection s(kFilterHighPass, kRate, 40.0, 0.3, 0.0);
    s.setRate(8000.0);
    EXPECT_EQ(s.sampleRate, 8000.0);
    EXPECT_EQ(s.frequency, 40.0);

    // An implausible rate counts as 44100 Hz for the check, but is the design rate.
    s.frequency = 30000.0;
    s.setRate(300000.0);
    EXPECT_EQ(s.sampleRate, 300000.0);
    EXPECT_EQ(s.frequency, 0.499 * kRate);

    s.frequency = 30000.0;
    s.setRate(48000.0);
    EXPECT_EQ(s.frequency, 0.499 * 48000.0);
}

TEST(FilterSection, RetuneMatchesADesignWithTheRawQ) {
    CFilterSection retuned(kFilterLowPass, kRate, 1.0, 0.1, 0.0);
    retuned.retuneLowPass(100.0);
    const CFilterSection designed(kFilterLowPass, kRate, 100.0, 0.1, 0.0);
    EXPECT_EQ(retuned.frequency, 100.0);
    EXPECT_NEAR(retuned.a0, designed.a0, 1e-15);
    EXPECT_NEAR(retuned.a1, designed.a1, 1e-15);
    EXPECT_NEAR(retuned.a2, designed.a2, 1e-15);
    EXPECT_NEAR(retuned.b0, designed.b0, 1e-18);
    EXPECT_NEAR(retuned.b1, designed.b1, 1e-18);
    EXPECT_EQ(retuned.b2, retuned.b0);
}

TEST(FilterSection, RetuneClampsOnBothSidesButKeepsTheFrequencyGiven) {
    CFilterSection low(kFilterLowPass, kRate, 1.0, 0.1, 0.0);
    CFilterSection lowLimit = low;
    low.retuneLowPass(0.0);
    lowLimit.retuneLowPass(0.001);
    EXPECT_EQ(low.frequency, 0.0);
    EXPECT_EQ(low.a1, lowLimit.a1);
    EXPECT_EQ(low.b0, lowLimit.b0);

    CFilterSection high(kFilterLowPass, kRate, 1.0, 0.1, 0.0);
    CFilterSection highLimit = high;
    high.retuneLowPass(1e6);
    highLimit.retuneLowPass(0.499 * kRate);
    EXPECT_EQ(high.frequency, 1e6);
    EXPECT_EQ(high.a1, highLimit.a1);
    EXPECT_EQ(high.b0, highLimit.b0);
}

TEST(FilterSection, Tick4IsFourTicksOnAHeldInput) {
    for (int type : {kFilterLowPass, kFilterHighPass}) {
        CFilterSection once(type, kRate, 300.0, 0.5, 0.0);
        CFilterSection fourTimes = once;
        const double offset = once.denormalOffset;
        double y = 0.0;
        for (int i = 0; i < 4; ++i) {
            y = fourTimes.tick(1.0);
        }
        // The held input carries one offset instead of four alternating ones.
        EXPECT_NEAR(once.tick4(1.0), y, 1e-10) << type;
        EXPECT_EQ(once.denormalOffset, -offset) << type;
        EXPECT_NEAR(once.y1, fourTimes.y1, 1e-10) << type;
        EXPECT_NEAR(once.y2, fourTimes.y2, 1e-10) << type;
    }
}

TEST(FilterSection, OffTypePassesEveryInputUntouched) {
    CFilterSection s(kFilterOff, kRate, 1000.0, 0.7, 0.0);
    const CFilterSection before = s;
    for (double x : {0.0, -0.0, 1.5, -3e-310, 1e300, HUGE_VAL, std::nan("")}) {
        EXPECT_EQ(bits(s.tick(x)), bits(x));
        EXPECT_EQ(bits(s.tick4(x)), bits(x));
    }
    EXPECT_EQ(s.denormalOffset, before.denormalOffset);
    EXPECT_EQ(s.x1, before.x1);
    EXPECT_EQ(s.y1, before.y1);
}

TEST(FilterSection, ResetClearsTheHistoryButTheOffsetKeepsAlternating) {
    CFilterSection s(kFilterLowPass, kRate, 100.0, 0.5, 0.0);
    for (int i = 0; i < 5; ++i) {
        s.tick(1.0);
    }
    const double lastOffset = s.denormalOffset;
    s.reset();
    const double d = -lastOffset;
    EXPECT_EQ(s.tick(0.25), s.b0 * (0.25 + d));
    EXPECT_EQ(s.x1, 0.25 + d);
    EXPECT_EQ(s.x2, 0.0);
    EXPECT_EQ(s.y2, 0.0);
}

TEST(FilterSection, RestHoldsAUnityLowPassAtItsValue) {
    CFilterSection s(kFilterLowPass, kRate, 2.0, 0.583, 0.0);
    s.rest(1.0);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_NEAR(s.tick(1.0), 1.0, 1e-9);
    }
}

TEST(FilterSection, StaysAwayFromDenormalsWhenItsInputStops) {
    // A high-pass fed a constant settles to a tiny output alternating in sign, never to zero; a
    // low-pass fed zeros keeps an alternating output of the order of its offset.
    CFilterSection highPass(kFilterHighPass, kRate, 40.0, 0.3, 0.0);
    CFilterSection lowPass(kFilterLowPass, kRate, 5.0, 0.5, 0.0);
    for (int i = 0; i < 200000; ++i) {
        highPass.tick(1.0);
        lowPass.tick(i < 1000 ? 1.0 : 0.0);
    }
    for (int i = 0; i < 4; ++i) {
        const double a = highPass.tick(1.0);
        const double b = highPass.tick(1.0);
        EXPECT_LT(a * b, 0.0);
        EXPECT_LT(std::fabs(a), 1e-9);
        const double c = lowPass.tick(0.0);
        const double d = lowPass.tick(0.0);
        EXPECT_LT(c * d, 0.0);
        EXPECT_GT(std::fabs(c), 1e-13);
        EXPECT_LT(std::fabs(c), 1e-11);
    }
    for (const CFilterSection* s : {&highPass, &lowPass}) {
        for (double v : {s->x0, s->x1, s->x2, s->y0, s->y1, s->y2}) {
            EXPECT_NE(std::fpclassify(v), FP_SUBNORMAL);
            EXPECT_NE(v, 0.0);
        }
    }
}

} // namespace
