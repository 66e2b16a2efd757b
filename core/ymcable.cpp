#include "ymcable.h"

#include "domlists.h"
#include "recordfields.h"

YmWire::YmWire(const QString &name) : YmItem(name, TechNone) { }

bool YmWire::fromXml(const QDomElement &element)
{
    const bool resistanceRead = read(element, RecordFields::Wire::Resistance, Resistance);
    Resistance /= 1000; // the file states milliohms
    if (!resistanceRead)
        return false;
    return read(element, RecordFields::Wire::MaxLength, MaxLength);
}

YmJumper::YmJumper(const QString &name) : YmItem(name, TechNone) { }

YmJumper::~YmJumper()
{
    qDeleteAll(CustomWireList);
}

bool YmJumper::fromXml(const QDomElement &element)
{
    const QString wireListTag = QStringLiteral("CustomWireList");
    if (!element.elementsByTagName(wireListTag).isEmpty()) {
        IsCustom = true;
        read(element, RecordFields::CustomCable::DefaultCustomWire, DefaultCustomWire);
        read(element, RecordFields::CustomCable::DefaultCustomLength, DefaultCustomLength);
        forEachListItem(
            element, wireListTag, QStringLiteral("CustomWire"), [this](const QDomElement &item) {
                if (YmWire *wire = readCustomWire(item))
                    CustomWireList.append(wire);
            });
        return true;
    }
    IsCustom = false;
    return readStandard(element);
}

bool YmJumper::readStandard(const QDomElement &element)
{
    namespace Fields = RecordFields::StandardCable;
    bool complete = read(element, Fields::Resistance, Resistance);
    Resistance /= 1000; // the file states milliohms
    if (complete)
        complete = read(element, Fields::ElectricalLength, ElectricalLength);
    // Read whatever came before: a maximum that is not stated is 999.
    read(element, Fields::MaxLeaderLength, MaxLeaderLength);
    read(element, Fields::MaxInARow, MaxInARow);
    return complete;
}
