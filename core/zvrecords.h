#pragma once

#include "ymfixture.h"

// A Zelvane power/data supply; it bounds a run by electrical length or by
// fixture count (a limit of 0 is not given).
class ZVPowerSupply : public YmItem
{
    Q_OBJECT

public:
    explicit ZVPowerSupply(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double MaxElectricalLength = 0; // feet
    int MaxNumFixtures = 0;
};

// A Zelvane line-voltage fixture. Every limit of 0 is not given.
class ZVFixture : public YmFixture
{
    Q_OBJECT

public:
    explicit ZVFixture(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double PowerFactor = 0;
    double MaxTemp = 0;
    double Resistance = 0; // ohms, one fixture
    double ElectricalLength = 0; // feet, one fixture
    double Power = 0; // watts, one fixture
    double MaxPower = 0; // watts, the run
    double MaxVoltageDrop = 0; // volts
    double MinVoltage = 0; // volts at the far end
    double MaxFixtureCurrent = 0; // amps through the run
    double MaxFixtureLength = 0; // feet of fixtures, jumpers and leader excluded
    double VoltageDropPercent = 0; // a fraction: 0.05 is five per cent
    double FudgeFactor = 0;
    bool SafetyRequired = false;
    bool JumperRequired = false;
};
