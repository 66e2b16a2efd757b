// Database scaling: loading a generated catalogue ten times the size of another.
#include "benchmarks.h"

#include "database.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Whether one load of the catalogue went through without a problem.
bool loadOnce(Database &database, const QString &catalogue)
{
    int problems = 0;
    database.setReporter([&problems](const QString &) { ++problems; });
    return database.load(QDir(catalogue)) && problems == 0;
}

// Times loads; making the empty database and releasing its records is not
// part of loading.
void loadCatalogue(benchmark::State &state, const QString &catalogue, bool warmUp)
{
    static bool warmedUp = false;
    for (; warmUp && !warmedUp; warmedUp = true) {
        Database database;
        loadOnce(database, catalogue);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<Database>();
        state.ResumeTiming();
        const bool loaded = loadOnce(*database, catalogue);
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
        if (!loaded) {
            state.SkipWithError("the generated catalogue did not load cleanly");
            break;
        }
    }
}

} // namespace

void registerDatabaseBenchmarks(const BenchSetup &setup)
{
    // The large catalogue takes seconds to load: fewer repetitions of it,
    // and no warm-up beyond that of the small one.
    benchmark::RegisterBenchmark(
        "database/20000 fixtures", loadCatalogue, setup.largeCatalogue, false)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(setup.quick ? 1 : 7);
    benchmark::RegisterBenchmark(
        "database/2000 fixtures", loadCatalogue, setup.smallCatalogue, !setup.quick)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(setup.quick ? 1 : 15);
}
