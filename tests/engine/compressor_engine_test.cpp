#include "engine/compressor_engine.h"
#include "engine/ratio_gain.h"
#include "tests/engine/engine_rig.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

constexpr int kSecond = 44100;
const double kLowestLevel = std::sqrt(0.001);

template <typename T> bool sameBits(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0;
}

template <typename T> class EngineTest : public testing::Test {};
using SampleTypes = testing::Types<float, double>;
TYPED_TEST_SUITE(EngineTest, SampleTypes);

TYPED_TEST(EngineTest, OffCopiesBitForBitAndRelaxesTheMeter) {
    using T = TypeParam;
    EngineRig<T> rig(kModeClear);
    rig.feed(sine<T>(kSecond / 2, 200.0, 0.9));
    rig.run();
    ASSERT_LT(rig.engine.meterGain(), 0.9);

    rig.values.processMode = kModeOff;
    // The speaker arrangement does not restrict the bypass.
    rig.engine.setChannelUse(false, false);
    std::vector<T> left = whiteNoise<T>(kSecond, 2.0, 1);
    std::vector<T> right = whiteNoise<T>(kSecond, 2.0, 2);
    left[3] = std::numeric_limits<T>::quiet_NaN();
    left[4] = -std::numeric_limits<T>::infinity();
    right[5] = -T(0);
    right[6] = std::numeric_limits<T>::denorm_min();
    rig.feed(left, right);
    const std::vector<double> detector = engineState(rig.engine);
    rig.run(300);
    EXPECT_TRUE(sameBits(rig.out0, rig.in0));
    EXPECT_TRUE(sameBits(rig.out1, rig.in1));
    EXPECT_NEAR(rig.engine.meterGain(), 1.0, 1e-4);
    // Only the meter moved.
    const std::vector<double> after = engineState(rig.engine);
    const std::size_t meterFields = 17;
    EXPECT_TRUE(std::equal(after.begin() + 5, after.end() - meterFields, detector.begin() + 5));
    EXPECT_EQ(rig.engine.driveGain(), detector[0]);
    EXPECT_EQ(rig.engine.envelope(), detector[2]);
}

TYPED_TEST(EngineTest, OffFollowsOnlyTheHostsConnections) {
    using T = TypeParam;
    EngineRig<T> rig(kModeOff);
    rig.feed(whiteNoise<T>(1000, 1.0, 1), whiteNoise<T>(1000, 1.0, 2));
    const std::vector<T> sentinel(1000, T(7));
    rig.out1 = sentinel;
    rig.run(256, false, false);
    EXPECT_TRUE(sameBits(rig.out0, rig.in0));
    EXPECT_TRUE(sameBits(rig.out1, sentinel));

    rig.out1 = sentinel;
    rig.run(256, false, true);
    EXPECT_TRUE(sameBits(rig.out0, rig.in0));
    EXPECT_TRUE(sameBits(rig.out1, rig.in0));
}

TYPED_TEST(EngineTest, SplittingBlocksChangesNothing) {
    using T = TypeParam;
    for (int mode : {kModeClear, kModeValve}) {
        std::vector<T> left = sine<T>(6000, 440.0, 0.8);
        std::vector<T> right = whiteNoise<T>(6000, 0.3);
        EngineRig<T> whole(mode);
        whole.feed(left, right);
        whole.run(6000);

        EngineRig<T> pieces(mode);
        pieces.feed(left, right);
        int from = 0;
        for (int size : {1, 1, 3, 17, 64, 511, 0, 1024, 7, -5, 2048}) {
            pieces.process(from, size);
            from += std::max(size, 0);
        }
        pieces.process(from, 6000 - from);
        EXPECT_TRUE(sameBits(whole.out0, pieces.out0)) << mode;
        EXPECT_TRUE(sameBits(whole.out1, pieces.out1)) << mode;
        EXPECT_EQ(engineState(whole.engine), engineState(pieces.engine)) << mode;
    }
}

TYPED_TEST(EngineTest, AnEmptyBlockLeavesEveryStateAlone) {
    using T = TypeParam;
    EngineRig<T> rig(kModeValve);
    rig.feed(sine<T>(1000, 1000.0, 0.5));
    rig.run();
    const std::vector<double> before = engineState(rig.engine);
    const NoiseGenerator noise = rig.engine.noise();
    rig.process(0, 0);
    rig.process(0, -64);
    EXPECT_EQ(engineState(rig.engine), before);
    EXPECT_EQ(rig.engine.noise().s1, noise.s1);
}

