#pragma once

#include "ymfixture.h"

// A Tessan multi-port low-voltage supply; flex strings use these too.
class TSPowerSupply : public YmItem
{
    Q_OBJECT

public:
    explicit TSPowerSupply(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double Voltage = 0; // volts
    double Power = 0; // watts
    int Ports = 0;
    double MaxPortPower = 0; // watts, one port
};

// A Tessan low-voltage constant-current fixture.
class TSFixture : public YmFixture
{
    Q_OBJECT

public:
    explicit TSFixture(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double Voltage = 0; // volts
    double MinVoltage = 0; // volts at a fixture; 0 sets no limit
    double Current = 0; // amps, one fixture
    double Length = 0; // feet, one fixture
    double Resistance = 0; // ohms, one fixture
};

// A flexible string of evenly spaced nodes, fed from a Tessan supply.
class FlexString : public YmFixture
{
    Q_OBJECT

public:
    explicit FlexString(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double Voltage = 0; // volts
    double MinVoltage = 0; // volts anywhere along the string
    double Current = 0; // amps, one node
    double StringCableResistance = 0; // ohms per foot of one conductor, as written
};
