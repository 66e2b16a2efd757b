// Start-up: the main window on the sample catalogue against the bare form it
// is built on, each constructed, shown and painted until the queue is idle.
#include "benchmarks.h"
#include "settle.h"
#include "ui_wattlan.h"
#include "wattlan.h"

#include <QDir>
#include <QMainWindow>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void close(StartedWindow &started)
{
    started.window.reset();
    settleEvents();
}

// Times starts; closing a window is not timed.
template<typename Start> void timeStarts(benchmark::State &state, bool &warmedUp, Start start)
{
    // The first starts of a process pay for fonts, styles and plugins.
    for (; !warmedUp; warmedUp = true) {
        for (int i = 0; i < 3; ++i) {
            StartedWindow started = start();
            close(started);
        }
    }
    for (auto _ : state) {
        StartedWindow started = start();
        state.PauseTiming();
        const bool clean = started.clean;
        close(started);
        state.ResumeTiming();
        if (!clean) {
            state.SkipWithError("the window did not start and paint cleanly");
            break;
        }
    }
}

void wattlanStarts(benchmark::State &state, const QString &catalogue)
{
    static bool warmedUp = false;
    timeStarts(state, warmedUp, [&] { return startWattlan(catalogue); });
}

void bareFormStarts(benchmark::State &state)
{
    static bool warmedUp = false;
    timeStarts(state, warmedUp, startBareForm);
}

} // namespace

StartedWindow startWattlan(const QString &catalogue)
{
    const int boxes = messageBoxesShown();
    auto window = std::make_unique<Wattlan>(QDir(catalogue));
    window->show();
    const int painted = settleEvents();
    const bool clean = window->databaseLoaded() && messageBoxesShown() == boxes && painted > 0;
    return {std::move(window), clean};
}

StartedWindow startBareForm()
{
    auto window = std::make_unique<QMainWindow>();
    Ui::WattlanClass form;
    form.setupUi(window.get());
    window->show();
    const int painted = settleEvents();
    return {std::move(window), painted > 0};
}

void registerStartupBenchmarks(const BenchSetup &setup)
{
    const int repetitions = setup.quick ? 1 : 41;
    benchmark::RegisterBenchmark("startup/Wattlan", wattlanStarts, setup.sampleCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(4)
        ->Repetitions(repetitions);
    benchmark::RegisterBenchmark("startup/bare form", bareFormStarts)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(4)
        ->Repetitions(repetitions);
}
