#include "projectrun.h"

#include "runbound.h"

#include <QCoreApplication>
#include <QDomElement>
#include <QXmlStreamWriter>

namespace ProjectRun {

namespace {
const QString FrameTag = QStringLiteral("CFrame");
const QString CellTag = QStringLiteral("CWidget");
const QString ItemTypeName = QStringLiteral("CWidgetItemType");
const QString FixtureNameName = QStringLiteral("CWidgetFixtureName");
const QString JumperIndexName = QStringLiteral("CWidgetJumperIndex");
const QString GaugeIndexName = QStringLiteral("CWidgetGaugeIndex");
const QString LengthName = QStringLiteral("CWidgetAWG"); // the length in feet, not a gauge

// The texts are the run editor's.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CFrame)
};

int integerAttribute(const QDomElement &element, const QString &name, const QString &fallback)
{
    return element.attribute(name, fallback).toInt(); // not a number: 0
}

// The cell an element stands for in a run that holds fixtureCount fixtures
// and jumperCount jumpers so far; false when it cannot be one. A run that
// can be built holds at most one jumper more than fixtures (one before each
// fixture and one at the end), so every saved run reads back whole.
bool readCell(const QDomElement &element, const FixtureLookup &lookup, int fixtureCount,
    int jumperCount, StoredCell &cell)
{
    cell.fixture = lookup(element.attribute(FixtureNameName));
    if (!cell.fixture)
        return false; // a cell is never built on a missing record
    switch (integerAttribute(element, ItemTypeName, QStringLiteral("0"))) {
    case StoredCell::Jumper:
        cell.kind = StoredCell::Jumper;
        cell.jumperRow = integerAttribute(element, JumperIndexName, QStringLiteral("0"));
        cell.gaugeRow = integerAttribute(element, GaugeIndexName, QStringLiteral("0"));
        cell.length = integerAttribute(element, LengthName, QStringLiteral("1"));
        return jumperCount < MaxRunFixtures + 1;
    case StoredCell::Fixture:
        cell.kind = StoredCell::Fixture;
        return fixtureCount < MaxRunFixtures;
    default:
        return false; // no other kind has a widget to show
    }
}

} // namespace

QList<StoredCell> read(const QDomElement &parent, const FixtureLookup &lookup, QString &message)
{
    QList<StoredCell> cells;
    const QDomNodeList frames = parent.elementsByTagName(FrameTag);
    if (frames.isEmpty()) {
        message = Texts::tr("Found %1 CFrame elements").arg(frames.count());
        return cells;
    }
    const QDomNode node = frames.item(0);
    if (node.isNull()) {
        message = Texts::tr("Found NULL CFrame node");
        return cells;
    }
    const QDomElement frame = node.toElement();
    if (frame.isNull()) {
        message = Texts::tr("Found NULL CFrame element");
        return cells;
    }
    int fixtures = 0;
    int jumpers = 0;
    for (QDomElement element = frame.firstChildElement(CellTag); !element.isNull();
         element = element.nextSiblingElement(CellTag)) {
        StoredCell cell;
        if (!readCell(element, lookup, fixtures, jumpers, cell))
            break; // the cells read so far stay
        ++(cell.kind == StoredCell::Fixture ? fixtures : jumpers);
        cells << cell;
    }
    return cells;
}

void write(QXmlStreamWriter &writer, int techType, const QList<StoredCell> &cells,
    const FixtureName &nameOf)
{
    writer.writeStartElement(FrameTag);
    writer.writeAttribute(QStringLiteral("techType"), QString::number(techType));
    for (const StoredCell &cell : cells) {
        writer.writeEmptyElement(CellTag);
        writer.writeAttribute(ItemTypeName, QString::number(cell.kind));
        writer.writeAttribute(FixtureNameName, nameOf(cell.fixture));
        if (cell.kind == StoredCell::Jumper) {
            writer.writeAttribute(JumperIndexName, QString::number(cell.jumperRow));
            writer.writeAttribute(GaugeIndexName, QString::number(cell.gaugeRow));
            writer.writeAttribute(LengthName, QString::number(cell.length));
        }
    }
    writer.writeEndElement();
}

} // namespace ProjectRun
