#include "jumperchoice.h"

#include "ymcable.h"
#include "ymfixture.h"

#include <algorithm>

namespace JumperChoices {

namespace {

template<typename T> T *entryAt(const QList<T *> &list, int row)
{
    return row >= 0 && row < list.size() ? list.at(row) : nullptr;
}

// A combo box refilled: its first entry becomes current, then the default
// row when the list has it.
int filledRow(int count, int defaultRow)
{
    if (count == 0)
        return -1;
    return defaultRow >= 0 && defaultRow < count ? defaultRow : 0;
}

// The gauges of the chosen type, refilled for a custom type; a type that is
// not there empties them, a standard type leaves them.
void refreshGauges(JumperChoice &choice, const YmFixture *fixture)
{
    const YmJumper *jumper = type(fixture, choice);
    if (!jumper) {
        choice.gauges.clear();
        choice.gaugeRow = -1;
        return;
    }
    if (!jumper->IsCustom)
        return;
    choice.gauges.clear();
    for (const YmWire *w : jumper->CustomWireList)
        if (w)
            choice.gauges << w->Name;
    choice.gaugeRow = filledRow(int(choice.gauges.size()), jumper->DefaultCustomWire);
}

// A row outside the list makes none current, as a combo box does.
int rowIn(int count, int row)
{
    return row >= 0 && row < count ? row : -1;
}

} // namespace

JumperChoice fresh(const YmFixture *fixture)
{
    JumperChoice choice;
    if (fixture)
        choice.typeRow = filledRow(int(fixture->JumperList.size()), fixture->DefaultJumper);
    refreshGauges(choice, fixture);
    return choice;
}

JumperChoice copied(const YmFixture *fixture, const JumperChoice &from)
{
    JumperChoice choice = fresh(fixture);
    const int types = fixture ? int(fixture->JumperList.size()) : 0;
    if (rowIn(types, from.typeRow) < 0)
        return choice;
    choice.typeRow = from.typeRow;
    refreshGauges(choice, fixture);
    const YmJumper *jumper = type(fixture, choice);
    if (jumper && jumper->IsCustom) {
        if (rowIn(int(choice.gauges.size()), from.gaugeRow) >= 0)
            choice.gaugeRow = from.gaugeRow;
        chooseLength(choice, from.length);
    }
    return choice;
}

JumperChoice stored(const YmFixture *fixture, int typeRow, int gaugeRow, int length)
{
    JumperChoice choice = fresh(fixture);
    chooseType(choice, fixture, typeRow);
    chooseGauge(choice, gaugeRow);
    chooseLength(choice, length);
    return choice;
}

void chooseType(JumperChoice &choice, const YmFixture *fixture, int row)
{
    const int types = fixture ? int(fixture->JumperList.size()) : 0;
    const int chosen = rowIn(types, row);
    if (chosen == choice.typeRow)
        return; // no change, no refill
    choice.typeRow = chosen;
    refreshGauges(choice, fixture);
}

void chooseGauge(JumperChoice &choice, int row)
{
    choice.gaugeRow = rowIn(int(choice.gauges.size()), row);
}

void chooseLength(JumperChoice &choice, int length)
{
    choice.length = std::clamp(length, MinimumLength, MaximumLength);
}

const YmJumper *type(const YmFixture *fixture, const JumperChoice &choice)
{
    return fixture ? entryAt(fixture->JumperList, choice.typeRow) : nullptr;
}

const YmWire *wire(const YmFixture *fixture, const JumperChoice &choice)
{
    const YmJumper *jumper = type(fixture, choice);
    if (!jumper || choice.gaugeRow < 0)
        return nullptr;
    // The gauge list leaves out null wires, so row n is the n-th wire present.
    int row = 0;
    for (const YmWire *w : jumper->CustomWireList) {
        if (!w)
            continue;
        if (row++ == choice.gaugeRow)
            return w;
    }
    return nullptr;
}

bool figures(
    const YmFixture *fixture, const JumperChoice &choice, double &length, double &resistance)
{
    const YmJumper *jumper = type(fixture, choice);
    if (!jumper)
        return false;
    if (!jumper->IsCustom) {
        length = jumper->ElectricalLength;
        resistance = jumper->Resistance;
        return true;
    }
    const YmWire *chosenWire = wire(fixture, choice);
    if (!chosenWire)
        return false;
    length = choice.length;
    resistance = length * chosenWire->Resistance;
    return true;
}

} // namespace JumperChoices
