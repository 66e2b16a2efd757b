#include "cframe.h"

#include "cinternalframe.h"
#include "cwidget.h"

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
    connect(cell, &CWidget::valueChanged, this, &CFrame::updateFrame);
    countCell(cell, +1);
    updateFrame();
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
    updateFrame();
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
    m_surface->resize(0, 0);
    emit frameChanged();
}

void CFrame::updateFrame()
{
    int y = FirstY;
    int previousHeight = 0;
    bool previousIsFixture = true;
    // The surface only grows here; only a reset shrinks it.
    QSize extent = m_surface->size();
    for (const CWidget *cell : std::as_const(m_cells)) {
        if (!cell->widget())
            continue; // nothing to show: such a cell takes no place in the run
        const bool isFixture = cell->itemType() == CWidget::ItemFixture;
        const bool isJumper = cell->itemType() == CWidget::ItemJumper;
        // Staying in a column steps a whole cell down, changing column half a cell.
        const bool sameColumn
            = (isFixture && previousIsFixture) || (isJumper && !previousIsFixture);
        y += (sameColumn ? previousHeight : previousHeight / 2) + CellGap;
        previousHeight = placeCell(cell, y, m_surface, extent);
        previousIsFixture = isFixture;
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
