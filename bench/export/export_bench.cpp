// The copy button's path: from the click handler's start to the picture handed
// to the clipboard, for each size. Runs on Qt's offscreen platform.
#include "meter/TForm1.h"
#include "platform/Application.h"
#include "platform/ErrorBox.h"
#include "platform/RadioButton.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

meter::TForm1* form = nullptr;

void copyAt(benchmark::State& state, int size)
{
    platform::RadioButton* buttons[] = {form->RadioButton1, form->RadioButton2, form->RadioButton3};
    buttons[size]->setChecked(true);
    for (auto _ : state)
        form->Button1Click();
}

BENCHMARK_CAPTURE(copyAt, full_101x197, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(copyAt, three_quarters_76x148, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(copyAt, half_50x98, 2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("TEMP", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    platform::Application application(argc, argv);
    meter::TForm1 window;
    platform::guarded([&] { window.FormCreate(); })();
    window.show();
    form = &window;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