TYPED_TEST(EngineTest, SilenceRestsAtTheFloorGain) {
    using T = TypeParam;
    for (int ratio : {1, 3, 6}) {
        EngineRig<T> rig(kModeClear, ratio, driveForStep(25), 2.0);
        rig.feed(std::vector<T>(2 * kSecond, T(0)));
        rig.run();
        const double floorGain = ratioGain(ratio, kLowestLevel);
        EXPECT_EQ(rig.engine.envelope(), 0.001) << ratio;
        EXPECT_NEAR(rig.engine.meterGain(), floorGain, 1e-8) << ratio;
        EXPECT_LT(floorGain, 1.0);
        // What comes out is the anti-denormal noise, scaled by the gain, the inverse drive and the
        // output gain.
        const double bound = 1e-10 * floorGain / driveForStep(25) * 2.0 * (1 + 1e-6);
        double peak = 0.0;
        for (std::size_t i = kSecond; i < rig.out0.size(); ++i) {
            peak = std::max({peak, std::fabs(double(rig.out0[i])), std::fabs(double(rig.out1[i]))});
        }
        EXPECT_LE(peak, bound) << ratio;
        EXPECT_GT(peak, 0.9 * bound) << ratio;
    }
}

TYPED_TEST(EngineTest, DirectCurrentIsRemovedFromTheDetector) {
    using T = TypeParam;
    EngineRig<T> rig(kModeClear, 2);
    rig.feed(std::vector<T>(6 * kSecond, T(0.5)));
    rig.run();
    const double floorGain = ratioGain(2, kLowestLevel);
    EXPECT_EQ(rig.engine.envelope(), 0.001);
    EXPECT_NEAR(rig.engine.meterGain(), floorGain, 1e-8);
    EXPECT_NEAR(double(rig.out0.back()), 0.5 * floorGain, 1e-6);
    EXPECT_NEAR(double(rig.out1.back()), 0.5 * floorGain, 1e-6);
}

TYPED_TEST(EngineTest, DriveGlidesWithoutMovingQuietPassages) {
    using T = TypeParam;
    EngineRig<T> rig(kModeClear, 3, driveForStep(25));
    const int n = 3 * kSecond;
    rig.feed(sine<T>(n, 1000.0, 0.001));
    rig.process(0, kSecond);
    const double before = rms(rig.out0, kSecond - 4410, kSecond);
    const double startDrive = rig.engine.driveGain();

    rig.values.driveTarget = driveForStep(40);
    rig.process(kSecond, 1000);
    // One time constant: 1000 samples.
    const double progress = (rig.engine.driveGain() - startDrive) / (driveForStep(40) - startDrive);
    EXPECT_NEAR(progress, 1.0 - std::exp(-1.0), 0.01);

    rig.process(kSecond + 1000, n - kSecond - 1000);
    const double after = rms(rig.out0, n - 4410, n);
    // The drive rose by 22.5 dB; the level moves only by the little extra gain reduction.
    EXPECT_LT(after, before);
    EXPECT_GT(after, 0.97 * before);
    EXPECT_NEAR(after / before, rig.engine.meterGain(), 0.01);
}

TYPED_TEST(EngineTest, ValveStaysWithinItsCeilings) {
    using T = TypeParam;
    EngineRig<T> rig(kModeValve, 6, driveForStep(40), 3.0);
    rig.feed(sine<T>(kSecond / 2, 100.0, 1000.0));
    rig.run();
    const double scale = 2.8;
    double top = -1e300;
    double bottom = 1e300;
    // With the gains settled, undo the output gain and the inverse drive.
    const double undo = rig.engine.driveGain() / rig.engine.outputGain();
    for (std::size_t i = 0; i < rig.out0.size(); ++i) {
        const double y = double(rig.out0[i]) * undo;
        top = std::max(top, y);
        bottom = std::min(bottom, y);
    }
    EXPECT_LT(top, scale * 1.5707963267948966 * (1 + 1e-6));
    EXPECT_GT(top, 0.8 * scale * 1.5707963267948966);
    EXPECT_GT(bottom, -scale / 0.64 * (1 + 1e-6));
    EXPECT_LT(bottom, -0.9 * scale / 0.64);
}

