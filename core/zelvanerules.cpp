#include "zelvanerules.h"

#include "boxvalues.h"
#include "ymcable.h"
#include "zvrecords.h"

#include <algorithm>

namespace ZelvaneRules {

namespace {

template<typename T> T *entryAt(const QList<T *> &list, int row)
{
    return row >= 0 && row < list.size() ? list.at(row) : nullptr;
}

template<typename T> QStringList namesOf(const QList<T *> &items)
{
    QStringList names;
    names.reserve(items.size());
    for (const T *item : items)
        names << (item ? item->Name : QString());
    return names;
}

} // namespace

const QList<int> &lineVoltages()
{
    static const QList<int> voltages {100, 120, 208, 220, 240, 277};
    return voltages;
}

const QList<int> &circuitLoads()
{
    static const QList<int> loads {15, 20};
    return loads;
}

ZelvaneModel::FixtureFigures figuresOf(const ZVFixture &fixture)
{
    ZelvaneModel::FixtureFigures figures;
    figures.electricalLength = fixture.ElectricalLength;
    figures.resistance = fixture.Resistance;
    figures.power = fixture.Power;
    figures.powerFactor = fixture.PowerFactor;
    figures.fudgeFactor = fixture.FudgeFactor;
    figures.safetyRequired = fixture.SafetyRequired;
    return figures;
}

ZelvaneModel::SelectedFixture selectedOf(const ZVFixture &fixture)
{
    ZelvaneModel::SelectedFixture selected;
    selected.figures = figuresOf(fixture);
    selected.family = fixture.Family;
    selected.maxVoltageDrop = fixture.MaxVoltageDrop;
    selected.minVoltage = fixture.MinVoltage;
    selected.voltageDropPercent = fixture.VoltageDropPercent;
    selected.maxPower = fixture.MaxPower;
    selected.maxFixtureCurrent = fixture.MaxFixtureCurrent;
    selected.maxFixtureLength = fixture.MaxFixtureLength;
    return selected;
}

ZelvaneModel::SupplyLimits limitsOf(const ZVPowerSupply &supply)
{
    return ZelvaneModel::SupplyLimits {supply.MaxElectricalLength, supply.MaxNumFixtures};
}

QStringList supplyNames(const YmFixture &fixture)
{
    return namesOf(fixture.ValidSupplyList);
}

const ZVPowerSupply *supplyAt(const ZVFixture &fixture, int row)
{
    return qobject_cast<const ZVPowerSupply *>(entryAt(fixture.ValidSupplyList, row));
}

QStringList leaderNames(const YmFixture &fixture)
{
    return namesOf(fixture.LeaderList);
}

const YmJumper *leaderAt(const YmFixture &fixture, int row)
{
    return entryAt(fixture.LeaderList, row);
}

QStringList gaugeNames(const YmJumper &leader)
{
    return namesOf(leader.CustomWireList);
}

const YmWire *gaugeAt(const YmJumper &leader, int row)
{
    return entryAt(leader.CustomWireList, row);
}

LeaderSetup leaderSetup(const YmJumper &leader)
{
    LeaderSetup setup;
    setup.custom = leader.IsCustom;
    if (!leader.IsCustom) {
        setup.lengthMaximum = leaderLengthMaximum(leader.MaxLeaderLength);
        setup.length = truncatedSpinValue(leader.ElectricalLength);
        return setup;
    }
    setup.gauges = gaugeNames(leader);
    const int count = int(setup.gauges.size());
    if (count > 0)
        setup.defaultGaugeRow = leader.DefaultCustomWire >= 0 && leader.DefaultCustomWire < count
            ? leader.DefaultCustomWire
            : 0;
    setup.length = truncatedSpinValue(leader.DefaultCustomLength);
    return setup;
}

int gaugeLengthMaximum(const YmWire &wire)
{
    return leaderLengthMaximum(wire.MaxLength);
}

std::optional<double> leaderResistancePerFoot(const YmJumper &leader, const YmWire *wire)
{
    if (!leader.IsCustom)
        return leader.Resistance;
    if (!wire)
        return std::nullopt;
    return wire->Resistance;
}

std::optional<ZelvaneModel::Leader> leaderOf(const YmJumper &leader, const YmWire *wire, int length)
{
    const std::optional<double> perFoot = leaderResistancePerFoot(leader, wire);
    if (!perFoot)
        return std::nullopt;
    return ZelvaneModel::Leader {double(length), *perFoot};
}

ZelvaneModel::Cell fixtureCell(const ZVFixture &fixture)
{
    return ZelvaneModel::Cell::fixture(figuresOf(fixture));
}

ZelvaneModel::Cell jumperCell(const ZVFixture &fixture, const JumperChoice &choice)
{
    double length = 0;
    double resistance = 0;
    if (!JumperChoices::figures(&fixture, choice, length, resistance))
        return ZelvaneModel::Cell::unresolvedJumper(figuresOf(fixture));
    return ZelvaneModel::Cell::jumper(figuresOf(fixture), length, resistance);
}

ZelvaneModel::Cell defaultJumper(const ZVFixture &fixture)
{
    return jumperCell(fixture, JumperChoices::fresh(&fixture));
}

double lowestAllowedVoltage(const ZelvaneModel::SelectedFixture &fixture, double voltage)
{
    double lowest = fixture.minVoltage;
    if (fixture.maxVoltageDrop != 0)
        lowest = std::max(lowest, voltage - fixture.maxVoltageDrop);
    if (fixture.voltageDropPercent != 0)
        lowest = std::max(lowest, voltage - fixture.voltageDropPercent * voltage);
    return lowest;
}

} // namespace ZelvaneRules
