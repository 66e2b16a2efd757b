#pragma once

#include "ymitem.h"

#include <QList>

// One wire gauge offered for a user-sized cable.
class YmWire : public YmItem
{
    Q_OBJECT

public:
    explicit YmWire(const QString &name);

    bool fromXml(const QDomElement &element) override;

    double Resistance = 0; // ohms per foot
    double MaxLength = 0; // feet
};

// A leader or jumper cable type of a fixture: either a standard cable with
// fixed figures, or a custom one whose gauge and length the user chooses.
class YmJumper : public YmItem
{
    Q_OBJECT

public:
    explicit YmJumper(const QString &name);
    ~YmJumper() override;

    bool fromXml(const QDomElement &element) override;

    bool IsCustom = false;
    double ElectricalLength = 0; // feet
    double MaxLeaderLength = 0; // feet
    double Resistance = 0; // ohms: per foot for a leader, the whole cable for a jumper
    int MaxInARow = 0; // 0 sets no limit
    int DefaultCustomWire = 0;
    double DefaultCustomLength = 1.0; // feet
    QList<YmWire *> CustomWireList; // owned

private:
    bool readStandard(const QDomElement &element);
};
