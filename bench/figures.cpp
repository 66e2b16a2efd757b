#include "figures.h"

#include "benchmarks.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <iostream>

std::optional<double> Figure::value(const Medians &medians) const
{
    QList<double> values;
    for (const QString &side : sides) {
        const auto found = medians.constFind(side);
        if (found == medians.constEnd() || !(*found > 0))
            return std::nullopt;
        values << *found;
    }
    double ratio = values.at(0) / values.at(1);
    if (values.size() == 4)
        ratio /= values.at(2) / values.at(3);
    return ratio;
}

const std::vector<Figure> &figures()
{
    static const std::vector<Figure> all {
        {QStringLiteral("start-up"), 1.3, {"startup/Wattlan", "startup/bare form"}},
        {QStringLiteral("Maximize growth"), 4.2,
            {"maximize/400 fixtures", "maximize/100 fixtures"}},
        {QStringLiteral("database scaling"), 11,
            {"database/20000 fixtures", "database/2000 fixtures"}},
        {QStringLiteral("long session"), 1.1,
            {"session/Wattlan 20000 lines", "session/Wattlan 20 lines",
                "session/QTextEdit 20000 lines", "session/QTextEdit 20 lines"}},
        {QStringLiteral("memory"), 1.3, {"memory/Wattlan", "memory/bare form"}},
        {QStringLiteral("max-runs table"), 1.5,
            {"maxruns/table of 2000 Zelvane fixtures", "maxruns/loading them"}},
        {QStringLiteral("max-runs command"), 3, {"command/max-runs --format csv", "command/check"}},
        {QStringLiteral("max-runs memory"), 1.5,
            {"memory-cli/max-runs, its largest format", "memory-cli/check"}},
    };
    return all;
}

FigureReporter::FigureReporter()
{
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
}

void FigureReporter::ReportRuns(const std::vector<Run> &runs)
{
    // Each repetition reports the mean of its iterations; the figure takes
    // the median of the repetitions.
    const auto milliseconds = [](const Run &run, double time) {
        return time * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond)
            / benchmark::GetTimeUnitMultiplier(run.time_unit);
    };
    for (const Run &run : runs) {
        const QString name = QString::fromStdString(run.run_name.function_name);
        if (run.error_occurred) {
            errors.insert(name, QString::fromStdString(run.error_message));
        } else if (run.run_type == Run::RT_Iteration) {
            const bool child = run.counters.find(ChildProcessCounter) != run.counters.end();
            m_cpu[name].push_back(
                milliseconds(run, child ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()));
            m_wall[name].push_back(milliseconds(run, run.GetAdjustedRealTime()));
        }
    }
    for (auto it = m_cpu.cbegin(); it != m_cpu.cend(); ++it) {
        if (!errors.contains(it.key())) {
            medians.insert(it.key(), median(it.value()));
            wallMedians.insert(it.key(), median(m_wall.value(it.key())));
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 3);
}

// Peak resident memory, in KiB, of the window or of the command line.
bool isMemory(const QString &side)
{
    return side.startsWith(QLatin1String("memory/"))
        || side.startsWith(QLatin1String("memory-cli/"));
}

QString describeSides(const Figure &figure, const Medians &medians)
{
    QStringList parts;
    for (const QString &side : figure.sides) {
        const bool memory = isMemory(side);
        const auto found = medians.constFind(side);
        parts << QStringLiteral("%1 %2").arg(side,
            found == medians.constEnd()
                ? QStringLiteral("not measured")
                : QString::number(*found, 'f', memory ? 0 : 3) + (memory ? " KiB" : " ms"));
    }
    return parts.join(QLatin1String(", "));
}

QString verdict(
    const Figure &figure, const std::optional<double> &value, const QHash<QString, QString> &errors)
{
    if (value) {
        if (*value <= figure.goal)
            return QStringLiteral("meets its goal of at most %1").arg(figure.goal);
        return QStringLiteral("MISSES its goal of at most %1 by %2")
            .arg(figure.goal)
            .arg(number(*value - figure.goal));
    }
    QStringList reasons;
    for (const QString &side : figure.sides) {
        if (errors.contains(side))
            reasons << side + ": " + errors.value(side);
    }
    return QStringLiteral("not measured")
        + (reasons.isEmpty() ? QString() : " (" + reasons.join("; ") + ")");
}

} // namespace

int printFigures(const FigureReporter &measured, const QStringList &groupsRun)
{
    QTextStream out(stdout);
    out << "Medians of the repetitions; times are the process's CPU time, wall time beside:\n";
    for (const Figure &figure : figures()) {
        const std::optional<double> value = figure.value(measured.medians);
        out << "  " << figure.name << " = " << (value ? number(*value) : QStringLiteral("n/a"))
            << ": " << verdict(figure, value, measured.errors) << "\n    "
            << describeSides(figure, measured.medians) << "\n";
        if (!isMemory(figure.sides.first())) {
            const std::optional<double> wall = figure.value(measured.wallMedians);
            out << "    wall: " << describeSides(figure, measured.wallMedians) << " = "
                << (wall ? number(*wall) : QStringLiteral("n/a")) << "\n";
        }
    }
    QStringList ratios;
    int missing = 0;
    for (const Figure &figure : figures()) {
        const std::optional<double> value = figure.value(measured.medians);
        missing += !value && groupsRun.contains(figure.group()) ? 1 : 0;
        const QString shown = value ? number(*value) : QStringLiteral("n/a");
        out << figure.name << ": " << shown << "\n";
        ratios << figure.name + " " + shown;
    }
    out << "ratios: " << ratios.join(QLatin1String(", ")) << "\n";
    return missing;
}
