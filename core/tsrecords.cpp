#include "tsrecords.h"

#include "recordfields.h"

#include <QDomElement>

TSPowerSupply::TSPowerSupply(const QString &name) : YmItem(name, TechTessan) { }

bool TSPowerSupply::fromXml(const QDomElement &element)
{
    namespace Fields = RecordFields::TessanSupply;
    return read(element, Fields::Voltage, Voltage) && read(element, Fields::Power, Power)
        && read(element, Fields::Ports, Ports) && read(element, Fields::MaxPortPower, MaxPortPower);
}

TSFixture::TSFixture(const QString &name) : YmFixture(name, TechTessan) { }

bool TSFixture::fromXml(const QDomElement &element)
{
    YmFixture::fromXml(element);
    namespace Fields = RecordFields::TessanFixture;
    const bool complete = read(element, Fields::Voltage, Voltage)
        && read(element, Fields::MinVoltage, MinVoltage) && read(element, Fields::Current, Current)
        && read(element, Fields::Length, Length) && read(element, Fields::Resistance, Resistance);
    Resistance /= 1000; // the file states milliohms
    if (!complete)
        return false;
    readCableLists(element);
    return true;
}

FlexString::FlexString(const QString &name) : YmFixture(name, TechFlex) { }

bool FlexString::fromXml(const QDomElement &element)
{
    YmFixture::fromXml(element);
    // The cable resistance is stated in ohms already.
    namespace Fields = RecordFields::FlexString;
    return read(element, Fields::Voltage, Voltage) && read(element, Fields::MinVoltage, MinVoltage)
        && read(element, Fields::Current, Current)
        && read(element, Fields::StringCableResistance, StringCableResistance);
}
