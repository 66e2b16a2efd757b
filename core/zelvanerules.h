#pragma once

#include "jumperchoice.h"
#include "zelvanemodel.h"

#include <QStringList>

#include <optional>

class YmFixture;
class YmJumper;
class YmWire;
class ZVFixture;
class ZVPowerSupply;

// How the Zelvane tab turns catalogue records and a person's choices into
// the model's inputs: written once, for the window, the command line, the
// tests and the benchmarks.
namespace ZelvaneRules {

// The line voltages and circuit ratings the tab's selectors list before
// "Other", and the ranges of the boxes that "Other" shows.
const QList<int> &lineVoltages();
const QList<int> &circuitLoads();
constexpr int MinimumLineVoltage = 100;
constexpr int MaximumLineVoltage = 277;
constexpr int MinimumCircuitLoad = 1;
constexpr int MaximumCircuitLoad = 99;

// The figures of a fixture record that the walk reads, and those of the
// fixture chosen on the tab.
ZelvaneModel::FixtureFigures figuresOf(const ZVFixture &fixture);
ZelvaneModel::SelectedFixture selectedOf(const ZVFixture &fixture);
ZelvaneModel::SupplyLimits limitsOf(const ZVPowerSupply &supply);

// The supplies a fixture offers, as the supply selector lists them; the
// supply at a row, or null (a row past the list, or a record of another kind).
QStringList supplyNames(const YmFixture &fixture);
const ZVPowerSupply *supplyAt(const ZVFixture &fixture, int row);
// The leader types a fixture offers, and the one at a row, or null.
QStringList leaderNames(const YmFixture &fixture);
const YmJumper *leaderAt(const YmFixture &fixture, int row);
// A custom leader's wires, and the one at a row, or null.
QStringList gaugeNames(const YmJumper &leader);
const YmWire *gaugeAt(const YmJumper &leader, int row);

// What choosing a leader type sets up. A standard leader sets the length
// box's maximum from its limit and its length from its figure; a custom one
// lists its wires, chooses its default wire (the first when the default is
// not listed) and sets its default length, the box's maximum following each
// wire chosen.
struct LeaderSetup
{
    bool custom = false;
    QStringList gauges; // custom only
    int defaultGaugeRow = -1; // custom only; -1 with no wires
    int lengthMaximum = 0; // standard only
    int length = 0;
};
LeaderSetup leaderSetup(const YmJumper &leader);
// The length box's maximum once a custom leader's wire is chosen.
int gaugeLengthMaximum(const YmWire &wire);

// A leader's resistance per foot: a custom leader's from its wire; none
// without a wire for a custom leader. Shared with the Tessan tab.
std::optional<double> leaderResistancePerFoot(const YmJumper &leader, const YmWire *wire);
// The leader's figures: its length and its resistance per foot.
std::optional<ZelvaneModel::Leader> leaderOf(
    const YmJumper &leader, const YmWire *wire, int length);

// A run cell's figures: a fixture of this technology, a jumper from its
// selector's choice (unresolved when it names no type or wire).
ZelvaneModel::Cell fixtureCell(const ZVFixture &fixture);
ZelvaneModel::Cell jumperCell(const ZVFixture &fixture, const JumperChoice &choice);
// The jumper that Add Jumper puts first into a run: a new selector's choice.
ZelvaneModel::Cell defaultJumper(const ZVFixture &fixture);

// The lowest voltage a fixture may get: the fixture's minimum, or the
// effective voltage less the drop the fixture allows, whichever is higher.
double lowestAllowedVoltage(const ZelvaneModel::SelectedFixture &fixture, double voltage);

} // namespace ZelvaneRules
