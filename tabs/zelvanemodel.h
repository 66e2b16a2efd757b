#pragma once

#include <QList>
#include <QString>

#include <optional>

// The electrical model of a Zelvane run: line-voltage fixtures chained by
// jumpers and fed from a supply through a leader. A pure function of plain
// figures, so that it can be checked without any widget or record.
namespace ZelvaneModel {

// The figures of one fixture record that the walk reads.
struct FixtureFigures
{
    double electricalLength = 0; // feet
    double resistance = 0; // ohms
    double power = 0; // watts
    double powerFactor = 0;
    double fudgeFactor = 0;
    bool safetyRequired = false;
};

// The fixture chosen on the tab: its factors apply to the leader and the
// current, its limits to the whole run. A limit of 0 means none.
struct SelectedFixture
{
    FixtureFigures figures;
    int family = 0;
    double maxVoltageDrop = 0;
    double minVoltage = 0;
    double voltageDropPercent = 0; // a fraction: 0.05 is five per cent
    double maxPower = 0;
    double maxFixtureCurrent = 0;
    double maxFixtureLength = 0;
};

// A supply limit of 0 means none.
struct SupplyLimits
{
    double maxElectricalLength = 0; // feet, for fixtures of any family but 1
    int maxNumFixtures = 0; // for fixtures of family 1
};

struct Leader
{
    double length = 0; // feet
    double resistancePerFoot = 0; // ohms per foot
};

// One cell of the run, carrying the figures of its own fixture record.
struct Cell
{
    enum Kind { Fixture, Jumper };

    Kind kind = Fixture;
    FixtureFigures record;
    double jumperLength = 0; // feet, jumper cells only
    double jumperResistance = 0; // ohms for the whole jumper
    bool jumperResolved = true; // false: no cable type or gauge chosen

    static Cell fixture(const FixtureFigures &record);
    static Cell jumper(const FixtureFigures &record, double length, double resistance);
    static Cell unresolvedJumper(const FixtureFigures &record);
};

// Everything one calculation needs. An absent fixture, supply or leader is
// one that the tab could not resolve; the run is then invalid.
struct Inputs
{
    double lineVoltage = 0; // volts
    double maxLoad = 0; // amps, the circuit's rating
    std::optional<SelectedFixture> fixture;
    std::optional<SupplyLimits> supply;
    std::optional<Leader> leader;
    QList<Cell> cells; // in run order, the first one next to the supply
};

// The running totals of the walk.
struct Totals
{
    double length = 0; // feet, cells and leader
    double power = 0; // watts
    double voltageDrop = 0; // volts
    double fixtureLength = 0; // feet, fixture cells only
};

enum class Check {
    // Limits, in the order they are evaluated.
    DeratedLoad,
    SupplyFixtureCount,
    SupplyLength,
    VoltageDrop,
    EndVoltage,
    VoltageDropShare,
    Power,
    FixtureCurrent,
    FixtureLength,
    // What a run cannot be checked without; reported only when missing.
    Fixture,
    Supply,
    Leader,
    Jumpers,
    FiniteFigures,
};

// One limit that applies to the run: the limit, the run's figure and whether
// the figure keeps within it. VoltageDropShare compares fractions of the
// effective voltage.
struct LimitCheck
{
    Check check = Check::DeratedLoad;
    double limit = 0;
    double figure = 0;
    bool holds = false;
};

struct Result
{
    double deratedLoad = 0; // amps
    double voltage = 0; // effective voltage, volts
    int fixtureCount = 0;
    Totals totals;
    double current = 0; // amps
    bool valid = false;
    QList<LimitCheck> checks;
};

// Adds one cell to the totals; `voltage` is the effective voltage.
void addCell(const Cell &cell, double voltage, Totals &totals);
// Adds the leader, with the selected fixture's factors.
void addLeader(
    const Leader &leader, const FixtureFigures &selected, double voltage, Totals &totals);
// Walks the counted cells from the far end back to the supply.
Totals sumCells(const QList<Cell> &cells, int fixtureCount, double voltage);

Result calculate(const Inputs &inputs);
// The line voltage, less the safety margin when the chosen fixture needs it.
double effectiveVoltage(const Inputs &inputs);
// What calculate() makes of a run whose cells add up to cellTotals (walked
// from the far end, leader not included): the leader is added and every limit
// judged. inputs.cells is not walked; jumpersResolved says whether every
// jumper of the run has its figures.
Result evaluate(
    const Inputs &inputs, const Totals &cellTotals, int fixtureCount, bool jumpersResolved);

// An output field's text: fixed notation, one decimal.
QString fieldText(double value);
// The message log's line for a calculation.
QString logLine(const Result &result);
// One line per check, in the context of the main window: the failing checks
// first, then those that hold. Meant for a tool tip.
QString limitReport(const Result &result);
QString describe(const LimitCheck &check, const Result &result);

} // namespace ZelvaneModel