TYPED_TEST(EngineTest, ASecondInputThatMayNotBeReadIsReplacedByTheFirst) {
    using T = TypeParam;
    const std::vector<T> left = sine<T>(8000, 300.0, 0.7);
    const std::vector<T> garbage = whiteNoise<T>(8000, 5.0);
    for (int mode : {kModeClear, kModeValve}) {
        EngineRig<T> reference(mode);
        reference.feed(left, left);
        reference.run();

        EngineRig<T> disconnected(mode);
        disconnected.feed(left, garbage);
        disconnected.run(512, false, true);
        EXPECT_TRUE(sameBits(disconnected.out0, reference.out0)) << mode;
        EXPECT_TRUE(sameBits(disconnected.out1, reference.out1)) << mode;

        EngineRig<T> monoInput(mode);
        monoInput.engine.setChannelUse(false, true);
        monoInput.feed(left, garbage);
        monoInput.run();
        EXPECT_TRUE(sameBits(monoInput.out0, reference.out0)) << mode;

        // Both outputs carry the same processed signal apart from their own noise.
        for (std::size_t i = 0; i < left.size(); ++i) {
            ASSERT_NEAR(double(reference.out0[i]), double(reference.out1[i]), 1e-7) << i;
        }
    }
}

TYPED_TEST(EngineTest, ASecondOutputThatMayNotBeWrittenIsLeftAlone) {
    using T = TypeParam;
    const std::vector<T> left = sine<T>(8000, 300.0, 0.7);
    const std::vector<T> right = whiteNoise<T>(8000, 0.5);
    const std::vector<T> sentinel(8000, T(42));
    EngineRig<T> reference(kModeValve);
    reference.feed(left, right);
    reference.run();

    for (bool byArrangement : {false, true}) {
        EngineRig<T> rig(kModeValve);
        rig.engine.setChannelUse(true, !byArrangement);
        rig.feed(left, right);
        rig.out1 = sentinel;
        rig.run(512, true, byArrangement);
        // The first output is written first, then overwritten by the second channel.
        EXPECT_TRUE(sameBits(rig.out0, reference.out1)) << byArrangement;
        EXPECT_TRUE(sameBits(rig.out1, sentinel)) << byArrangement;
    }
}

TYPED_TEST(EngineTest, SuspendAndResumeKeepTheSmoothedGainsAndTheNoise) {
    using T = TypeParam;
    EngineRig<T> rig(kModeClear);
    rig.values.driveTarget = driveForStep(5);
    rig.values.outputTarget = 10.0;
    rig.feed(sine<T>(500, 100.0, 0.5));
    rig.run();
    const double drive = rig.engine.driveGain();
    const double output = rig.engine.outputGain();
    const NoiseGenerator noise = rig.engine.noise();
    ASSERT_NE(drive, driveForStep(5));

    rig.engine.suspend();
    rig.engine.resume(48000.0);
    EXPECT_EQ(rig.engine.driveGain(), drive);
    EXPECT_EQ(rig.engine.outputGain(), output);
    EXPECT_EQ(rig.engine.noise().s1, noise.s1);
    EXPECT_EQ(rig.engine.noise().s2, noise.s2);
    EXPECT_EQ(rig.engine.noise().s3, noise.s3);
    EXPECT_EQ(rig.engine.smoothingOffset(), 1e-17);
    EXPECT_EQ(rig.engine.envelope(), 0.0001);
}

TEST(EngineLifecycle, ConstructionDesignsAt44100Hz) {
    EngineValues values;
    const CompressorEngine engine(values);
    using S = CompressorEngine;
    EXPECT_EQ(engine.section(S::kSlowAverage).frequency, 20.0);
    EXPECT_EQ(engine.section(S::kMeterSmoother).frequency, 2.0);
    for (int s = 0; s < S::kNumSections; ++s) {
        EXPECT_EQ(engine.section(static_cast<S::Section>(s)).sampleRate, 44100.0) << s;
    }
    EXPECT_EQ(engine.meterGain(), 1.0);
}

TEST(EngineLifecycle, ResumeRedesignsForTheHostRate) {
    // An implausible rate is replaced for the detector but not for the meter; a rate no host sets
    // leaves the meter usable too.
    struct Case {
        double hostRate, detectorRate, meterRate;
    };
    for (Case c : {Case{48000.0, 48000.0, 48000.0}, Case{250000.0, 44100.0, 250000.0},
                   Case{8000.0, 44100.0, 8000.0}, Case{0.0, 44100.0, 44100.0}}) {
        EngineValues values;
        CompressorEngine engine(values);
        using S = CompressorEngine;
        engine.resume(c.hostRate);
        for (S::Section s : {S::kSideHighPassL, S::kSideHighPassR, S::kFastAverage, S::kSlowAverage,
                             S::kOpticalEnvelope}) {
            EXPECT_EQ(engine.section(s).sampleRate, c.detectorRate) << c.hostRate << " " << s;
        }
        const CFilterSection& meter = engine.section(S::kMeterSmoother);
        EXPECT_EQ(meter.sampleRate, c.meterRate) << c.hostRate;
        EXPECT_NEAR(meter.frequency, 7.0 / 3.0, 1e-15) << c.hostRate;
        EXPECT_TRUE(std::isfinite(meter.b0) && std::isfinite(meter.a1)) << c.hostRate;
        EXPECT_EQ(engine.section(S::kSlowAverage).frequency, 2.0);
        EXPECT_EQ(engine.section(S::kFastAverage).frequency, 5.0);
    }
}

