#include "obrecords.h"

OBPowerSupply::OBPowerSupply(const QString &name) : YmItem(name, TechOmbrel) { }

bool OBPowerSupply::fromXml(const QDomElement &)
{
    return true;
}

OBFixture::OBFixture(const QString &name) : YmFixture(name, TechOmbrel) { }

bool OBFixture::fromXml(const QDomElement &element)
{
    return YmFixture::fromXml(element);
}
