#include "ymcable.h"

#include "domlists.h"

namespace {
// A standard cable type that states no usable maximum leader length.
constexpr double UnstatedMaxLeaderLength = 999;
} // namespace

YmWire::YmWire(const QString &name) : YmItem(name, TechNone) { }

bool YmWire::fromXml(const QDomElement &element)
{
    const bool resistanceRead = readDouble(element, QStringLiteral("Resistance"), Resistance, true);
    Resistance /= 1000; // the file states milliohms
    if (!resistanceRead)
        return false;
    return readDouble(element, QStringLiteral("MaxLength"), MaxLength, true);
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
        readInt(element, QStringLiteral("DefaultCustomWire"), DefaultCustomWire, false);
        readDouble(element, QStringLiteral("DefaultCustomLength"), DefaultCustomLength, false);
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
    bool complete = readDouble(element, QStringLiteral("Resistance"), Resistance, true);
    Resistance /= 1000; // the file states milliohms
    if (complete)
        complete = readDouble(element, QStringLiteral("ElectricalLength"), ElectricalLength, true);
    if (!readDouble(element, QStringLiteral("MaxLeaderLength"), MaxLeaderLength, false))
        MaxLeaderLength = UnstatedMaxLeaderLength;
    readInt(element, QStringLiteral("MaxInARow"), MaxInARow, false);
    return complete;
}
