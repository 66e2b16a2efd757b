#include "cframe.h"

#include "cinternalframe.h"
#include "cwidget.h"

#include <algorithm>

namespace {
// Puts the cell's widget on the surface at (x, y) and returns its height. A
// widget that is already there is left untouched, so that relaying out a long
// run costs only the cells that move (and a focused control keeps its focus).
int placeCell(const CWidget *cell, int y, QWidget *surface, QSize &extent)
{
    QWidget *widget = cell->widget();
    if (widget->parentWidget() != surface)
        widget->setParent(surface);
    if (widget->isHidden())
        widget->show();
    // On a surface that is not visible yet (a page out of the tab widget, or a
    // window still being built) showing does not size the widget; measure it
    // at its size hint, as showing it would, rather than at the default 640 x 480.
    if (!widget->testAttribute(Qt::WA_Resized))
        widget->adjustSize();
    const QPoint position(
        cell->itemType() == CWidget::ItemJumper ? CFrame::JumperX : CFrame::FixtureX, y);
    if (widget->pos() != position)
        widget->move(position);
    extent = extent.expandedTo(
        QSize(position.x() + widget->width() + CFrame::RightMargin, y + widget->height()));
    return widget->height();
}
} // namespace

CFrame::CFrame(QWidget *parent) : QScrollArea(parent), m_surface(new CInternalFrame(this))
{
    setWidget(m_surface);
    resetFrame();
}

CFrame::~CFrame()
{
    qDeleteAll(m_cells);
}

void CFrame::countCell(const CWidget *cell, int delta)
{
    if (cell->itemType() == CWidget::ItemFixture)
        m_fixtureCount += delta;
    else if (cell->itemType() == CWidget::ItemJumper)
        m_jumperCount += delta;
}

void CFrame::addCell(CWidget *cell)
{
    if (!cell || m_cells.contains(cell))
        return;
    m_cells.append(cell);
    connect(cell, &CWidget::valueChanged, this, &CFrame::cellChanged);
    countCell(cell, +1);
    layOutFrom(int(m_cells.size()) - 1);
}

void CFrame::removeCell(int index)
{
    CWidget *cell = nullptr;
    if (index < 0) {
        if (!m_cells.isEmpty())
            cell = m_cells.takeLast();
    } else if (index < m_cells.size()) {
        cell = m_cells.takeAt(index);
    }
    if (cell) {
        countCell(cell, -1);
        delete cell;
    }
    layOutFrom(index < 0 ? int(m_cells.size()) : index);
}

void CFrame::resetFrame()
{
    m_fixtureCount = 0;
    m_jumperCount = 0;
    m_valid = false;
    // Clearing a fresh run of one cell is not a change worth saving.
    if (m_cells.size() > 1)
        m_modified = true;
    while (!m_cells.isEmpty())
        delete m_cells.takeLast();
    m_placements.clear();
    markChangedFrom(0);
    m_surface->resize(0, 0);
    emit frameChanged();
}

void CFrame::updateFrame()
{
    layOutFrom(0);
}

void CFrame::cellChanged()
{
    const int index = int(m_cells.indexOf(qobject_cast<CWidget *>(sender())));
    layOutFrom(index < 0 ? 0 : index);
}

void CFrame::markChangedFrom(int index)
{
    m_unchangedCells = std::min(m_unchangedCells, index);
}

int CFrame::takeUnchangedCount()
{
    const int unchanged = std::min(m_unchangedCells, int(m_cells.size()));
    m_unchangedCells = int(m_cells.size());
    return unchanged;
}

void CFrame::layOutFrom(int index)
{
    markChangedFrom(index);
    // Each cell's place follows from the one before it: only the cells from
    // index on move, so a long run grows at the cost of its new cells.
    const int first = std::clamp(index, 0, int(m_placements.size()));
    m_placements.resize(first);
    Placement placed = first > 0 ? m_placements.at(first - 1) : Placement {FirstY, 0, true};
    // The surface only grows here; only a reset shrinks it.
    QSize extent = m_surface->size();
    for (int i = first; i < m_cells.size(); ++i) {
        const CWidget *cell = m_cells.at(i);
        if (cell->widget()) {
            const bool isFixture = cell->itemType() == CWidget::ItemFixture;
            const bool isJumper = cell->itemType() == CWidget::ItemJumper;
            // Staying in a column steps a whole cell down, changing column half a cell.
            const bool sameColumn
                = (isFixture && placed.isFixture) || (isJumper && !placed.isFixture);
            placed.y += (sameColumn ? placed.height : placed.height / 2) + CellGap;
            placed.height = placeCell(cell, placed.y, m_surface, extent);
            placed.isFixture = isFixture;
        } // a cell without a widget takes no place in the run
        m_placements.append(placed);
    }
    if (extent != m_surface->size())
        m_surface->resize(extent);

    if (!m_cells.isEmpty()) {
        if (QWidget *last = m_cells.last()->widget())
            ensureWidgetVisible(last, RevealMargin, RevealMargin);
        m_surface->update();
    }
    emit frameChanged();
    m_modified = true;
}
