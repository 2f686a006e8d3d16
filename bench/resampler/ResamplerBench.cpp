#include "export/Resampler.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using namespace exporting;

namespace {

// A deterministic picture with fine detail, so no shortcut for flat areas could help.
Bitmap Picture(int width, int height)
{
    Bitmap bitmap(width, height);
    std::uint32_t state = 12345;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bitmap.pixel(0, y);
        for (int x = 0; x < 3 * width; ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = static_cast<std::uint8_t>(state >> 24);
        }
    }
    return bitmap;
}

// What StretchBitmap does for a 24-bit bitmap: a new white target, then both passes; the source
// stays untouched so every iteration starts alike.
void Stretch(benchmark::State& state)
{
    const auto sourceWidth = static_cast<int>(state.range(0));
    const auto sourceHeight = static_cast<int>(state.range(1));
    const auto width = static_cast<int>(state.range(2));
    const auto height = static_cast<int>(state.range(3));
    const Bitmap source = Picture(sourceWidth, sourceHeight);
    const Filter& lanczos3 = FilterFor(FilterNumber::Lanczos3);
    for (auto _ : state) {
        Bitmap target(width, height);
        DoStretch(lanczos3, lanczos3.radius, source, target);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.counters["Mpx/s"] = benchmark::Counter(double(width) * height / 1e6,
                                                 benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(std::to_string(sourceWidth) + "x" + std::to_string(sourceHeight) + " -> " +
                   std::to_string(width) + "x" + std::to_string(height));
}

} // namespace

BENCHMARK(Stretch)
    ->ArgNames({"w", "h", "W", "H"})
    ->Args({101, 197, 76, 148})
    ->Args({101, 197, 50, 98})
    ->Args({4000, 3000, 3000, 2250})
    ->Args({4000, 3000, 2000, 1500})
    ->Args({4000, 3000, 1000, 750})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

BENCHMARK_MAIN();
