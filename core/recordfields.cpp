#include "recordfields.h"

#include <cmath>

namespace RecordFields {

namespace {

constexpr bool Required = true;
constexpr bool Optional = false;

const char NoLimit[] = QT_TRANSLATE_NOOP("CatalogueCheck", "0, no limit");
const char NegativeLimit[] = QT_TRANSLATE_NOOP(
    "CatalogueCheck", "no run keeps within a limit below zero: every run is invalid");
const char NegativeResistance[] = QT_TRANSLATE_NOOP("CatalogueCheck",
    "the calculation takes it as written: the voltage drop falls as the run grows");
const char NegativeLength[] = QT_TRANSLATE_NOOP("CatalogueCheck",
    "the calculation takes it as written: the run grows shorter as fixtures are added");
const char ShortMaximum[] = QT_TRANSLATE_NOOP("CatalogueCheck",
    "a maximum below 1 is read as 999: the leader length box offers up to 999 ft");

} // namespace

namespace Fixture {
const Field ShortName {
    "ShortName", Number::Text, Optional, 0, QT_TRANSLATE_NOOP("CatalogueCheck", "its Name")};
const Field Family {
    "Family", Number::Whole, Optional, 0, QT_TRANSLATE_NOOP("CatalogueCheck", "0, no family")};
const Field DefaultJumper {"DefaultJumper", Number::Whole, Optional, 0, "0"};
const Field DefaultLeader {"DefaultLeader", Number::Whole, Optional, 0, "0"};
const Field Disable {"Disable", Number::Flag, Optional, 0,
    QT_TRANSLATE_NOOP("CatalogueCheck", "0: the fixture stays enabled")};
} // namespace Fixture

namespace ZelvaneFixture {
const Field PowerFactor {"PowerFactor", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "every current and drop is divided by it: with 0 none of them is a finite number "
        "(\"Current inf A\") and no run is valid; below 0 they come out negative")};
const Field MaxTemp {"MaxTemp", Number::Real, Required};
const Field Resistance {
    "Resistance", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeResistance};
const Field ElectricalLength {
    "ElectricalLength", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeLength};
const Field Power {"Power", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "a fixture that draws no power (or gives it back) adds no current and no drop: its runs "
        "grow until another limit or the bound stops them")};
