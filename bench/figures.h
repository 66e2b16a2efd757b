#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

// The medians of the measurements, by benchmark name: milliseconds for
// times, KiB for memory.
using Medians = QHash<QString, double>;

// One figure: the ratio of its measured side to its baseline, taken side by
// side in one run. A figure with four sides is a ratio of two ratios: the
// growth of the first pair against the growth of the second.
struct Figure
{
    QString name;
    double goal = 0; // at most this
    QStringList sides;

    std::optional<double> value(const Medians &medians) const;
    // The first part of its benchmarks' names, which all share it.
    QString group() const { return sides.first().section(QLatin1Char('/'), 0, 0); }
};

// The figures in the order they are printed.
const std::vector<Figure> &figures();

// Shows Google Benchmark's report on standard error and keeps the medians
// and the errors of every benchmark. The figures use the process's CPU time
// (user and system): on a machine shared by several developers the wall
// time also counts the time the process waits for a core. The medians of
// the wall time are kept beside them.
class FigureReporter : public benchmark::ConsoleReporter
{
public:
    FigureReporter();
    void ReportRuns(const std::vector<Run> &runs) override;

    Medians medians;
    Medians wallMedians;
    QHash<QString, QString> errors;

private:
    QHash<QString, std::vector<double>> m_cpu;
    QHash<QString, std::vector<double>> m_wall;
};

// The middle value, or the mean of the two middle ones; 0 for none.
double median(std::vector<double> values);

// Prints on standard output how each figure came about (its sides, its goal,
// the same ratio in wall time), then each figure as one line "name: value"
// and a last line with every ratio; returns the number of figures of the
// groups that were run that could not be measured.
int printFigures(const FigureReporter &measured, const QStringList &groupsRun);
