#pragma once

#include <QStringList>

#include <optional>
#include <vector>

// The elements that the records of a catalogue are read from: for each kind
// of record its fields, in the order they are read, with the kind of figure
// each holds, whether the record needs it, and what a missing or unreadable
// one leaves. The loader reads its records by these tables, and the
// catalogue's check judges the elements of a file by them.
namespace RecordFields {

enum class Number {
    Real, // a decimal figure
    Whole, // a whole number in decimal
    Flag, // a whole number: 0 is false, any other true
    Text,
};

// The figures a field may hold without a warning.
enum class Range {
    Any,
    NotNegative,
    AboveZero,
    AtLeastOne,
};

struct Field
{
    const char *name;
    Number number = Number::Real;
    // A record that lacks it, or cannot read it, is reported and not complete.
    bool required = false;
    // What an optional field that is missing or unreadable is taken as, in
    // figures and in words for a catalogue's author.
    double fallback = 0;
    const char *fallbackText = nullptr;
    Range range = Range::Any;
    // What the program does with a figure outside the range.
    const char *outOfRange = nullptr;
};

// The kinds of record, and the fields each reads from its element.
enum class Record {
    Fixture, // what every fixture reads, before its technology's fields
    ZelvaneFixture,
    TessanFixture,
    FlexString,
    ZelvaneSupply,
    TessanSupply,
    StandardCable,
    CustomCable,
    Wire,
};
const std::vector<const Field *> &fieldsOf(Record record);
// Every element name that a record's element may hold as a direct child and
// the program reads (its fields, "Name", "Type", its lists); for a fixture,
// those of its technology with the common ones.
QStringList elementsOf(Record record);

// A field's text as the loader reads it: a finite decimal figure, or a whole
// number in decimal; none when the text is not one.
std::optional<double> realOf(const QString &text);
std::optional<int> wholeOf(const QString &text);
// Whether the loader reads the text as a figure of that kind (any text is
// a Text).
bool readsAs(const QString &text, Number number);

// Each field, by the element it is read from.
namespace Fixture {
extern const Field ShortName, Family, DefaultJumper, DefaultLeader, Disable;
}
namespace ZelvaneFixture {
extern const Field PowerFactor, MaxTemp, Resistance, ElectricalLength, Power, FudgeFactor,
    SafetyRequired, MaxVoltageDrop, MinVoltage, VoltageDropPercent, MaxPower, MaxFixtureCurrent,
    MaxFixtureLength, JumperRequired;
}
namespace TessanFixture {
extern const Field Voltage, MinVoltage, Current, Length, Resistance;
}
namespace FlexString {
extern const Field Voltage, MinVoltage, Current, StringCableResistance;
}
namespace ZelvaneSupply {
extern const Field MaxElectricalLength, MaxNumFixtures;
}
namespace TessanSupply {
extern const Field Voltage, Power, Ports, MaxPortPower;
}
namespace StandardCable {
extern const Field Resistance, ElectricalLength, MaxLeaderLength, MaxInARow;
}
namespace CustomCable {
extern const Field DefaultCustomWire, DefaultCustomLength;
}
namespace Wire {
extern const Field Resistance, MaxLength;
}

} // namespace RecordFields
