#pragma once

#include "flexmodel.h"
#include "jumperchoice.h"
#include "tessanmodel.h"
#include "zelvanerules.h"

class FlexString;
class TSFixture;
class TSPowerSupply;
class YmFixture;
class YmItem;

// How the Tessan and flex string tabs turn catalogue records and a person's
// choices into the models' inputs: written once, for the window, the command
// line, the tests and the benchmarks.
namespace TessanRules {

TessanModel::Cell fixtureCell(const TSFixture &fixture);
// A jumper cell from its selector's choice; unresolved when it names no type
// or, for a custom type, no wire.
TessanModel::Cell jumperCell(const YmFixture *fixture, const JumperChoice &choice);
TessanModel::SelectedFixture selectedOf(const TSFixture &fixture);
TessanModel::SupplyLimits limitsOf(const TSPowerSupply &supply);
// The Tessan supply an entry of a fixture's or a string's supply list names,
// or null (a row past the list, or a record of another kind).
const TSPowerSupply *supplyAt(const QList<YmItem *> &supplies, int row);

// What choosing a leader type sets up on the Tessan tab. A custom leader
// lists its wires (the first is chosen; the box's maximum follows each wire
// chosen); a standard one sets the box's maximum from its limit. Either sets
// the length from the record's electrical length, which a custom leader's
// record leaves at 0: its box falls to its minimum.
ZelvaneRules::LeaderSetup leaderSetup(const YmJumper &leader);

// The figures of a flex string that its solvers read.
FlexStringData figuresOf(const FlexString &string);

} // namespace TessanRules
