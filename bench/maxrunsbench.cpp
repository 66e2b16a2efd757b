// max-runs: the table of the largest run of every Zelvane fixture, supply,
// leader, voltage and circuit of a generated catalogue, against loading it.
#include "benchmarks.h"

#include "database.h"
#include "maxruns.h"
#include "table.h"

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
        const QList<MaxRuns::Row> found = MaxRuns::table(*database, MaxRuns::Options {});
        benchmark::DoNotOptimize(found.constData());
        rows = found.size();
    }
    state.counters["rows"] = double(rows);
}

// Those rows put into words as the text table the command prints, measured
// on its own: reading back a figure to tell numbers apart costs far more
// than the search.
void printing(benchmark::State &state, const QString &catalogue)
{
    bool clean = false;
    const std::unique_ptr<Database> database = loaded(catalogue, clean);
    if (!clean) {
        state.SkipWithError("the generated catalogue did not load cleanly");
        return;
    }
    const QList<MaxRuns::Row> found = MaxRuns::table(*database, MaxRuns::Options {});
    for (auto _ : state) {
        TextTable text;
        for (const MaxRuns::Row &row : found)
            text.rows << QStringList {row.fixture, row.supply, MaxRuns::leaderName(row),
                figure(row.voltage), figure(row.load), QString::number(row.fixtures),
                figure(row.length), figure(row.power), figure(row.current), figure(row.drop),
                MaxRuns::stopText(row)};
        benchmark::DoNotOptimize(text.text());
    }
    state.counters["rows"] = double(found.size());
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

} // namespace

void registerMaxRunsBenchmarks(const BenchSetup &setup)
{
    const int repetitions = setup.quick ? 1 : 7;
    benchmark::RegisterBenchmark(
        "maxruns/table of 2000 Zelvane fixtures", table, setup.zelvaneCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
    benchmark::RegisterBenchmark(
        "maxruns/printing the table of 2000 Zelvane fixtures", printing, setup.zelvaneCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(setup.quick ? 1 : 3);
    benchmark::RegisterBenchmark("maxruns/loading them", load, setup.zelvaneCatalogue)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
}
