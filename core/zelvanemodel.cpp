#include "zelvanemodel.h"

#include "runbound.h"
#include "runrules.h"
#include "runwalk.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

#include <cmath>

namespace ZelvaneModel {

namespace {

// A fixture that needs the safety rule runs 10 V below the line and has every
// segment's drop raised by the square root of two.
constexpr double SafetyVoltageMargin = 10.0;
constexpr double DeratingFactor = 0.8;

double segmentDrop(double power, double resistance, const FixtureFigures &factors, double voltage)
{
    const double drop
        = (power / (factors.powerFactor * voltage)) * resistance * factors.fudgeFactor;
    return factors.safetyRequired ? drop * std::sqrt(2.0) : drop;
}

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
    for (double figure :
        {result.voltage, t.length, t.power, t.voltageDrop, t.fixtureLength, result.current})
        if (!std::isfinite(figure))
            return false;
    return true;
}

// Every comparison admits equality; one with a value that is not a number fails.
LimitCheck atMost(Check check, double figure, double limit)
{
    return {check, limit, figure, figure <= limit};
}

LimitCheck atLeast(Check check, double figure, double limit)
{
    return {check, limit, figure, figure >= limit};
}

LimitCheck missing(Check check)
{
    return {check, 0, 0, false};
}

// Passes each limit that applies to the run to `visit`, in the order they are
// evaluated: the one definition of the limits, for the listed checks and for
// the search's verdict alike.
template<typename Visit> void visitLimits(const Inputs &inputs, const Result &result, Visit visit)
{
    const SelectedFixture &f = *inputs.fixture;
    const Totals &t = result.totals;
    const double v = result.voltage;
    visit(atMost(Check::DeratedLoad, result.current, result.deratedLoad));
    if (inputs.supply) {
        const SupplyLimits &s = *inputs.supply;
        const bool counted = countsFixtures(f.family);
        if (counted && s.maxNumFixtures != 0)
            visit(atMost(Check::SupplyFixtureCount, result.fixtureCount, s.maxNumFixtures));
        else if (!counted && s.maxElectricalLength != 0)
            visit(atMost(Check::SupplyLength, t.length, s.maxElectricalLength));
    }
    if (f.maxVoltageDrop != 0)
        visit(atMost(Check::VoltageDrop, t.voltageDrop, f.maxVoltageDrop));
    if (f.minVoltage != 0)
        visit(atLeast(Check::EndVoltage, v - t.voltageDrop, f.minVoltage));
    if (f.voltageDropPercent != 0) {
        // Decided in volts; shown as shares of the effective voltage.
        visit(LimitCheck {Check::VoltageDropShare, f.voltageDropPercent, t.voltageDrop / v,
            t.voltageDrop <= f.voltageDropPercent * v});
    }
    if (f.maxPower != 0)
        visit(atMost(Check::Power, t.power, f.maxPower));
    if (f.maxFixtureCurrent != 0)
        visit(atMost(Check::FixtureCurrent, result.current, f.maxFixtureCurrent));
    if (f.maxFixtureLength != 0)
        visit(atMost(Check::FixtureLength, t.fixtureLength, f.maxFixtureLength));
}

QList<LimitCheck> limitChecks(const Inputs &inputs, const Result &result)
{
    QList<LimitCheck> checks;
    checks.reserve(int(Check::FiniteFigures) + 1);
    visitLimits(inputs, result, [&checks](const LimitCheck &check) { checks << check; });
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

// Texts are marked for the main window's context, which shows them.
QString text(const char *source)
{
    return QCoreApplication::translate("Wattlan", source);
}

// Figures as the message log shows them: up to 6 significant digits.
QString shown(double value)
{
    return QString::number(value, 'g', 6);
}

QString relation(const LimitCheck &check, bool atLeastLimit)
{
    if (atLeastLimit)
        return check.holds ? QStringLiteral("\u2265") : QStringLiteral("<");
    return check.holds ? QStringLiteral("\u2264") : QStringLiteral(">");
}

} // namespace

Cell Cell::fixture(const FixtureFigures &record)
{
    Cell cell;
    cell.kind = Fixture;
    cell.record = record;
    return cell;
}

Cell Cell::jumper(const FixtureFigures &record, double length, double resistance)
{
    Cell cell;
    cell.kind = Jumper;
    cell.record = record;
    cell.jumperLength = length;
    cell.jumperResistance = resistance;
    return cell;
}

Cell Cell::unresolvedJumper(const FixtureFigures &record)
{
    Cell cell = jumper(record, 0, 0);
    cell.jumperResolved = false;
    return cell;
}

double addCell(const Cell &cell, double voltage, Totals &totals)
{
    const FixtureFigures &f = cell.record;
    double resistance = 0;
    if (cell.kind == Cell::Fixture) {
        totals.length += f.electricalLength;
        totals.power += f.power;
        totals.fixtureLength += f.electricalLength;
        resistance = f.resistance;
    } else {
        totals.length += cell.jumperLength;
        resistance = cell.jumperResistance;
    }
    const double drop = segmentDrop(totals.power, resistance, f, voltage);
    totals.voltageDrop += drop;
    return drop;
}

double addLeader(
    const Leader &leader, const FixtureFigures &selected, double voltage, Totals &totals)
{
    totals.length += leader.length;
    const double drop
        = segmentDrop(totals.power, leader.resistancePerFoot * leader.length, selected, voltage);
    totals.voltageDrop += drop;
    return drop;
}

namespace {

// The one walk of a run: the totals, and each counted cell's figures when
// `profile` is given.
Totals walkCells(const QList<Cell> &cells, int fixtureCount, double voltage, Profile *profile)
{
    Totals totals;
    if (profile)
        profile->cells.resize(RunWalk::countedCellCount(cells, fixtureCount, isFixture));
    RunWalk::visitCountedFromFarEnd(cells, fixtureCount, isFixture, [&](const Cell &cell, int i) {
        const double drop = addCell(cell, voltage, totals);
        if (!profile)
            return;
        CellProfile &p = profile->cells[i];
        p.index = i;
        p.kind = isFixture(cell) ? CellProfile::Fixture : CellProfile::Jumper;
        p.drop = drop;
        p.load = totals.power;
        p.inputVoltage = totals.voltageDrop; // the far end is added once known
        p.length = isFixture(cell) ? cell.record.electricalLength : cell.jumperLength;
        p.resistance = isFixture(cell) ? cell.record.resistance : cell.jumperResistance;
        p.resolved = cell.jumperResolved;
    });
    return totals;
}

Result evaluate(const Inputs &inputs, Profile *profile)
{
    Result result;
    result.deratedLoad = inputs.maxLoad * DeratingFactor;
    result.fixtureCount = fixtureCountOf(inputs.cells);
    if (!inputs.fixture) {
        // Without the chosen fixture there are no factors, no leader and no
        // limits: nothing is claimed about the run.
        result.voltage = inputs.lineVoltage;
        result.checks << missing(Check::Fixture);
        return result;
    }
    const SelectedFixture &f = *inputs.fixture;
    result.voltage = effectiveVoltage(inputs);
    result.totals = walkCells(inputs.cells, result.fixtureCount, result.voltage, profile);
    const double leaderDrop
        = inputs.leader ? addLeader(*inputs.leader, f.figures, result.voltage, result.totals) : 0;
    if (profile) {
        profile->supplyVoltage = result.voltage;
        profile->leaderDrop = leaderDrop;
        RunProfile::finish(*profile, result.totals.voltageDrop);
    }
    result.current = result.totals.power / result.voltage / f.figures.powerFactor;
    result.checks = limitChecks(inputs, result);
    result.valid = std::all_of(result.checks.cbegin(), result.checks.cend(),
        [](const LimitCheck &check) { return check.holds; });
    return result;
}

} // namespace

Totals sumCells(const QList<Cell> &cells, int fixtureCount, double voltage)
{
    return walkCells(cells, fixtureCount, voltage, nullptr);
}

Result calculate(const Inputs &inputs)
{
    return evaluate(inputs, nullptr);
}

bool Cell::operator==(const Cell &other) const
{
    const FixtureFigures &a = record;
    const FixtureFigures &b = other.record;
    return kind == other.kind && a.electricalLength == b.electricalLength
        && a.resistance == b.resistance && a.power == b.power && a.powerFactor == b.powerFactor
        && a.fudgeFactor == b.fudgeFactor && a.safetyRequired == b.safetyRequired
        && jumperLength == other.jumperLength && jumperResistance == other.jumperResistance
        && jumperResolved == other.jumperResolved;
}

Profile profile(const Inputs &inputs)
{
    Profile profile;
    profile.supplyVoltage = inputs.lineVoltage;
    evaluate(inputs, &profile);
    return profile;
}

Headroom headroom(const Inputs &inputs, bool jumperRequired, const Cell &defaultJumper)
{
    const int fixtureCount = fixtureCountOf(inputs.cells);
    const auto addsJumper = [&] {
        return RunRules::addsJumperFirst(
            inputs.cells, fixtureCount, jumperRequired, true, isFixture);
    };
    return RunRules::nextFixture<Headroom>(
        fixtureCount, inputs.fixture.has_value(), addsJumper, [&](bool withJumper) {
            Inputs next = inputs;
            if (withJumper) {
                const auto last = std::find_if(next.cells.crbegin(), next.cells.crend(),
                    [](const Cell &cell) { return !isFixture(cell); });
                Cell jumper = last != next.cells.crend() ? *last : defaultJumper;
                jumper.record = inputs.fixture->figures;
                next.cells << jumper;
            }
            next.cells << Cell::fixture(inputs.fixture->figures);
            return calculate(next);
        });
}

QString describe(const LimitCheck &c, const Result &result)
{
    // %1 the run's figure, %2 the relation, %3 the limit.
    static const char *const comparisons[] = {
        QT_TRANSLATE_NOOP("Wattlan", "Current %1 A %2 derated load %3 A"),
        QT_TRANSLATE_NOOP("Wattlan", "Fixtures %1 %2 supply max %3"),
        QT_TRANSLATE_NOOP("Wattlan", "Electrical length %1 ft %2 supply max %3 ft"),
        QT_TRANSLATE_NOOP("Wattlan", "Voltage drop %1 V %2 max %3 V"),
        QT_TRANSLATE_NOOP("Wattlan", "Voltage at the far end %1 V %2 min %3 V"),
        nullptr, // the share of the voltage, below
        QT_TRANSLATE_NOOP("Wattlan", "Power %1 W %2 max %3 W"),
        QT_TRANSLATE_NOOP("Wattlan", "Current %1 A %2 fixture max %3 A"),
        QT_TRANSLATE_NOOP("Wattlan", "Fixture length %1 ft %2 max %3 ft"),
    };
    static const char *const missingInputs[] = {
        QT_TRANSLATE_NOOP("Wattlan", "No fixture selected"),
        QT_TRANSLATE_NOOP("Wattlan", "No supply selected for this fixture"),
        QT_TRANSLATE_NOOP("Wattlan", "No leader cable or gauge selected"),
        QT_TRANSLATE_NOOP("Wattlan", "The jumper before fixture %1 has no cable type or gauge"),
        QT_TRANSLATE_NOOP(
            "Wattlan", "A figure is not a finite number (a power factor or voltage of 0?)"),
    };
    const int index = int(c.check);
    if (c.check == Check::Jumpers && c.limit > 1)
        return text(QT_TRANSLATE_NOOP("Wattlan",
                        "%1 jumpers have no cable type or gauge, the first before fixture %2"))
            .arg(shown(c.limit), shown(c.figure));
    if (c.check == Check::Jumpers)
        return text(missingInputs[index - int(Check::Fixture)]).arg(shown(c.figure));
    if (c.check >= Check::Fixture)
        return text(missingInputs[index - int(Check::Fixture)]);
    if (c.check == Check::VoltageDropShare)
        return text(QT_TRANSLATE_NOOP("Wattlan", "Voltage drop %1 % of %2 V %3 max %4 %"))
            .arg(shown(c.figure * 100), shown(result.voltage), relation(c, false),
                shown(c.limit * 100));
    return text(comparisons[index])
        .arg(shown(c.figure), relation(c, c.check == Check::EndVoltage), shown(c.limit));
}

QString fieldText(double value)
{
    return QString::number(value, 'f', 1);
}

QString logLine(const Result &result)
{
    const Totals &t = result.totals;
    return text(QT_TRANSLATE_NOOP("Wattlan", "Length = %1 Power = %2 Current = %3 VDrop = %4"))
        .arg(shown(t.length), shown(t.power), shown(result.current), shown(t.voltageDrop));
}

QString limitReport(const Result &result)
{
    QStringList failing;
    QStringList holding;
    for (const LimitCheck &check : result.checks)
        (check.holds ? holding : failing) << describe(check, result);
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
        broken << describe(check, headroom.result);
    return RunProfile::nextFixtureLine(headroom.fixtureNumber, broken);
}

double effectiveVoltage(const Inputs &inputs)
{
    if (inputs.fixture && inputs.fixture->figures.safetyRequired)
        return inputs.lineVoltage - SafetyVoltageMargin;
    return inputs.lineVoltage;
}

namespace {

// The figures judge() reaches, without the checks: the leader added, the current.
Result judgedFigures(const Inputs &inputs, const Totals &cellTotals, int fixtureCount)
{
    Result result;
    result.deratedLoad = inputs.maxLoad * DeratingFactor;
    result.fixtureCount = fixtureCount;
    result.voltage = effectiveVoltage(inputs);
    if (!inputs.fixture)
        return result;
    result.totals = cellTotals;
    if (inputs.leader)
        addLeader(*inputs.leader, inputs.fixture->figures, result.voltage, result.totals);
    result.current = result.totals.power / result.voltage / inputs.fixture->figures.powerFactor;
    return result;
}

} // namespace

// The same steps as calculate() takes once its walk has summed the cells.
Result judge(const Inputs &inputs, const Totals &cellTotals, int fixtureCount)
{
    Result result = judgedFigures(inputs, cellTotals, fixtureCount);
    if (!inputs.fixture) {
        result.checks << missing(Check::Fixture);
        return result;
    }
    result.checks = limitChecks(inputs, result);
    result.valid = std::all_of(result.checks.cbegin(), result.checks.cend(),
        [](const LimitCheck &check) { return check.holds; });
    return result;
}

bool isValid(const Inputs &inputs, const Totals &cellTotals, int fixtureCount)
{
    if (!inputs.fixture)
        return false;
    const Result result = judgedFigures(inputs, cellTotals, fixtureCount);
    bool valid = inputs.supply && inputs.leader && allFinite(result);
    visitLimits(
        inputs, result, [&valid](const LimitCheck &check) { valid = valid && check.holds; });
    return valid;
}

} // namespace ZelvaneModel
