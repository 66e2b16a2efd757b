#include "runtips.h"

#include "cframe.h"
#include "cinternalframe.h"
#include "cwidget.h"

#include <QHelpEvent>
#include <QToolTip>

RunTips::RunTips(CFrame &frame, std::function<QString(int)> cellTip, const QList<QWidget *> &totals,
    std::function<QString()> totalsTip, QObject *parent)
    : QObject(parent), m_frame(frame), m_cellTip(std::move(cellTip)), m_totals(totals),
      m_totalsTip(std::move(totalsTip))
{
    // A cell's own widgets have no tip: the event climbs to the surface.
    m_frame.surface()->installEventFilter(this);
    for (QWidget *field : m_totals)
        field->installEventFilter(this);
}

int RunTips::cellAt(const QPoint &surfacePosition) const
{
    const QList<CWidget *> &cells = m_frame.cells();
    for (int i = 0; i < int(cells.size()); ++i) {
        const QWidget *widget = cells.at(i)->widget();
        if (widget && !widget->isHidden() && widget->geometry().contains(surfacePosition))
            return i;
    }
    return -1;
}

bool RunTips::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    if (watched == m_frame.surface()) {
        const int index = cellAt(help->pos());
        const QString tip = index < 0 ? QString() : m_cellTip(index);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const QWidget *cell = m_frame.cells().at(index)->widget();
        QToolTip::showText(help->globalPos(), tip, m_frame.surface(), cell->geometry());
        return true;
    }
    auto *field = qobject_cast<QWidget *>(watched);
    if (!field || !m_totals.contains(field))
        return false;
    QToolTip::showText(help->globalPos(), m_totalsTip(), field);
    return true;
}
