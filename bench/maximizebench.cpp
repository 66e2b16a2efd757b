// Maximize growth: the largest valid run of a catalogue whose supply stops it
// at 400 fixtures, against one that stops it at 100.
#include "benchmarks.h"
#include "settle.h"
#include "wattlan.h"

#include "cframe.h"

#include <QDir>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A fresh window on the catalogue, with its run of one fixture and a log of
// the start-up's few lines.
struct RunWindow
{
    std::unique_ptr<Wattlan> window;
    QPushButton *maximize = nullptr;
    const CFrame *run = nullptr;
    int boxes = messageBoxesShown();

    explicit RunWindow(const QString &catalogue)
        : window(std::make_unique<Wattlan>(QDir(catalogue)))
    {
        window->show();
        settleEvents();
        maximize = window->findChild<QPushButton *>(QStringLiteral("m_ZV_Maximize_Button"));
        run = window->findChild<CFrame *>(QStringLiteral("m_ZV_Frame"));
    }
    ~RunWindow()
    {
        window.reset();
        settleEvents();
    }

    bool started() const { return window->databaseLoaded() && maximize && run; }

    // Presses Maximize and lets the window catch up.
    void pressMaximize()
    {
        maximize->click();
        settleEvents();
    }

    // Empty, or why the run did not grow as expected.
    QString fault(int expectedFixtures) const
    {
        if (messageBoxesShown() != boxes)
            return QStringLiteral("a message box was shown");
        if (run->fixtureCount() != expectedFixtures)
            return QStringLiteral("Maximize gave %1 fixtures, not %2")
                .arg(run->fixtureCount())
                .arg(expectedFixtures);
        return {};
    }
};

void maximizeRun(benchmark::State &state, const QString &catalogue, int expectedFixtures)
{
    // Both sides run the same code: one warm-up serves them both.
    static bool warmedUp = false;
    for (; !warmedUp; warmedUp = true) {
        RunWindow warm(catalogue);
        if (warm.started())
            warm.pressMaximize();
    }
    for (auto _ : state) {
        state.PauseTiming();
        QString fault;
        {
            RunWindow window(catalogue);
            if (window.started()) {
                state.ResumeTiming();
                window.pressMaximize();
                state.PauseTiming();
                fault = window.fault(expectedFixtures);
            } else {
                fault = QStringLiteral("the run catalogue did not start");
            }
        }
        state.ResumeTiming();
        if (!fault.isEmpty()) {
            state.SkipWithError(qPrintable(fault));
            break;
        }
    }
}

} // namespace

void registerMaximizeBenchmarks(const BenchSetup &setup)
{
    const int repetitions = setup.quick ? 1 : 15;
    benchmark::RegisterBenchmark("maximize/400 fixtures", maximizeRun, setup.longRunCatalogue, 400)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
    benchmark::RegisterBenchmark("maximize/100 fixtures", maximizeRun, setup.shortRunCatalogue, 100)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
}
