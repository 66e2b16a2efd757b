#include "tessanrules.h"

#include "tsrecords.h"

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

FlexStringData figuresOf(const FlexString &string)
{
    return FlexStringData {
        string.Voltage, string.MinVoltage, string.Current, string.StringCableResistance};
}

} // namespace TessanRules
