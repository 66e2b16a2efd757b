#pragma once

#include "runprofile.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

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

// Which of a supply's limits holds for a fixture of the family: fixtures of
// family 1 are counted, those of any other family measured in feet.
inline bool countsFixtures(int family)
{
    return family == 1;
}

struct Leader
{
    double length = 0; // feet
    double resistancePerFoot = 0; // ohms per foot
};

// One cell of the run, carrying the figures of its own fixture record.
struct Cell
{
    enum Kind { Fixture, Jumper };

    bool operator==(const Cell &other) const;

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

// Adds one cell to the totals and returns its drop; `voltage` is the
// effective voltage.
double addCell(const Cell &cell, double voltage, Totals &totals);
// Adds the leader, with the selected fixture's factors, and returns its drop.
double addLeader(
    const Leader &leader, const FixtureFigures &selected, double voltage, Totals &totals);
// Walks the counted cells from the far end back to the supply.
Totals sumCells(const QList<Cell> &cells, int fixtureCount, double voltage);

Result calculate(const Inputs &inputs);
// The line voltage, less the safety margin when the chosen fixture needs it.
double effectiveVoltage(const Inputs &inputs);
// What calculate() makes of a run whose counted cells add up to cellTotals
// (leader not included), for a search that keeps those totals itself: the
// leader is added and every limit judged as calculate() judges it. The cells
// are those of inputs.cells only for the jumpers without figures: leave it
// empty for a run whose jumpers all have theirs.
Result judge(const Inputs &inputs, const Totals &cellTotals, int fixtureCount);
// judge()'s verdict on the same totals without listing the checks (the
// jumpers without figures aside), for a search that asks at every step: it
// allocates nothing.
bool isValid(const Inputs &inputs, const Totals &cellTotals, int fixtureCount);

// The run along its length (loads in watts), from the same walk as
// calculate(): the supply voltage is the effective voltage. Empty of cells
// when no fixture is selected.
using CellProfile = RunProfile::CellProfile;
using Profile = RunProfile::Profile;
Profile profile(const Inputs &inputs);

// What the next Add Fixture of Maximize's grow step would give: the selected
// fixture appended, after a jumper when the fixture requires jumpers and the
// run has a fixture, or when the run ends in a jumper then a fixture. The
// jumper copies the run's last jumper, or is `defaultJumper` (what Add Jumper
// puts first: the fixture's default jumper type) when the run has none.
struct Headroom
{
    bool canGrow = false; // false: no fixture selected, or the run is at its bound
    bool atBound = false; // the run holds MaxRunFixtures fixtures
    bool addsJumper = false;
    int fixtureNumber = 0; // the next fixture's number
    Result result; // the run with the next fixture
    QList<LimitCheck> broken; // the checks of that run that fail
};
Headroom headroom(const Inputs &inputs, bool jumperRequired, const Cell &defaultJumper);
// "Next fixture (36): Electrical length 154 ft > supply max 150 ft", "Next
// fixture (12): within every limit", or that the run is at its bound; empty
// when no fixture can be added.
QString headroomLine(const Headroom &headroom);

// An output field's text: fixed notation, one decimal.
QString fieldText(double value);
// The message log's line for a calculation.
QString logLine(const Result &result);
// One line per check, in the context of the main window: the failing checks
// first, then those that hold. Meant for a tool tip.
QString limitReport(const Result &result);
QString describe(const LimitCheck &check, const Result &result);

} // namespace ZelvaneModel
