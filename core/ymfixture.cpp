#include "ymfixture.h"

#include "databasewarning.h"
#include "domlists.h"
#include "recordfields.h"
#include "ymcable.h"

#include <QDomElement>

YmFixture::YmFixture(const QString &name, int techType) : YmItem(name, techType) { }

YmFixture::~YmFixture()
{
    qDeleteAll(LeaderList);
    qDeleteAll(JumperList);
}

bool YmFixture::fromXml(const QDomElement &element)
{
    namespace Fields = RecordFields::Fixture;
    const QString shortName = childText(element, QLatin1String(Fields::ShortName.name));
    if (!shortName.isEmpty())
        ShortName = shortName;
    read(element, Fields::Family, Family);
    read(element, Fields::DefaultJumper, DefaultJumper);
    read(element, Fields::DefaultLeader, DefaultLeader);
    read(element, Fields::Disable, Disable);
    return true;
}

void YmFixture::resolveValidSupplies(
    const QDomElement &element, const QHash<QString, YmItem *> &suppliesByUpperName)
{
    forEachListItem(element, QStringLiteral("ValidSupplyList"), QStringLiteral("Supply"),
        [&](const QDomElement &supply) {
            const DatabaseWarning::At at(supply);
            const QString name = supply.text().toUpper();
            if (YmItem *found = suppliesByUpperName.value(name)) {
                ValidSupplyList.append(found);
                return;
            }
            DatabaseWarning::report(
                tr("Error parsing \"Valid Supply\" item for fixture %1.\nSupply %2 not defined.")
                    .arg(Name, name));
        });
}

void YmFixture::readCableLists(const QDomElement &element)
{
    forEachListItem(element, QStringLiteral("LeaderList"), QStringLiteral("Leader"),
        [this](const QDomElement &leader) {
            if (YmJumper *jumper = readJumper(leader))
                LeaderList.append(jumper);
        });
    forEachListItem(element, QStringLiteral("JumperList"), QStringLiteral("Jumper"),
        [this](const QDomElement &item) {
            if (YmJumper *jumper = readJumper(item))
                JumperList.append(jumper);
        });
}
