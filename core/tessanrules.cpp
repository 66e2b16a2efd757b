#include "tessanrules.h"

#include "boxvalues.h"
#include "tsrecords.h"
#include "ymcable.h"

namespace TessanRules {

TessanModel::Cell fixtureCell(const TSFixture &fixture)
{
    return TessanModel::Cell::fixture(fixture.Length, fixture.Resistance, fixture.Current);
}

TessanModel::Cell jumperCell(const YmFixture *fixture, const JumperChoice &choice)
{
    double length = 0;
    double resistance = 0;
    if (!JumperChoices::figures(fixture, choice, length, resistance))
        return TessanModel::Cell::unresolvedJumper();
    return TessanModel::Cell::jumper(length, resistance);
}

TessanModel::SelectedFixture selectedOf(const TSFixture &fixture)
{
    return TessanModel::SelectedFixture {fixture.Voltage, fixture.MinVoltage};
}

TessanModel::SupplyLimits limitsOf(const TSPowerSupply &supply)
{
    return TessanModel::SupplyLimits {supply.MaxPortPower};
}

const TSPowerSupply *supplyAt(const QList<YmItem *> &supplies, int row)
{
    return qobject_cast<const TSPowerSupply *>(supplies.value(row));
}

ZelvaneRules::LeaderSetup leaderSetup(const YmJumper &leader)
{
    ZelvaneRules::LeaderSetup setup;
    setup.custom = leader.IsCustom;
    if (leader.IsCustom) {
        for (const YmWire *wire : leader.CustomWireList)
            if (wire)
                setup.gauges << wire->Name;
        setup.defaultGaugeRow = setup.gauges.isEmpty() ? -1 : 0;
    } else {
        setup.lengthMaximum = leaderLengthMaximum(leader.MaxLeaderLength);
    }
    setup.length = truncatedSpinValue(leader.ElectricalLength);
    return setup;
}

FlexStringData figuresOf(const FlexString &string)
{
    return FlexStringData {
        string.Voltage, string.MinVoltage, string.Current, string.StringCableResistance};
}

} // namespace TessanRules
