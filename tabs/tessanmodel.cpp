#include "tessanmodel.h"

#include "runwalk.h"

#include <algorithm>
#include <cmath>

namespace TessanModel {

namespace {

bool isFixture(const Cell &cell)
{
    return cell.kind == Cell::Fixture;
}

bool allJumpersResolved(const QList<Cell> &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(),
        [](const Cell &cell) { return cell.kind != Cell::Jumper || cell.jumperResolved; });
}

bool allFinite(const Result &result)
{
    const Totals &t = result.totals;
    for (double figure : {t.length, t.current, t.voltageDrop, result.power})
        if (!std::isfinite(figure))
            return false;
    return true;
}

// Written as "within the limits" so that a figure that is no number fails.
bool withinLimits(const Inputs &inputs, const Result &result)
{
    if (!inputs.fixture || !inputs.supply || !inputs.leader || !allJumpersResolved(inputs.cells)
        || !allFinite(result))
        return false;
    bool valid = true;
    if (inputs.supply->maxPortPower != 0)
        valid = valid && result.power <= inputs.supply->maxPortPower;
    const SelectedFixture &f = *inputs.fixture;
    if (f.minVoltage != 0)
        valid = valid && f.voltage - result.totals.voltageDrop >= f.minVoltage;
    return valid;
}

} // namespace

Cell Cell::fixture(double length, double resistance, double current)
{
    return Cell {Fixture, length, resistance, current, true};
}

Cell Cell::jumper(double length, double resistance)
{
    return Cell {Jumper, length, resistance, 0, true};
}

Cell Cell::unresolvedJumper()
{
    return Cell {Jumper, 0, 0, 0, false};
}

void TS_SumRun(const Inputs &inputs, int fixtureCount, Totals &totals)
{
    RunWalk::visitCountedFromFarEnd(inputs.cells, fixtureCount, isFixture, [&](const Cell &cell) {
        totals.length += cell.length;
        if (isFixture(cell))
            totals.current += cell.current;
        totals.voltageDrop += totals.current * cell.resistance;
    });
    if (inputs.leader)
        TS_SumLeader(*inputs.leader, totals);
}

void TS_SumLeader(const Leader &leader, Totals &totals)
{
    totals.length += leader.length;
    totals.voltageDrop += leader.resistancePerFoot * leader.length * totals.current;
}

Result calculate(const Inputs &inputs)
{
    const int fixtureCount
        = int(std::count_if(inputs.cells.cbegin(), inputs.cells.cend(), isFixture));
    Totals totals;
    TS_SumRun(inputs, fixtureCount, totals);
    return evaluate(inputs, totals, fixtureCount);
}

Result evaluate(const Inputs &inputs, const Totals &totals, int fixtureCount)
{
    Result result;
    result.fixtureCount = fixtureCount;
    result.totals = totals;
    if (inputs.fixture)
        result.power = result.totals.current * inputs.fixture->voltage;
    result.valid = withinLimits(inputs, result);
    return result;
}

QString logLine(const Result &result)
{
    const Totals &t = result.totals;
    return QStringLiteral("Length = %1 Current = %2 VDrop = %3")
        .arg(QString::number(t.length, 'g', 6), QString::number(t.current, 'g', 6),
            QString::number(t.voltageDrop, 'g', 6));
}

} // namespace TessanModel
