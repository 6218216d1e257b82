// Processing cost of the compressor engine per stereo frame, for each mode, sample precision and
// two typical host block sizes, on one second of noise.
#include "engine/compressor_engine.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kFrames = 44100;
const char* const kModeNames[] = {"Off", "Clear", "Valve"};

template <typename T> std::vector<T> noise(std::uint32_t seed) {
    std::vector<T> v(kFrames);
    for (T& x : v) {
        seed = seed * 1664525u + 1013904223u;
        x = static_cast<T>(0.5 * (seed / 2147483648.0 - 1.0));
    }
    return v;
}

template <typename T> void processing(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const int block = static_cast<int>(state.range(1));
    EngineValues values;
    values.processMode = mode;
    values.ratioIndex = 3;
    values.timeConstant = 0.05;
    values.driveTarget = 9.51;
    CompressorEngine engine(values);
    engine.settleGains();
    engine.suspend();
    engine.resume(44100.0);

    std::vector<T> left = noise<T>(1);
    std::vector<T> right = noise<T>(2);
    std::vector<T> out0(block);
    std::vector<T> out1(block);
    int position = 0;
    for (auto _ : state) {
        T* inputs[2] = {left.data() + position, right.data() + position};
        T* outputs[2] = {out0.data(), out1.data()};
        engine.process(inputs, outputs, block, true, true);
        benchmark::DoNotOptimize(out0.data());
        benchmark::DoNotOptimize(out1.data());
        benchmark::ClobberMemory();
        position += block;
        if (position + block > kFrames) {
            position = 0;
        }
    }
    state.SetLabel(kModeNames[mode]);
    state.SetItemsProcessed(state.iterations() * block);
    // Seconds per stereo frame (shown with an SI prefix: "n" is ns).
    state.counters["per_frame"] = benchmark::Counter(
        block, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void modesAndBlocks(benchmark::internal::Benchmark* b) {
    b->ArgNames({"mode", "block"})->ArgsProduct({{kModeOff, kModeClear, kModeValve}, {64, 512}});
}

BENCHMARK_TEMPLATE(processing, float)->Apply(modesAndBlocks);
BENCHMARK_TEMPLATE(processing, double)->Apply(modesAndBlocks);

} // namespace

BENCHMARK_MAIN();
