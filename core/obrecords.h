#pragma once

#include "ymfixture.h"

// An Ombrel supply: known by its name only.
class OBPowerSupply : public YmItem
{
    Q_OBJECT

public:
    explicit OBPowerSupply(const QString &name);

    bool fromXml(const QDomElement &element) override;
};

// An Ombrel fixture: its base fields and valid supplies only.
class OBFixture : public YmFixture
{
    Q_OBJECT

public:
    explicit OBFixture(const QString &name);

    bool fromXml(const QDomElement &element) override;
};