const Field FudgeFactor {"FudgeFactor", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "every drop is multiplied by it: its runs show no voltage drop (or a negative one)")};
const Field SafetyRequired {"SafetyRequired", Number::Flag, Required};
const Field MaxVoltageDrop {
    "MaxVoltageDrop", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field MinVoltage {"MinVoltage", Number::Real, Optional, 0, NoLimit, Range::NotNegative,
    QT_TRANSLATE_NOOP(
        "CatalogueCheck", "every run keeps above a minimum below zero: it limits nothing")};
const Field VoltageDropPercent {
    "VoltageDropPercent", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field MaxPower {
    "MaxPower", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field MaxFixtureCurrent {
    "MaxFixtureCurrent", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field MaxFixtureLength {
    "MaxFixtureLength", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field JumperRequired {"JumperRequired", Number::Flag, Optional, 0,
    QT_TRANSLATE_NOOP("CatalogueCheck", "0, no jumpers required")};
} // namespace ZelvaneFixture

namespace TessanFixture {
const Field Voltage {"Voltage", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "the power is the current times this voltage: the port's limit is never reached")};
const Field MinVoltage {"MinVoltage", Number::Real, Required, 0, nullptr, Range::NotNegative,
    QT_TRANSLATE_NOOP(
        "CatalogueCheck", "every run keeps above a minimum below zero: it limits nothing")};
const Field Current {"Current", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "a fixture that draws no current adds no power and no drop: its runs grow until the "
        "bound stops them")};
const Field Length {
    "Length", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeLength};
const Field Resistance {
    "Resistance", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeResistance};
} // namespace TessanFixture

namespace FlexString {
const Field Voltage {"Voltage", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "the string's current is its power divided by this voltage: with 0 it cannot be "
        "calculated")};
const Field MinVoltage {"MinVoltage", Number::Real, Required, 0, nullptr, Range::NotNegative,
    QT_TRANSLATE_NOOP(
        "CatalogueCheck", "every string keeps above a minimum below zero: it limits nothing")};
const Field Current {"Current", Number::Real, Required, 0, nullptr, Range::AboveZero,
    QT_TRANSLATE_NOOP("CatalogueCheck",
        "a string that draws no current has no drop: any number of nodes and any leader keep "
        "within its budget")};
const Field StringCableResistance {"StringCableResistance", Number::Real, Required, 0, nullptr,
    Range::NotNegative, NegativeResistance};
} // namespace FlexString

namespace ZelvaneSupply {
const Field MaxElectricalLength {
    "MaxElectricalLength", Number::Real, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
const Field MaxNumFixtures {
    "MaxNumFixtures", Number::Whole, Optional, 0, NoLimit, Range::NotNegative, NegativeLimit};
} // namespace ZelvaneSupply

namespace TessanSupply {
const Field Voltage {"Voltage", Number::Real, Required};
const Field Power {"Power", Number::Real, Required};
const Field Ports {"Ports", Number::Whole, Required};
const Field MaxPortPower {
    "MaxPortPower", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeLimit};
} // namespace TessanSupply

namespace StandardCable {
const Field Resistance {
    "Resistance", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeResistance};
const Field ElectricalLength {
    "ElectricalLength", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeLength};
const Field MaxLeaderLength {
    "MaxLeaderLength", Number::Real, Optional, 999, "999", Range::AtLeastOne, ShortMaximum};
const Field MaxInARow {"MaxInARow", Number::Whole, Optional, 0, NoLimit, Range::NotNegative,
    QT_TRANSLATE_NOOP("CatalogueCheck", "a limit below zero sets no limit")};
} // namespace StandardCable

namespace CustomCable {
const Field DefaultCustomWire {"DefaultCustomWire", Number::Whole, Optional, 0,
    QT_TRANSLATE_NOOP("CatalogueCheck", "0, the first wire")};
const Field DefaultCustomLength {"DefaultCustomLength", Number::Real, Optional, 1, "1",
    Range::AtLeastOne,
    QT_TRANSLATE_NOOP("CatalogueCheck", "the leader length box starts at 1 ft at the least")};
} // namespace CustomCable

namespace Wire {
const Field Resistance {
    "Resistance", Number::Real, Required, 0, nullptr, Range::NotNegative, NegativeResistance};
const Field MaxLength {
    "MaxLength", Number::Real, Required, 0, nullptr, Range::AtLeastOne, ShortMaximum};
} // namespace Wire

std::optional<double> realOf(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // "nan" and "inf" convert, but no figure of a product may be either.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> wholeOf(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

bool readsAs(const QString &text, Number number)
{
    switch (number) {
    case Number::Text:
        return true;
    case Number::Real:
        return realOf(text).has_value();
    default:
        return wholeOf(text).has_value();
    }
}

const std::vector<const Field *> &fieldsOf(Record record)
{
    static const std::vector<const Field *> fixture {&Fixture::ShortName, &Fixture::Family,
        &Fixture::DefaultJumper, &Fixture::DefaultLeader, &Fixture::Disable};
    static const std::vector<const Field *> zelvaneFixture {&ZelvaneFixture::PowerFactor,
        &ZelvaneFixture::MaxTemp, &ZelvaneFixture::Resistance, &ZelvaneFixture::ElectricalLength,
        &ZelvaneFixture::Power, &ZelvaneFixture::FudgeFactor, &ZelvaneFixture::SafetyRequired,
        &ZelvaneFixture::MaxVoltageDrop, &ZelvaneFixture::MinVoltage,
        &ZelvaneFixture::VoltageDropPercent, &ZelvaneFixture::MaxPower,
        &ZelvaneFixture::MaxFixtureCurrent, &ZelvaneFixture::MaxFixtureLength,
        &ZelvaneFixture::JumperRequired};
    static const std::vector<const Field *> tessanFixture {&TessanFixture::Voltage,
        &TessanFixture::MinVoltage, &TessanFixture::Current, &TessanFixture::Length,
        &TessanFixture::Resistance};
    static const std::vector<const Field *> flexString {&FlexString::Voltage,
        &FlexString::MinVoltage, &FlexString::Current, &FlexString::StringCableResistance};
    static const std::vector<const Field *> zelvaneSupply {
        &ZelvaneSupply::MaxElectricalLength, &ZelvaneSupply::MaxNumFixtures};
    static const std::vector<const Field *> tessanSupply {&TessanSupply::Voltage,
        &TessanSupply::Power, &TessanSupply::Ports, &TessanSupply::MaxPortPower};
    static const std::vector<const Field *> standardCable {&StandardCable::Resistance,
        &StandardCable::ElectricalLength, &StandardCable::MaxLeaderLength,
        &StandardCable::MaxInARow};
    static const std::vector<const Field *> customCable {
        &CustomCable::DefaultCustomWire, &CustomCable::DefaultCustomLength};
    static const std::vector<const Field *> wire {&Wire::Resistance, &Wire::MaxLength};
    switch (record) {
    case Record::Fixture:
        return fixture;
    case Record::ZelvaneFixture:
        return zelvaneFixture;
    case Record::TessanFixture:
        return tessanFixture;
    case Record::FlexString:
        return flexString;
    case Record::ZelvaneSupply:
        return zelvaneSupply;
    case Record::TessanSupply:
        return tessanSupply;
    case Record::StandardCable:
        return standardCable;
    case Record::CustomCable:
        return customCable;
    case Record::Wire:
        break;
    }
    return wire;
}

QStringList elementsOf(Record record)
{
    QStringList names {QStringLiteral("Name")};
    for (const Field *field : fieldsOf(record))
        names << QLatin1String(field->name);
    switch (record) {
    case Record::ZelvaneFixture:
    case Record::TessanFixture:
        names << QStringLiteral("LeaderList") << QStringLiteral("JumperList");
        Q_FALLTHROUGH();
    case Record::FlexString:
    case Record::Fixture:
        names << QStringLiteral("Type") << QStringLiteral("ValidSupplyList");
        if (record != Record::Fixture)
            names << elementsOf(Record::Fixture);
        break;
    case Record::ZelvaneSupply:
    case Record::TessanSupply:
        names << QStringLiteral("Type");
        break;
    case Record::StandardCable:
    case Record::CustomCable:
        names << QStringLiteral("CustomWireList");
        break;
    case Record::Wire:
        break;
    }
    names.removeDuplicates();
    return names;
}

} // namespace RecordFields
