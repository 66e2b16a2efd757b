#include "zvrecords.h"

#include "databasewarning.h"
#include "recordfields.h"

#include <QDomElement>

ZVPowerSupply::ZVPowerSupply(const QString &name) : YmItem(name, TechZelvane) { }

bool ZVPowerSupply::fromXml(const QDomElement &element)
{
    read(element, RecordFields::ZelvaneSupply::MaxElectricalLength, this->MaxElectricalLength);
    read(element, RecordFields::ZelvaneSupply::MaxNumFixtures, this->MaxNumFixtures);
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

    namespace Fields = RecordFields::ZelvaneFixture;
    bool complete = read(element, Fields::PowerFactor, PowerFactor)
        && read(element, Fields::MaxTemp, MaxTemp) && read(element, Fields::Resistance, Resistance);
    Resistance /= 1000; // the file states milliohms
    if (!complete)
        return false;

    complete = read(element, Fields::ElectricalLength, ElectricalLength)
        && read(element, Fields::Power, Power) && read(element, Fields::FudgeFactor, FudgeFactor)
        && read(element, Fields::SafetyRequired, SafetyRequired);
    if (!complete)
        return false;

    read(element, Fields::MaxVoltageDrop, MaxVoltageDrop);
    read(element, Fields::MinVoltage, MinVoltage);
    read(element, Fields::VoltageDropPercent, VoltageDropPercent);
    if (MaxVoltageDrop == 0 && MinVoltage == 0 && VoltageDropPercent == 0) {
        DatabaseWarning::report(
            tr("Error parsing %1\nMaxVoltageDrop, MinVoltage, and VoltageDropPercent are zero")
                .arg(Name));
        return false;
    }

    read(element, Fields::MaxPower, MaxPower);
    read(element, Fields::MaxFixtureCurrent, MaxFixtureCurrent);
    read(element, Fields::MaxFixtureLength, MaxFixtureLength);
    read(element, Fields::JumperRequired, JumperRequired);

    readCableLists(element);
    return true;
}
