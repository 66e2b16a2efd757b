#pragma once

#include <QString>

class Prompter;

// What the benchmarks run on, prepared once by the entry point.
struct BenchSetup
{
    QString sampleCatalogue; // folder of the sample catalogue
    QString smallCatalogue; // database scaling: 2,000 fixtures, 200 supplies
    QString largeCatalogue; // 20,000 fixtures, 2,000 supplies
    QString shortRunCatalogue; // Maximize stops at 100 fixtures
    QString longRunCatalogue; // Maximize stops at 400 fixtures
    // One repetition of everything and no warm-up: proves that the
    // benchmarks run, measures nothing.
    bool quick = false;
};

// The message boxes shown so far; a benchmark during which one appears is
// reported as failed, since the catalogue it measures had a fault.
int messageBoxesShown();

// Each registers the two sides of one figure with Google Benchmark.
void registerStartupBenchmarks(const BenchSetup &setup);
void registerDatabaseBenchmarks(const BenchSetup &setup);
void registerMaximizeBenchmarks(const BenchSetup &setup);
void registerSessionBenchmarks(const BenchSetup &setup);
// Releases the windows the session benchmarks keep between repetitions.
void releaseSessionBenchmarks();
