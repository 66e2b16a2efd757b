#pragma once

#include "ymitem.h"

#include <QHash>
#include <QList>

// Base of every fixture record.
class YmFixture : public YmItem
{
    Q_OBJECT

public:
    YmFixture(const QString &name, int techType);
    ~YmFixture() override;

    bool fromXml(const QDomElement &element) override;

    // Appends to ValidSupplyList, in document order, the supply that each
    // "Supply" below a "ValidSupplyList" of element names, looking names up
    // in upper case in suppliesByUpperName; a name that is not there is
    // reported and left out.
    void resolveValidSupplies(
        const QDomElement &element, const QHash<QString, YmItem *> &suppliesByUpperName);

    int Family = 0; // 0 means no family
    QList<YmItem *> ValidSupplyList; // not owned: the database owns the supplies
    QList<YmJumper *> LeaderList; // owned
    QList<YmJumper *> JumperList; // owned
    int DefaultLeader = 0;
    int DefaultJumper = 0;

protected:
    // Reads the leader cable types, then the jumper cable types.
    void readCableLists(const QDomElement &element);
};
