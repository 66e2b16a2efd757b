#include "zvrecords.h"

#include "databasewarning.h"

#include <QDomElement>

ZVPowerSupply::ZVPowerSupply(const QString &name) : YmItem(name, TechZelvane) { }

bool ZVPowerSupply::fromXml(const QDomElement &element)
{
    readDouble(element, QStringLiteral("MaxElectricalLength"), MaxElectricalLength, false);
    readInt(element, QStringLiteral("MaxNumFixtures"), MaxNumFixtures, false);
    if (MaxElectricalLength == 0 && MaxNumFixtures == 0) {
        DatabaseWarning::report(
            tr("Error parsing %1\nMaxElectricalLength and MaxNumFixtures are both zero").arg(Name));
        return false;
    }
    return true;
}

ZVFixture::ZVFixture(const QString &name) : YmFixture(name, TechZelvane) { }

bool ZVFixture::fromXml(const QDomElement &element)
{
    YmFixture::fromXml(element);

    bool read = readDouble(element, QStringLiteral("PowerFactor"), PowerFactor, true)
        && readDouble(element, QStringLiteral("MaxTemp"), MaxTemp, true)
        && readDouble(element, QStringLiteral("Resistance"), Resistance, true);
    Resistance /= 1000; // the file states milliohms
    if (!read)
        return false;

    read = readDouble(element, QStringLiteral("ElectricalLength"), ElectricalLength, true)
        && readDouble(element, QStringLiteral("Power"), Power, true)
        && readDouble(element, QStringLiteral("FudgeFactor"), FudgeFactor, true)
        && readBool(element, QStringLiteral("SafetyRequired"), SafetyRequired, true);
    if (!read)
        return false;

    readDouble(element, QStringLiteral("MaxVoltageDrop"), MaxVoltageDrop, false);
    readDouble(element, QStringLiteral("MinVoltage"), MinVoltage, false);
    readDouble(element, QStringLiteral("VoltageDropPercent"), VoltageDropPercent, false);
    if (MaxVoltageDrop == 0 && MinVoltage == 0 && VoltageDropPercent == 0) {
        DatabaseWarning::report(
            tr("Error parsing %1\nMaxVoltageDrop, MinVoltage, and VoltageDropPercent are zero")
                .arg(Name));
        return false;
    }

    readDouble(element, QStringLiteral("MaxPower"), MaxPower, false);
    readDouble(element, QStringLiteral("MaxFixtureCurrent"), MaxFixtureCurrent, false);
    readDouble(element, QStringLiteral("MaxFixtureLength"), MaxFixtureLength, false);
    readBool(element, QStringLiteral("JumperRequired"), JumperRequired, false);

    readCableLists(element);
    return true;
}
