// quorvel-render's work in one process rendering many pictures: the meter
// window built offscreen, its choices set and the copy picture drawn.
#include "app/MeterRenderer.h"
#include "meter/InstallDigitFont.h"
#include "platform/Application.h"

#include <benchmark/benchmark.h>

namespace {

void renderPicture(benchmark::State& state, app::PictureSize size)
{
    app::RenderRequest request;
    request.reading = QStringLiteral("-1.999");
    request.range = 4;
    request.size = size;
    request.background = app::Background::Pink;
    for (auto _ : state)
        benchmark::DoNotOptimize(app::RenderMeterPicture(request));
    state.counters["pictures_per_second"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(renderPicture, three_quarters, app::PictureSize::ThreeQuarters)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(renderPicture, full, app::PictureSize::Full)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::Application application(argc, argv);
    meter::RegisterEmbeddedDigitFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
