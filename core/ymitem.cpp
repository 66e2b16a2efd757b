#include "ymitem.h"

#include "databasewarning.h"
#include "recordfields.h"
#include "ymcable.h"

#include <QDomElement>

YmItem::YmItem(const QString &name, int techType) : Name(name), ShortName(name), techType(techType)
{ }

bool YmItem::fromXml(const QDomElement &)
{
    return false;
}

QString YmItem::childText(const QDomNode &node, const QString &name)
{
    return node.namedItem(name).toElement().text();
}

bool YmItem::readFailed(const QDomElement &element, const QString &field, bool report) const
{
    if (report) {
        // The field's own element where there is one, else the record's.
        const DatabaseWarning::At at(element.namedItem(field));
        DatabaseWarning::report(tr("Error parsing \"%1\" field for %2").arg(field, Name));
    }
    return false;
}

bool YmItem::readDouble(
    const QDomElement &element, const QString &field, double &target, bool report)
{
    const std::optional<double> value = RecordFields::realOf(childText(element, field));
    if (!value)
        return readFailed(element, field, report);
    target = *value;
    return true;
}

bool YmItem::readInt(const QDomElement &element, const QString &field, int &target, bool report)
{
    const std::optional<int> value = RecordFields::wholeOf(childText(element, field));
    if (!value)
        return readFailed(element, field, report);
    target = *value;
    return true;
}

bool YmItem::read(const QDomElement &element, const RecordFields::Field &field, double &target)
{
    if (readDouble(element, QLatin1String(field.name), target, field.required))
        return true;
    if (!field.required)
        target = field.fallback;
    return false;
}

bool YmItem::read(const QDomElement &element, const RecordFields::Field &field, int &target)
{
    if (readInt(element, QLatin1String(field.name), target, field.required))
        return true;
    if (!field.required)
        target = int(field.fallback);
    return false;
}

bool YmItem::read(const QDomElement &element, const RecordFields::Field &field, bool &target)
{
    if (readBool(element, QLatin1String(field.name), target, field.required))
        return true;
    if (!field.required)
        target = field.fallback != 0;
    return false;
}

bool YmItem::readBool(const QDomElement &element, const QString &field, bool &target, bool report)
{
    int value = 0;
    if (!readInt(element, field, value, report))
        return false;
    target = value != 0;
    return true;
}

YmWire *YmItem::readCustomWire(const QDomElement &element)
{
    const DatabaseWarning::At at(element);
    const QString name = childText(element, QStringLiteral("Name"));
    if (name.isEmpty()) {
        DatabaseWarning::report(tr("Error in database file:\nCustomWire element with no Name"));
        return nullptr;
    }
    auto *wire = new YmWire(name);
    if (!wire->fromXml(element)) {
        delete wire;
        return nullptr;
    }
    return wire;
}

YmJumper *YmItem::readJumper(const QDomElement &element)
{
    const DatabaseWarning::At at(element);
    const QString name = childText(element, QStringLiteral("Name"));
    if (name.isEmpty()) {
        DatabaseWarning::report(tr("Error in database file:\nJumper/Leader element with no Name"));
        return nullptr;
    }
    auto *jumper = new YmJumper(name);
    if (!jumper->fromXml(element)) {
        delete jumper;
        return nullptr;
    }
    return jumper;
}
