// The run editor's part in a project file: its cells to and from the plain
// cells the file format reads and writes.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"

#include <QComboBox>
#include <QSpinBox>

void CFrame::toXml(QXmlStreamWriter &writer, const ProjectRun::FixtureName &nameOf) const
{
    QList<ProjectRun::StoredCell> stored;
    stored.reserve(m_cells.size());
    for (const CWidget *cell : m_cells) {
        ProjectRun::StoredCell s;
        s.kind = ProjectRun::StoredCell::Kind(cell->itemType());
        s.fixture = cell->item();
        if (const JWidget *jumper = cell->jumperWidget()) {
            s.jumperRow = jumper->jumperCombo()->currentIndex();
            s.gaugeRow = jumper->gaugeCombo()->currentIndex();
            s.length = jumper->lengthSpin()->value();
        }
        stored << s;
    }
    ProjectRun::write(writer, m_techType, stored, nameOf);
}

void CFrame::fromXml(
    const QDomElement &parent, const ProjectRun::FixtureLookup &lookup, QString &message)
{
    resetFrame();
    for (const ProjectRun::StoredCell &stored : ProjectRun::read(parent, lookup, message)) {
        auto *cell = new CWidget;
        if (stored.kind == ProjectRun::StoredCell::Fixture) {
            cell->setFixture(stored.fixture, m_fixtureCount + 1);
        } else {
            // The stored rows are selected as they stand: a row the list lacks
            // (a catalogue changed since the save) leaves no row, so the jumper
            // is unresolved and shown so, never silently replaced by a default.
            // The gauge row follows the jumper row's refill of the gauges, and
            // the length comes last.
            cell->setJumper(stored.fixture, nullptr, -1, -1);
            const JWidget *jumper = cell->jumperWidget();
            jumper->jumperCombo()->setCurrentIndex(stored.jumperRow);
            jumper->gaugeCombo()->setCurrentIndex(stored.gaugeRow);
            jumper->lengthSpin()->setValue(stored.length);
        }
        addCell(cell);
    }
}
