#pragma once

#include <QMainWindow>
#include <QString>

#include <memory>

// What the benchmarks run on, prepared once by the entry point.
struct BenchSetup
{
    QString sampleCatalogue; // folder of the sample catalogue
    QString smallCatalogue; // database scaling: 2,000 fixtures, 200 supplies
    QString largeCatalogue; // 20,000 fixtures, 2,000 supplies
    QString shortRunCatalogue; // Maximize stops at 100 fixtures
    QString longRunCatalogue; // Maximize stops at 400 fixtures
    QString zelvaneCatalogue; // max-runs: 2,000 Zelvane fixtures, 200 supplies
    // One repetition of everything and no warm-up: proves that the
    // benchmarks run, measures nothing.
    bool quick = false;
};

// The command-line companion built beside the benchmarks.
QString cliProgram();
// The counter of a benchmark whose time is a child process's CPU time, set
// as its manual time: the figures take that time instead of their own.
inline constexpr char ChildProcessCounter[] = "child process";

// The message boxes shown so far; a benchmark during which one appears is
// reported as failed, since the catalogue it measures had a fault.
int messageBoxesShown();

// A window as the start-up figure starts it: constructed, shown and painted
// until the event queue is idle; clean when it started without a message box
// and painted.
struct StartedWindow
{
    std::unique_ptr<QMainWindow> window;
    bool clean = false;
};
// The main window on the catalogue in a folder.
StartedWindow startWattlan(const QString &catalogue);
// The bare form on a plain QMainWindow: what no implementation can avoid.
StartedWindow startBareForm();

// Each registers the two sides of one figure with Google Benchmark.
void registerStartupBenchmarks(const BenchSetup &setup);
void registerDatabaseBenchmarks(const BenchSetup &setup);
void registerMaximizeBenchmarks(const BenchSetup &setup);
void registerSessionBenchmarks(const BenchSetup &setup);
void registerMaxRunsBenchmarks(const BenchSetup &setup);
// Releases the windows the session benchmarks keep between repetitions.
void releaseSessionBenchmarks();
