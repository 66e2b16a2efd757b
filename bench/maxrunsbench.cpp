// max-runs: the table of the largest run of every Zelvane fixture, supply,
// leader, voltage and circuit of a generated catalogue, against loading it;
// and the whole command, as a process, against the catalogue's check.
#include "benchmarks.h"

#include "childprocess.h"
#include "database.h"
#include "maxruns.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<Database> loaded(const QString &catalogue, bool &clean)
{
    auto database = std::make_unique<Database>();
    int problems = 0;
    database->setReporter([&problems](const QString &) { ++problems; });
    clean = database->load(QDir(catalogue)) && problems == 0;
    return database;
}

// What the command computes once the catalogue is loaded: the search over
// every row, with the figures and the limits the next fixture breaks.
void table(benchmark::State &state, const QString &catalogue)
{
    bool clean = false;
    const std::unique_ptr<Database> database = loaded(catalogue, clean);
    if (!clean) {
        state.SkipWithError("the generated catalogue did not load cleanly");
        return;
    }
    qsizetype rows = 0;
    for (auto _ : state) {
        rows = 0;
        MaxRuns::forEachRow(*database, MaxRuns::Options {}, [&rows](const MaxRuns::Row &row) {
            benchmark::DoNotOptimize(&row);
            ++rows;
        });
    }
    state.counters["rows"] = double(rows);
}

void load(benchmark::State &state, const QString &catalogue)
{
    for (auto _ : state) {
        bool clean = false;
        std::unique_ptr<Database> database = loaded(catalogue, clean);
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
        if (!clean) {
            state.SkipWithError("the generated catalogue did not load cleanly");
            break;
        }
    }
}

// wattlan-cli run as a process with its output thrown away; the time is the
// CPU time the kernel counted for it.
void command(benchmark::State &state, const QStringList &arguments)
{
    for (auto _ : state) {
        const ChildCost cost = runChild(cliProgram(), arguments, {0, 1});
        if (!cost.ok) {
            state.SkipWithError("wattlan-cli failed");
            break;
        }
        state.SetIterationTime(cost.cpuSeconds);
    }
    state.counters[ChildProcessCounter] = 1;
}

} // namespace

void registerMaxRunsBenchmarks(const BenchSetup &setup)
{
    const int repetitions = setup.quick ? 1 : 7;
    benchmark::RegisterBenchmark(
        "maxruns/table of 2000 Zelvane fixtures", table, setup.zelvaneCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
    benchmark::RegisterBenchmark("maxruns/loading them", load, setup.zelvaneCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);

    const QStringList catalogue {QStringLiteral("--catalogue"), setup.zelvaneCatalogue};
    benchmark::RegisterBenchmark("command/max-runs --format csv", command,
        QStringList {QStringLiteral("max-runs"), QStringLiteral("--format"), QStringLiteral("csv")}
            + catalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseManualTime()
        ->Repetitions(setup.quick ? 1 : 5);
    benchmark::RegisterBenchmark(
        "command/check", command, QStringList {QStringLiteral("check")} + catalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->UseManualTime()
        ->Repetitions(setup.quick ? 1 : 5);
}
