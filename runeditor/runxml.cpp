// The run's element in a project file: one "CWidget" element per cell, the
// fixtures named as the main window's Zelvane fixture selector lists them.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "runbound.h"
#include "wattlan.h"

#include <QComboBox>
#include <QDomElement>
#include <QSpinBox>
#include <QXmlStreamWriter>

namespace {
const QString FrameTag = QStringLiteral("CFrame");
const QString CellTag = QStringLiteral("CWidget");
const QString ItemTypeName = QStringLiteral("CWidgetItemType");
const QString FixtureNameName = QStringLiteral("CWidgetFixtureName");
const QString JumperIndexName = QStringLiteral("CWidgetJumperIndex");
const QString GaugeIndexName = QStringLiteral("CWidgetGaugeIndex");
const QString LengthName = QStringLiteral("CWidgetAWG"); // the length in feet, not a gauge

int integerAttribute(const QDomElement &element, const QString &name, const QString &fallback)
{
    return element.attribute(name, fallback).toInt(); // not a number: 0
}
} // namespace

void CFrame::toXml(QXmlStreamWriter &writer) const
{
    writer.writeStartElement(FrameTag);
    writer.writeAttribute(QStringLiteral("techType"), QString::number(m_techType));
    for (const CWidget *cell : m_cells)
        cell->toXml(writer);
    writer.writeEndElement();
}

void CFrame::fromXml(const QDomElement &parent, QString &message)
{
    resetFrame();
    const QDomNodeList frames = parent.elementsByTagName(FrameTag);
    if (frames.isEmpty()) {
        message = tr("Found %1 CFrame elements").arg(frames.count());
        return;
    }
    const QDomNode node = frames.item(0);
    if (node.isNull()) {
        message = tr("Found NULL CFrame node");
        return;
    }
    const QDomElement frame = node.toElement();
    if (frame.isNull()) {
        message = tr("Found NULL CFrame element");
        return;
    }
    QDomElement element = frame.firstChildElement(CellTag);
    while (!element.isNull()) {
        CWidget *cell = nullptr;
        if (!readNextCell(element, cell, m_fixtureCount, m_jumperCount)) {
            delete cell; // the cells read so far stay
            return;
        }
        addCell(cell);
    }
}

bool CFrame::readNextCell(QDomElement &element, CWidget *&cell, int fixtureCount, int jumperCount)
{
    cell = nullptr;
    if (element.isNull())
        return true;
    cell = new CWidget;
    if (!cell->fromXml(element, fixtureCount, jumperCount))
        return false;
    element = element.nextSiblingElement(CellTag);
    return true;
}

void CWidget::toXml(QXmlStreamWriter &writer) const
{
    const Wattlan *window = Wattlan::instance();
    writer.writeEmptyElement(CellTag);
    writer.writeAttribute(ItemTypeName, QString::number(m_itemType));
    writer.writeAttribute(FixtureNameName, window ? window->zelvaneFixtureName(m_item) : QString());
    if (const JWidget *jumper = jumperWidget()) {
        writer.writeAttribute(
            JumperIndexName, QString::number(jumper->jumperCombo()->currentIndex()));
        writer.writeAttribute(
            GaugeIndexName, QString::number(jumper->gaugeCombo()->currentIndex()));
        writer.writeAttribute(LengthName, QString::number(jumper->lengthSpin()->value()));
    }
}

bool CWidget::fromXml(const QDomElement &element, int fixtureCount, int jumperCount)
{
    if (element.isNull() || element.tagName() != CellTag)
        return false;
    const Wattlan *window = Wattlan::instance();
    YmFixture *fixture
        = window ? window->zelvaneFixtureNamed(element.attribute(FixtureNameName)) : nullptr;
    if (!fixture)
        return false; // a cell is never built on a missing record
    // A run that can be built holds at most one jumper more than fixtures
    // (one before each fixture and one at the end), so every saved run reads
    // back whole.
    switch (integerAttribute(element, ItemTypeName, QStringLiteral("0"))) {
    case ItemJumper: {
        if (jumperCount >= MaxRunFixtures + 1)
            return false;
        // The stored rows are selected as they stand: a row the list lacks
        // (a catalogue changed since the save) leaves no row, so the jumper is
        // unresolved and shown so, never silently replaced by a default. The
        // gauge row follows the jumper row's refill of the gauges, and the
        // length comes last.
        setJumper(fixture, nullptr, -1, -1);
        const JWidget *jumper = jumperWidget();
        jumper->jumperCombo()->setCurrentIndex(
            integerAttribute(element, JumperIndexName, QStringLiteral("0")));
        jumper->gaugeCombo()->setCurrentIndex(
            integerAttribute(element, GaugeIndexName, QStringLiteral("0")));
        jumper->lengthSpin()->setValue(integerAttribute(element, LengthName, QStringLiteral("1")));
        return true;
    }
    case ItemFixture:
        if (fixtureCount >= MaxRunFixtures)
            return false;
        setFixture(fixture, fixtureCount + 1);
        return true;
    default:
        return false; // no other kind has a widget to show
    }
}
