#pragma once

#include "runprofile.h"

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

enum class Check {
    // Limits, in the order they are evaluated.
    PortPower,
    EndVoltage,
    // What a run cannot be checked without; reported only when missing.
    Fixture,
    Supply,
    Leader,
    Jumpers,
    FiniteFigures,
};

// One limit that applies to the run: the limit, the run's figure and whether
// the figure keeps within it. For Jumpers, the figure is the number of the
// fixture after the first unresolved jumper and the limit how many there are.
struct LimitCheck
{
    Check check = Check::PortPower;
    double limit = 0;
    double figure = 0;
    bool holds = false;
};

struct Result
{
    int fixtureCount = 0;
    Totals totals;
    double power = 0; // watts at the fixture voltage
    bool valid = false; // every check holds
    QList<LimitCheck> checks;
};

using CellProfile = RunProfile::CellProfile;
using Profile = RunProfile::Profile;

// One step of the walk: adds the cell's length and a fixture's current, then
// its drop (the total current, its own included, times its resistance), which
// it returns.
double addCell(const Cell &cell, Totals &totals);
// Walks the counted cells from the far end back to the supply, then adds the
// leader: every segment drops the total current beyond it, its own included,
// times its resistance. Fills in `profile`'s cells and leader when given.
void TS_SumRun(const Inputs &inputs, int fixtureCount, Totals &totals, Profile *profile = nullptr);
// The leader carries the whole run's current; returns its drop.
double TS_SumLeader(const Leader &leader, Totals &totals);

// The totals, the power and the verdict on both limits (equality admitted).
Result calculate(const Inputs &inputs);
// What calculate() makes of a run whose totals (leader included) are known,
// for a search that keeps them itself: the power and every limit judged as
// calculate() judges them. inputs.cells is only looked at for jumpers
// without figures.
Result judge(const Inputs &inputs, const Totals &totals, int fixtureCount);

// The message log's line for a calculation (a fixed, untranslated text).
QString logLine(const Result &result);

// One line per check, as the Zelvane tab words them: the failing checks
// first, then those that hold. Meant for a tool tip.
QString limitReport(const Result &result);
QString describe(const LimitCheck &check);

// The run along its length (loads in amps), from the same walk as
// calculate(): the supply voltage is the fixture voltage. Empty of cells when
// no fixture is selected.
Profile profile(const Inputs &inputs);

// What the next Add Fixture of Maximize's grow step would give: `nextFixture`
// appended, after a copy of the run's last jumper when the run ends in a
// jumper then a fixture.
struct Headroom
{
    bool canGrow = false; // false: no fixture selected, or the run is at its bound
    bool atBound = false; // the run holds MaxRunFixtures fixtures
    bool addsJumper = false;
    int fixtureNumber = 0; // the next fixture's number
    Result result; // the run with the next fixture
    QList<LimitCheck> broken; // the checks of that run that fail
};
Headroom headroom(const Inputs &inputs, const Cell &nextFixture);
// As the Zelvane tab's line: the next fixture's broken limits, "within every
// limit", or that the run is at its bound; empty when no fixture can be added.
QString headroomLine(const Headroom &headroom);

} // namespace TessanModel
