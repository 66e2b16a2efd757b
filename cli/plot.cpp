#include "plot.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Width = 900;
constexpr int Height = 480;
constexpr int Left = 70;
constexpr int Right = 30;
constexpr int Top = 50;
constexpr int Bottom = 60;

// The supply end of the leader (fixture 0), then each fixture's input
// voltage, then the far end.
QList<QPointF> voltages(const RunReport::Report &report)
{
    const ZelvaneModel::Profile &p = report.profile;
    QList<QPointF> points {{0, p.supplyVoltage}};
    for (const ZelvaneModel::CellProfile &cell : p.cells)
        if (cell.kind == ZelvaneModel::CellProfile::Fixture)
            points << QPointF(cell.fixtureNumber, cell.inputVoltage);
    points << QPointF(double(points.size()) - 0.5, p.farEndVoltage);
    return points;
}

void draw(QPainter &painter, const RunReport::Report &report)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(0, 0, Width, Height), Qt::white);
    const QList<QPointF> points = voltages(report);
    double low = report.profile.supplyVoltage;
    double high = low;
    for (const QPointF &point : points) {
        if (std::isfinite(point.y())) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    if (report.minimumVoltage > 0)
        low = std::min(low, report.minimumVoltage);
    const double margin = std::max((high - low) * 0.1, 0.5);
    low -= margin;
    high += margin;
    const double lastX = std::max(points.constLast().x(), 1.0);
    const QRectF area(Left, Top, Width - Left - Right, Height - Top - Bottom);
    const auto at = [&](double x, double volts) {
        return QPointF(area.left() + x / lastX * area.width(),
            area.bottom() - (volts - low) / (high - low) * area.height());
    };

    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 8, Width, 30), Qt::AlignCenter,
        QStringLiteral("%1: %2, %3 fixtures")
            .arg(QFileInfo(report.file).fileName(), report.settings.fixtureName)
            .arg(report.result.fixtureCount));
    painter.drawRect(area);
    for (int i = 0; i <= 5; ++i) {
        const double volts = low + (high - low) * i / 5;
        const QPointF y = at(0, volts);
        painter.drawText(QRectF(0, y.y() - 10, Left - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(volts, 'f', 1));
        painter.drawLine(QPointF(area.left() - 4, y.y()), QPointF(area.left(), y.y()));
    }
    const int step = std::max(1, int(std::ceil(lastX / 10)));
    for (int x = 0; x <= int(lastX); x += step) {
        const QPointF p = at(x, low);
        painter.drawText(
            QRectF(p.x() - 20, area.bottom() + 4, 40, 20), Qt::AlignCenter, QString::number(x));
    }
    painter.drawText(QRectF(area.left(), Height - 28, area.width(), 20), Qt::AlignCenter,
        QStringLiteral("fixture (0: the supply end of the leader)"));
    painter.save();
    painter.translate(14, area.center().y());
    painter.rotate(-90);
    painter.drawText(
        QRectF(-80, -10, 160, 20), Qt::AlignCenter, QStringLiteral("volts at the input"));
    painter.restore();

    if (report.minimumVoltage > 0) {
        painter.setPen(QPen(QColor(200, 0, 0), 1.5, Qt::DashLine));
        const QPointF from = at(0, report.minimumVoltage);
        painter.drawLine(from, at(lastX, report.minimumVoltage));
        painter.drawText(from + QPointF(6, -6),
            QStringLiteral("minimum %1 V").arg(report.minimumVoltage, 0, 'g', 6));
    }
    QPolygonF line;
    for (const QPointF &point : points)
        line << at(point.x(), point.y());
    painter.setPen(QPen(report.result.valid ? QColor(0, 120, 0) : QColor(200, 0, 0), 2));
    painter.drawPolyline(line);
}

} // namespace

bool plotProfile(const RunReport::Report &report, const QString &path, QString *error)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(Width, Height));
        svg.setViewBox(QRect(0, 0, Width, Height));
        svg.setTitle(QStringLiteral("Voltage along the run"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        draw(painter, report);
        return painter.end();
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        draw(painter, report);
    }
    if (!image.save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}