TEST(EngineLifecycle, GainsStartAtTheirTargetsWhenSettled) {
    EngineValues values;
    values.driveTarget = 3.0;
    CompressorEngine engine(values);
    EXPECT_EQ(engine.driveGain(), 3.0);
    values.driveTarget = 5.0;
    values.outputTarget = 7.0;
    engine.settleGains();
    EXPECT_EQ(engine.driveGain(), 5.0);
    EXPECT_EQ(engine.outputGain(), 7.0);
}

TYPED_TEST(EngineTest, TheMeterRestsAfterSuspendAndDoesNotDiveOnTheNextStart) {
    using T = TypeParam;
    EngineRig<T> rig(kModeClear, 1);
    rig.feed(sine<T>(kSecond, 200.0, 0.9));
    rig.run();
    ASSERT_LT(rig.engine.meterGain(), 0.9);

    rig.engine.suspend();
    EXPECT_EQ(rig.engine.meterGain(), 1.0);
    rig.engine.resume(44100.0);
    EXPECT_EQ(rig.engine.meterGain(), 1.0);

    // Silence after the restart: the meter glides from rest to the floor gain (overshooting it by
    // a hair), never diving toward full reduction.
    const double floorGain = ratioGain(1, kLowestLevel);
    rig.feed(std::vector<T>(kSecond, T(0)));
    for (int i = 0; i < kSecond; ++i) {
        rig.process(i, 1);
        ASSERT_GE(rig.engine.meterGain(), floorGain - 1e-4) << i;
        ASSERT_LE(rig.engine.meterGain(), 1.0 + 1e-9) << i;
    }
}

TYPED_TEST(EngineTest, RecoversFromNonFiniteInput) {
    using T = TypeParam;
    for (int mode : {kModeClear, kModeValve}) {
        EngineRig<T> rig(mode);
        std::vector<T> left = sine<T>(4000, 500.0, 0.5);
        std::vector<T> right = left;
        const std::size_t bad[] = {100, 1500, 2500};
        left[bad[0]] = std::numeric_limits<T>::quiet_NaN();
        right[bad[1]] = std::numeric_limits<T>::infinity();
        left[bad[2]] = -std::numeric_limits<T>::infinity();
        rig.feed(left, right);
        rig.run(64);
        for (std::size_t i = 0; i < left.size(); ++i) {
            if (std::find(std::begin(bad), std::end(bad), i) != std::end(bad)) {
                continue;
            }
            ASSERT_TRUE(std::isfinite(rig.out0[i]) && std::isfinite(rig.out1[i])) << i;
        }
        for (double v : engineState(rig.engine)) {
            ASSERT_TRUE(std::isfinite(v));
        }
        // The compressor works again: the sine is being compressed as before.
        EXPECT_NEAR(rms(rig.out0, 3500, 4000), rms(rig.out0, 1000, 1500), 0.02);
    }
}

TEST(EnginePrecision, FloatRendersAreTheDoubleRendersRounded) {
    for (int mode : {kModeClear, kModeValve}) {
        EngineRig<float> single(mode, 4);
        EngineRig<double> twice(mode, 4);
        const std::vector<float> left = sine<float>(5000, 700.0, 0.9);
        const std::vector<float> right = whiteNoise<float>(5000, 0.9);
        single.feed(left, right);
        twice.feed(std::vector<double>(left.begin(), left.end()),
                   std::vector<double>(right.begin(), right.end()));
        single.run(100);
        twice.run(333);
        for (std::size_t i = 0; i < left.size(); ++i) {
            ASSERT_EQ(single.out0[i], static_cast<float>(twice.out0[i])) << i;
            ASSERT_EQ(single.out1[i], static_cast<float>(twice.out1[i])) << i;
        }
        EXPECT_EQ(engineState(single.engine), engineState(twice.engine));
    }
}

} // namespace
