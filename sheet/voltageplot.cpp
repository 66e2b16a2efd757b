#include "voltageplot.h"

#include "plotticks.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <limits>

namespace VoltagePlot {

namespace {

// The picture file's size, in pixels.
constexpr int FileWidth = 900;
constexpr int FileHeight = 480;

QString text(const char *source)
{
    return QCoreApplication::translate("VoltagePlot", source);
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// The supply end of the leader (fixture 0), each fixture's input, then the
// far end half a fixture beyond the last.
QList<QPointF> points(const Data &data)
{
    QList<QPointF> result {{0, data.supplyVoltage}};
    for (int i = 0; i < data.fixtureInputs.size(); ++i)
        result << QPointF(i + 1, data.fixtureInputs.at(i));
    if (!data.fixtureInputs.isEmpty())
        result << QPointF(double(data.fixtureInputs.size()) + 0.5, data.farEndVoltage);
    return result;
}

bool hasLowest(const Data &data)
{
    return data.lowestAllowed > 0 && std::isfinite(data.lowestAllowed);
}

PlotTicks::Axis voltageAxis(const QList<QPointF> &line, const Data &data, int most)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const QPointF &point : line) {
        if (std::isfinite(point.y())) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
    }
    if (hasLowest(data)) {
        low = std::min(low, data.lowestAllowed);
        high = std::max(high, data.lowestAllowed);
    }
    if (!std::isfinite(low)) // nothing to show: an axis around 0
        low = high = 0;
    const double margin = std::max((high - low) * 0.05, std::abs(high) * 1e-4 + 0.05);
    return PlotTicks::axis(low - margin, high + margin, most, 0, true);
}

} // namespace

int firstFixtureBelow(const Data &data)
{
    if (!hasLowest(data))
        return 0;
    for (int i = 0; i < data.fixtureInputs.size(); ++i)
        if (!(data.fixtureInputs.at(i) >= data.lowestAllowed))
            return i + 1;
    return 0;
}

void draw(QPainter &painter, const QRectF &frame, const Data &data)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const QList<QPointF> run = points(data);

    // The last fixture's number is centred on the right edge: room for its half.
    const double lastX = std::max(run.constLast().x(), 1.0);
    const double labelWidth = metrics.horizontalAdvance(number(lastX)) + line * 2;
    QRectF area = frame.adjusted(2.2 * line, line * 0.6, -labelWidth / 2, -2.6 * line);
    if (!data.title.isEmpty())
        area.setTop(area.top() + 1.4 * line);
    const PlotTicks::Axis volts
        = voltageAxis(run, data, std::max(3, int(area.height() / (2.2 * line))));
    double widest = 0;
    for (const double tick : volts.ticks)
        widest = std::max(widest, metrics.horizontalAdvance(number(tick)));
    area.setLeft(area.left() + widest + 0.4 * line);
    const PlotTicks::Axis fixtures
        = PlotTicks::axis(0, lastX, std::max(2, int(area.width() / labelWidth)), 1, false);
    const auto at = [&](double x, double v) {
        return QPointF(area.left() + x / lastX * area.width(),
            area.bottom() - (v - volts.from) / (volts.to - volts.from) * area.height());
    };

    if (!data.title.isEmpty())
        painter.drawText(QRectF(frame.left(), frame.top(), frame.width(), 1.4 * line),
            Qt::AlignCenter, data.title);
    const QPen grid(QColor(215, 215, 215), 0);
    const QPen ink(Qt::black, 0);
    for (const double v : volts.ticks) {
        const double y = at(0, v).y();
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(ink);
        painter.drawText(
            QRectF(frame.left(), y - line / 2, area.left() - frame.left() - line * 0.3, line),
            Qt::AlignRight | Qt::AlignVCenter, number(v));
    }
    for (const double x : fixtures.ticks) {
        const QPointF p = at(x, volts.from);
        painter.setPen(grid);
        painter.drawLine(p, QPointF(p.x(), area.top()));
        painter.setPen(ink);
        painter.drawText(
            QRectF(p.x() - labelWidth / 2, area.bottom() + line * 0.2, labelWidth, line),
            Qt::AlignHCenter | Qt::AlignTop, number(x));
    }
    painter.setPen(ink);
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), area.bottom() + line * 1.3, area.width(), line),
        Qt::AlignCenter,
        text(QT_TRANSLATE_NOOP("VoltagePlot", "fixture (0: the supply end of the leader)")));
    painter.save();
    painter.translate(frame.left() + line * 0.6, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, -line / 2, area.height(), line), Qt::AlignCenter,
        text(QT_TRANSLATE_NOOP("VoltagePlot", "volts at the input")));
    painter.restore();

    const QColor red(200, 0, 0);
    if (hasLowest(data)) {
        painter.setPen(QPen(red, line / 10, Qt::DashLine));
        const QPointF from = at(0, data.lowestAllowed);
        painter.drawLine(from, at(lastX, data.lowestAllowed));
        painter.drawText(
            QRectF(area.left(), from.y() - line * 1.1, area.width() - line * 0.3, line),
            Qt::AlignRight | Qt::AlignBottom,
            text(QT_TRANSLATE_NOOP("VoltagePlot", "lowest allowed %1 V"))
                .arg(number(data.lowestAllowed)));
    }
    QPolygonF polyline;
    for (const QPointF &point : run)
        if (std::isfinite(point.y())) // a figure that is no number has no place on the plot
            polyline << at(point.x(), point.y());
    painter.setPen(QPen(data.valid ? QColor(0, 120, 0) : red, line / 7));
    painter.drawPolyline(polyline);

    if (const int below = firstFixtureBelow(data)) {
        const double v = data.fixtureInputs.at(below - 1);
        const QPointF p = at(below, std::isfinite(v) ? v : volts.from);
        painter.setPen(QPen(red, line / 8));
        painter.drawEllipse(p, line * 0.35, line * 0.35);
        const QString note
            = text(QT_TRANSLATE_NOOP("VoltagePlot", "fixture %1 is the first below it")).arg(below);
        // Above and to the right of the mark, clear of the run's line, which
        // falls towards the far end.
        const double width = metrics.horizontalAdvance(note) + line;
        const double left = std::clamp(p.x() + line * 0.4, area.left(), area.right() - width);
        const double top = std::clamp(p.y() - line * 1.6, area.top(), area.bottom() - line);
        painter.drawText(QRectF(left, top, width, line), Qt::AlignLeft | Qt::AlignVCenter, note);
    }
    painter.restore();
}

bool write(const Data &data, const QString &path, QString *error)
{
    const QRect frame(0, 0, FileWidth, FileHeight);
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(frame.size());
        svg.setViewBox(frame);
        svg.setTitle(text(QT_TRANSLATE_NOOP("VoltagePlot", "Voltage along the run")));
        QPainter painter;
        if (!painter.begin(&svg)) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        painter.fillRect(frame, Qt::white);
        draw(painter, frame, data);
        return painter.end();
    }
    QImage image(frame.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, frame, data);
    }
    if (!image.save(path, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace VoltagePlot
