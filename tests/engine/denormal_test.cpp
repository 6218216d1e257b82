// The engine keeps clear of denormal numbers by arithmetic alone: with the processor's
// flush-to-zero and denormals-are-zero modes off, neither its outputs nor its state ever hold one.
#include "tests/engine/engine_rig.h"

#include <gtest/gtest.h>

#include <xmmintrin.h>

namespace {

constexpr unsigned kFlushToZero = 0x8000;
constexpr unsigned kDenormalsAreZero = 0x0040;

template <typename T> class DenormalTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(_mm_getcsr() & (kFlushToZero | kDenormalsAreZero), 0u)
            << "the processor must handle denormals itself for this test to mean anything";
    }

    // Runs the input through the rig in blocks of 64, checking outputs and state after each.
    static void expectNoSubnormals(EngineRig<T>& rig, const std::vector<T>& input) {
        rig.feed(input);
        const int total = static_cast<int>(input.size());
        for (int from = 0; from < total; from += 64) {
            const int n = std::min(64, total - from);
            rig.process(from, n);
            for (int i = from; i < from + n; ++i) {
                ASSERT_NE(std::fpclassify(rig.out0[i]), FP_SUBNORMAL) << i;
                ASSERT_NE(std::fpclassify(rig.out1[i]), FP_SUBNORMAL) << i;
            }
            for (double v : engineState(rig.engine)) {
                ASSERT_NE(std::fpclassify(v), FP_SUBNORMAL) << from;
            }
        }
    }
};

using SampleTypes = testing::Types<float, double>;
TYPED_TEST_SUITE(DenormalTest, SampleTypes);

TYPED_TEST(DenormalTest, NoneOnSilenceTinyInputsOrAfterLoudInputStops) {
    using T = TypeParam;
    const int second = 44100;
    for (int mode : {kModeClear, kModeValve}) {
        for (double drive : {driveForStep(0), driveForStep(40)}) {
            EngineRig<T> rig(mode, 6, drive, 1.0);
            this->expectNoSubnormals(rig, std::vector<T>(second, T(0)));
            this->expectNoSubnormals(rig, sine<T>(second, 50.0, 1e-30));
            this->expectNoSubnormals(rig, std::vector<T>(second, std::numeric_limits<T>::min()));
            this->expectNoSubnormals(rig,
                                     std::vector<T>(second, std::numeric_limits<T>::denorm_min()));
            this->expectNoSubnormals(rig, sine<T>(second / 2, 100.0, 1.0));
            this->expectNoSubnormals(rig, std::vector<T>(4 * second, T(0)));
        }
    }
}

} // namespace
