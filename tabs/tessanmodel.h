#pragma once

#include <QList>
#include <QString>

#include <optional>

// The electrical model of a Tessan run: constant-current fixtures chained by
// jumpers and fed from one supply port through a leader. A pure function of
// plain figures, so that it can be checked without any widget or record.
namespace TessanModel {

// One cell of the run, carrying the figures of its own fixture record or of
// its jumper.
struct Cell
{
    enum Kind { Fixture, Jumper };

    Kind kind = Fixture;
    double length = 0; // feet
    double resistance = 0; // ohms, the whole cell
    double current = 0; // amps, fixture cells only
    bool jumperResolved = true; // false: no cable type or gauge chosen

    static Cell fixture(double length, double resistance, double current);
    static Cell jumper(double length, double resistance);
    static Cell unresolvedJumper();
};

// The fixture chosen on the tab; a minimum voltage of 0 means none.
struct SelectedFixture
{
    double voltage = 0; // volts
    double minVoltage = 0; // volts left at the far end
};

// A port power of 0 means no limit.
struct SupplyLimits
{
    double maxPortPower = 0; // watts, one port
};

struct Leader
{
    double length = 0; // feet
    double resistancePerFoot = 0; // ohms per foot
};

// Everything one calculation needs. An absent fixture, supply or leader is
// one that the tab could not resolve; the run is then invalid.
struct Inputs
{
    std::optional<SelectedFixture> fixture;
    std::optional<SupplyLimits> supply;
    std::optional<Leader> leader;
    QList<Cell> cells; // in run order, the first one next to the supply
};

// The running totals of the walk.
struct Totals
{
    double length = 0; // feet, cells and leader
    double current = 0; // amps
    double voltageDrop = 0; // volts
};

struct Result
{
    int fixtureCount = 0;
    Totals totals;
    double power = 0; // watts at the fixture voltage
    bool valid = false;
};

// Walks the counted cells from the far end back to the supply, then adds the
// leader: every segment drops the total current beyond it, its own included,
// times its resistance.
void TS_SumRun(const Inputs &inputs, int fixtureCount, Totals &totals);
// The leader carries the whole run's current.
void TS_SumLeader(const Leader &leader, Totals &totals);

// The totals, the power and the verdict on both limits (equality admitted).
Result calculate(const Inputs &inputs);
// What calculate() makes of a run whose totals (leader included) are known:
// the power and the verdict. inputs.cells is not walked, only looked at for
// jumpers without figures.
Result evaluate(const Inputs &inputs, const Totals &totals, int fixtureCount);

// The message log's line for a calculation (a fixed, untranslated text).
QString logLine(const Result &result);

} // namespace TessanModel
