#include "tsrecords.h"

#include <QDomElement>

TSPowerSupply::TSPowerSupply(const QString &name) : YmItem(name, TechTessan) { }

bool TSPowerSupply::fromXml(const QDomElement &element)
{
    return readDouble(element, QStringLiteral("Voltage"), Voltage, true)
        && readDouble(element, QStringLiteral("Power"), Power, true)
        && readInt(element, QStringLiteral("Ports"), Ports, true)
        && readDouble(element, QStringLiteral("MaxPortPower"), MaxPortPower, true);
}

TSFixture::TSFixture(const QString &name) : YmFixture(name, TechTessan) { }

bool TSFixture::fromXml(const QDomElement &element)
{
    YmFixture::fromXml(element);
    const bool read = readDouble(element, QStringLiteral("Voltage"), Voltage, true)
        && readDouble(element, QStringLiteral("MinVoltage"), MinVoltage, true)
        && readDouble(element, QStringLiteral("Current"), Current, true)
        && readDouble(element, QStringLiteral("Length"), Length, true)
        && readDouble(element, QStringLiteral("Resistance"), Resistance, true);
    Resistance /= 1000; // the file states milliohms
    if (!read)
        return false;
    readCableLists(element);
    return true;
}

FlexString::FlexString(const QString &name) : YmFixture(name, TechFlex) { }

bool FlexString::fromXml(const QDomElement &element)
{
    YmFixture::fromXml(element);
    // The cable resistance is stated in ohms already.
    return readDouble(element, QStringLiteral("Voltage"), Voltage, true)
        && readDouble(element, QStringLiteral("MinVoltage"), MinVoltage, true)
        && readDouble(element, QStringLiteral("Current"), Current, true)
        && readDouble(
            element, QStringLiteral("StringCableResistance"), StringCableResistance, true);
}
