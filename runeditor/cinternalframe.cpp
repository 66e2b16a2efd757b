#include "cinternalframe.h"

#include "cframe.h"
#include "cwidget.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QColor ConnectionColor(150, 150, 150, 255);
// How far the bracket between two cells of one kind bulges beyond the wider.
const int BracketBulge = 20;
// Room for the pen and its antialiasing around a connection's end points.
const int PenAllowance = 2;

int half(const QWidget *widget)
{
    return widget->height() / 2;
}

int mid(const QWidget *widget)
{
    return widget->y() + half(widget);
}

// Paints the connection from previous to current, unless it lies outside exposed.
void paintConnection(
    QPainter &painter, const CWidget *previous, const CWidget *current, const QRect &exposed)
{
    const QWidget *p = previous->widget();
    const QWidget *c = current->widget();
    const int previousKind = previous->itemType();
    const int currentKind = current->itemType();

    if (previousKind == currentKind
        && (currentKind == CWidget::ItemFixture || currentKind == CWidget::ItemJumper)) {
        // A bracket on the right: two quarter ellipses meeting at (x, m).
        const int r1 = p->x() + p->width();
        const int y1 = mid(p);
        const int r2 = c->x() + c->width();
        const int y2 = mid(c);
        const int x = std::max(r1, r2) + BracketBulge;
        const int m = (y1 + y2) / 2;
        const QRect bounds
            = QRect(QPoint(std::min(r1, r2), std::min(y1, y2)), QPoint(x, std::max(y1, y2)))
                  .adjusted(-PenAllowance, -PenAllowance, PenAllowance, PenAllowance);
        if (!bounds.intersects(exposed))
            return;
        const int rx1 = x - r1;
        const int ry1 = m - y1;
        painter.drawArc(QRectF(r1 - rx1, m - ry1, 2 * rx1, 2 * ry1), 90 * 16, -90 * 16);
        const int rx2 = x - r2;
        const int ry2 = y2 - m;
        painter.drawArc(QRectF(r2 - rx2, m - ry2, 2 * rx2, 2 * ry2), -90 * 16, 90 * 16);
        return;
    }

    QPoint from;
    QPoint to;
    if (previousKind == CWidget::ItemFixture && currentKind == CWidget::ItemJumper) {
        from = QPoint(p->x() + p->width(), mid(p));
        to = QPoint(c->x(), c->y() + half(p));
    } else if (previousKind == CWidget::ItemJumper && currentKind == CWidget::ItemFixture) {
        from = QPoint(p->x(), mid(p));
        to = QPoint(c->x() + c->width(), c->y() + half(p) - 3);
    } else {
        return;
    }
    const QRect bounds = QRect(from, to).normalized().adjusted(
        -PenAllowance, -PenAllowance, PenAllowance, PenAllowance);
    if (bounds.intersects(exposed))
        painter.drawLine(from, to);
}
} // namespace

CInternalFrame::CInternalFrame(CFrame *frame) : QFrame(frame), m_frame(frame) { }

void CInternalFrame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(QPen(QBrush(ConnectionColor), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setRenderHint(QPainter::Antialiasing, true);

    const QList<CWidget *> &cells = m_frame->cells();
    const QRect exposed = event->rect();
    for (int i = 1; i < cells.size(); ++i) {
        if (cells.at(i - 1)->widget() && cells.at(i)->widget())
            paintConnection(painter, cells.at(i - 1), cells.at(i), exposed);
    }
}
