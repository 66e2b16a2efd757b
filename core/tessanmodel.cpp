#include "tessanmodel.h"

#include "runbound.h"
#include "runrules.h"
#include "runwalk.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace TessanModel {

namespace {

bool isFixture(const Cell &cell)
{
    return cell.kind == Cell::Fixture;
}

int fixtureCountOf(const QList<Cell> &cells)
{
    return int(std::count_if(cells.cbegin(), cells.cend(), isFixture));
}

// The counted jumpers without a cable type or gauge: how many (the check's
// limit) and the number of the fixture after the first of them (its figure).
LimitCheck unresolvedJumpers(const QList<Cell> &cells, int fixtureCount)
{
    const RunWalk::UnresolvedJumpers found
        = RunWalk::unresolvedJumpers(cells, fixtureCount, isFixture);
    return {
        Check::Jumpers, double(found.count), double(found.firstBeforeFixture), found.count == 0};
}

bool allFinite(const Result &result)
{
    const Totals &t = result.totals;
    for (double figure : {t.length, t.current, t.voltageDrop, result.power})
        if (!std::isfinite(figure))
            return false;
    return true;
}

LimitCheck missing(Check check)
{
    return {check, 0, 0, false};
}

// Every comparison admits equality; one with a value that is not a number fails.
QList<LimitCheck> limitChecks(const Inputs &inputs, const Result &result)
{
    QList<LimitCheck> checks;
    if (inputs.supply && inputs.supply->maxPortPower != 0) {
        const double limit = inputs.supply->maxPortPower;
        checks << LimitCheck {Check::PortPower, limit, result.power, result.power <= limit};
    }
    if (inputs.fixture && inputs.fixture->minVoltage != 0) {
        const double end = inputs.fixture->voltage - result.totals.voltageDrop;
        const double limit = inputs.fixture->minVoltage;
        checks << LimitCheck {Check::EndVoltage, limit, end, end >= limit};
    }
    if (!inputs.fixture)
        checks << missing(Check::Fixture);
    if (!inputs.supply)
        checks << missing(Check::Supply);
    if (!inputs.leader)
        checks << missing(Check::Leader);
    const LimitCheck jumpers = unresolvedJumpers(inputs.cells, result.fixtureCount);
    if (!jumpers.holds)
        checks << jumpers;
    if (!allFinite(result))
        checks << missing(Check::FiniteFigures);
    return checks;
}

// The one walk of a run: the totals, and each counted cell's figures when
// `profile` is given.
Result evaluate(const Inputs &inputs, Profile *profile)
{
    const int fixtureCount = fixtureCountOf(inputs.cells);
    Totals totals;
    TS_SumRun(inputs, fixtureCount, totals, profile);
    return judge(inputs, totals, fixtureCount);
}

// Texts are marked for the main window's context, which shows them.
QString text(const char *source)
{
    return QCoreApplication::translate("Wattlan", source);
}

QString shown(double value)
{
    return QString::number(value, 'g', 6);
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

double addCell(const Cell &cell, Totals &totals)
{
    totals.length += cell.length;
    if (isFixture(cell))
        totals.current += cell.current;
    const double drop = totals.current * cell.resistance;
    totals.voltageDrop += drop;
    return drop;
}

void TS_SumRun(const Inputs &inputs, int fixtureCount, Totals &totals, Profile *profile)
{
    if (profile)
        profile->cells.resize(RunWalk::countedCellCount(inputs.cells, fixtureCount, isFixture));
    RunWalk::visitCountedFromFarEnd(
        inputs.cells, fixtureCount, isFixture, [&](const Cell &cell, int i) {
            const double drop = addCell(cell, totals);
            if (!profile)
                return;
            CellProfile &p = profile->cells[i];
            p.index = i;
            p.kind = isFixture(cell) ? CellProfile::Fixture : CellProfile::Jumper;
            p.drop = drop;
            p.load = totals.current;
            p.inputVoltage = totals.voltageDrop; // the far end is added once known
            p.length = cell.length;
            p.resistance = cell.resistance;
            p.resolved = cell.jumperResolved;
        });
    const double leaderDrop = inputs.leader ? TS_SumLeader(*inputs.leader, totals) : 0;
    if (profile) {
        profile->leaderDrop = leaderDrop;
        RunProfile::finish(*profile, totals.voltageDrop);
    }
}

double TS_SumLeader(const Leader &leader, Totals &totals)
{
    totals.length += leader.length;
    const double drop = leader.resistancePerFoot * leader.length * totals.current;
    totals.voltageDrop += drop;
    return drop;
}

Result calculate(const Inputs &inputs)
{
    return evaluate(inputs, nullptr);
}

Profile profile(const Inputs &inputs)
{
    Profile profile;
    if (!inputs.fixture)
        return profile;
    profile.supplyVoltage = inputs.fixture->voltage;
    evaluate(inputs, &profile);
    return profile;
}

Headroom headroom(const Inputs &inputs, const Cell &nextFixture)
{
    const int fixtureCount = fixtureCountOf(inputs.cells);
    const auto addsJumper = [&] {
        return RunRules::addsJumperFirst(inputs.cells, fixtureCount, false, true, isFixture);
    };
    return RunRules::nextFixture<Headroom>(
        fixtureCount, inputs.fixture.has_value(), addsJumper, [&](bool withJumper) {
            Inputs next = inputs;
            if (withJumper) {
                const auto last = std::find_if(next.cells.crbegin(), next.cells.crend(),
                    [](const Cell &cell) { return !isFixture(cell); });
                next.cells << *last;
            }
            next.cells << nextFixture;
            return calculate(next);
        });
}

QString logLine(const Result &result)
{
    const Totals &t = result.totals;
    return QStringLiteral("Length = %1 Current = %2 VDrop = %3")
        .arg(QString::number(t.length, 'g', 6), QString::number(t.current, 'g', 6),
            QString::number(t.voltageDrop, 'g', 6));
}

QString describe(const LimitCheck &c)
{
    // The same texts as the Zelvane tab's, so that each is translated once.
    const auto relation = [&c](bool atLeast) {
        if (atLeast)
            return c.holds ? QStringLiteral("\u2265") : QStringLiteral("<");
        return c.holds ? QStringLiteral("\u2264") : QStringLiteral(">");
    };
    switch (c.check) {
    case Check::PortPower:
        return text(QT_TRANSLATE_NOOP("Wattlan", "Power %1 W %2 port max %3 W"))
            .arg(shown(c.figure), relation(false), shown(c.limit));
    case Check::EndVoltage:
        return text(QT_TRANSLATE_NOOP("Wattlan", "Voltage at the far end %1 V %2 min %3 V"))
            .arg(shown(c.figure), relation(true), shown(c.limit));
    case Check::Fixture:
        return text(QT_TRANSLATE_NOOP("Wattlan", "No fixture selected"));
    case Check::Supply:
        return text(QT_TRANSLATE_NOOP("Wattlan", "No supply selected for this fixture"));
    case Check::Leader:
        return text(QT_TRANSLATE_NOOP("Wattlan", "No leader cable or gauge selected"));
    case Check::Jumpers:
        if (c.limit > 1)
            return text(QT_TRANSLATE_NOOP("Wattlan",
                            "%1 jumpers have no cable type or gauge, the first before fixture %2"))
                .arg(shown(c.limit), shown(c.figure));
        return text(
            QT_TRANSLATE_NOOP("Wattlan", "The jumper before fixture %1 has no cable type or gauge"))
            .arg(shown(c.figure));
    case Check::FiniteFigures:
        break;
    }
    return text(QT_TRANSLATE_NOOP(
        "Wattlan", "A figure is not a finite number (a power factor or voltage of 0?)"));
}

QString limitReport(const Result &result)
{
    QStringList failing;
    QStringList holding;
    for (const LimitCheck &check : result.checks)
        (check.holds ? holding : failing) << describe(check);
    return (failing + holding).join(QLatin1Char('\n'));
}

QString headroomLine(const Headroom &headroom)
{
    if (headroom.atBound)
        return RunProfile::boundLine();
    if (!headroom.canGrow)
        return {};
    QStringList broken;
    for (const LimitCheck &check : headroom.broken)
        broken << describe(check);
    return RunProfile::nextFixtureLine(headroom.fixtureNumber, broken);
}

// The same steps as calculate() takes once its walk has summed the run.
Result judge(const Inputs &inputs, const Totals &totals, int fixtureCount)
{
    Result result;
    result.fixtureCount = fixtureCount;
    result.totals = totals;
    if (inputs.fixture)
        result.power = result.totals.current * inputs.fixture->voltage;
    result.checks = limitChecks(inputs, result);
    result.valid = std::all_of(result.checks.cbegin(), result.checks.cend(),
        [](const LimitCheck &check) { return check.holds; });
    return result;
}

} // namespace TessanModel
