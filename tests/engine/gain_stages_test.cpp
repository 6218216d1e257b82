#include "engine/noise_generator.h"
#include "engine/ratio_gain.h"
#include "engine/valve_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
const double kLowestLevel = std::sqrt(0.001);

TEST(RatioGain, EveryCurveBarelyReducesAtTheLowestLevel) {
    double lowest = 1.0;
    int lowestAt = -1;
    for (int k = 0; k < kNumRatios; ++k) {
        const double g = ratioGain(k, kLowestLevel);
        EXPECT_GE(g, 0.99) << k;
        EXPECT_LT(g, 1.0) << k;
        if (g < lowest) {
            lowest = g;
            lowestAt = k;
        }
    }
    EXPECT_EQ(lowestAt, 1);
}

TEST(RatioGain, EveryCurveHasUnityGainForSmallLevels) {
    for (int k = 0; k < kNumRatios; ++k) {
        EXPECT_NEAR(ratioGain(k, 1e-7), 1.0, 1e-6) << k;
    }
}

TEST(RatioGain, ModerateLevelsAreNotOrderedByPosition) {
    for (int k = 2; k < kNumRatios; ++k) {
        EXPECT_GT(ratioGain(k, 1.0), 0.73) << k;
        EXPECT_LT(ratioGain(k, 1.0), 0.77) << k;
    }
    EXPECT_LT(ratioGain(4, 1.0), ratioGain(5, 1.0));
    EXPECT_LT(ratioGain(4, 1.0), ratioGain(6, 1.0));
}

TEST(RatioGain, HighLevelsFallWithPosition) {
    EXPECT_NEAR(ratioGain(0, 10.0), 0.52, 0.005);
    EXPECT_NEAR(ratioGain(1, 10.0), 0.36, 0.005);
    EXPECT_NEAR(ratioGain(2, 10.0), 0.27, 0.01);
    EXPECT_NEAR(ratioGain(6, 10.0), 0.11, 0.005);
    for (int k = 3; k < kNumRatios; ++k) {
        EXPECT_LT(ratioGain(k, 10.0), ratioGain(k - 1, 10.0)) << k;
    }
}

TEST(RatioGain, VeryHighLevelsApproachEachCurvesFloor) {
    const double floors[kNumRatios] = {0.4, 0.2, 0.3 * 0.08 + 0.7 * 0.1, 0.05, 0.03, 0.018, 0.01};
    for (int k = 0; k < kNumRatios; ++k) {
        EXPECT_NEAR(ratioGain(k, 1e9), floors[k], 1e-8) << k;
        EXPECT_GT(ratioGain(k, 1e9), floors[k]) << k;
    }
}

TEST(RatioGain, PositionsOutsideTheSwitchDoNotReduce) {
    EXPECT_EQ(ratioGain(-1, 5.0), 1.0);
    EXPECT_EQ(ratioGain(7, 5.0), 1.0);
}

TEST(ValveShape, HasUnitySlopeAtZeroAndAsymmetricCeilings) {
    for (const ValveScale& v : kValveScales) {
        EXPECT_NEAR(valveShape(1e-9, v.scale, v.inverse), 1e-9, 1e-15);
        EXPECT_NEAR(valveShape(-1e-9, v.scale, v.inverse), -1e-9, 1e-15);
        EXPECT_NEAR(v.scale * v.inverse, 1.0, 1e-4);
        const double top = v.scale * kPi / 2;
        const double bottom = -v.scale / 0.64;
        EXPECT_LT(valveShape(1e6, v.scale, v.inverse), top);
        EXPECT_GT(valveShape(1e6, v.scale, v.inverse), 0.999 * top);
        EXPECT_GT(valveShape(-1e6, v.scale, v.inverse), bottom * (1 + 1e-12));
        EXPECT_LT(valveShape(-1e6, v.scale, v.inverse), 0.999 * bottom);
    }
    EXPECT_EQ(valveShape(-0.0, 2.8, 1 / 2.8), 0.0);
}

TEST(ValveShape, HarderPositionsSaturateEarlier) {
    for (int k = 1; k < 7; ++k) {
        EXPECT_LE(kValveScales[k].scale, kValveScales[k - 1].scale) << k;
    }
    EXPECT_DOUBLE_EQ(kValveScales[6].scale, 2.8);
}

TEST(NoiseGenerator, IsATinyCentredRepeatableSequence) {
    NoiseGenerator a;
    NoiseGenerator b;
    double sum = 0.0;
    double peak = 0.0;
    const int n = 1 << 20;
    for (int i = 0; i < n; ++i) {
        const double x = a.next();
        ASSERT_EQ(x, b.next());
        sum += x;
        peak = std::max(peak, std::fabs(x));
    }
    EXPECT_LE(peak, 1e-10);
    EXPECT_GT(peak, 0.99e-10);
    EXPECT_LT(std::fabs(sum / n), 1e-12);
}

} // namespace
