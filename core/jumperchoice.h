#pragma once

#include <QStringList>

class YmFixture;
class YmJumper;
class YmWire;

// What a jumper cell's selector holds: the row of its jumper type among the
// fixture's jumper types, the row of its gauge among the type's wires (null
// wires are not listed), and its length in feet (custom types only). A row
// of -1 names nothing. The run editor's selector and the command line follow
// these rules alike.
struct JumperChoice
{
    int typeRow = -1;
    int gaugeRow = -1;
    int length = 1;
    // The gauges the selector lists: a custom type's wires. A standard type
    // leaves the list of the type chosen before it, hidden.
    QStringList gauges;

    bool operator==(const JumperChoice &other) const
    {
        return typeRow == other.typeRow && gaugeRow == other.gaugeRow && length == other.length;
    }
    bool operator!=(const JumperChoice &other) const { return !(*this == other); }
};

namespace JumperChoices {

// The range of a custom jumper's length box, in feet.
constexpr int MinimumLength = 1;
constexpr int MaximumLength = 100;

// A new selector: the fixture's default jumper type (else its first), and
// for a custom type its default gauge (else its first), one foot long.
JumperChoice fresh(const YmFixture *fixture);
// A new selector that goes on from `from` (the run's last jumper): the same
// type row when the fixture has it, and for a custom type the same gauge row
// when there is one and the same length; otherwise the selector's defaults.
JumperChoice copied(const YmFixture *fixture, const JumperChoice &from);
// The selector of a cell read from a project file: a new one on which the
// stored rows are then chosen as they stand. A row the lists lack leaves no
// row (the jumper is then unresolved), and the gauge row follows the type
// row's refill of the gauges.
JumperChoice stored(const YmFixture *fixture, int typeRow, int gaugeRow, int length);

// Choosing a type row: a change refills a custom type's gauges at their
// default; a row past the list leaves none.
void chooseType(JumperChoice &choice, const YmFixture *fixture, int row);
// Choosing a gauge row or a length, as a combo box and a number box take them.
void chooseGauge(JumperChoice &choice, int row);
void chooseLength(JumperChoice &choice, int length);

// The records behind a choice, or null.
const YmJumper *type(const YmFixture *fixture, const JumperChoice &choice);
const YmWire *wire(const YmFixture *fixture, const JumperChoice &choice);

// The jumper's electrical length (feet) and resistance (ohms, the whole
// jumper): a standard type's figures; a custom type's length times its
// wire's resistance per foot. False when the type, or a custom type's wire,
// is not chosen: the jumper is then unresolved.
bool figures(
    const YmFixture *fixture, const JumperChoice &choice, double &length, double &resistance);

} // namespace JumperChoices
