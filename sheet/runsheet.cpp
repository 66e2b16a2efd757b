#include "runsheet.h"

#include "voltageplot.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>

namespace RunSheet {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(RunSheet)
};

const QColor ValidColor(192, 255, 192); // as the window shows a valid run
const QColor InvalidColor(255, 128, 128);
const QColor FailColor(170, 0, 0);

// Figures as the text report of wattlan-cli shows them: up to 6 significant digits.
QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString withUnit(double value, const char *unit)
{
    return number(value) + QLatin1Char(' ') + QLatin1String(unit);
}

// The sheet's typeface, from a font package the program depends on, so
// that a machine without a desktop draws the same sheet.
QString family()
{
    static const QString name = [] {
        QString dejaVu = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::families().contains(dejaVu)) {
            for (const char *file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
                QFontDatabase::addApplicationFont(
                    QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(file));
        }
        return dejaVu;
    }();
    return name;
}

constexpr double BodySize = 8.5;
constexpr double SmallSize = 7.5;
constexpr double HeadingSize = 10.5;
constexpr double TitleSize = 15;
constexpr double Gap = 9; // between blocks
constexpr double PlotHeight = 175;
constexpr double NumberWidth = 22; // a fixture's number in the run as built, up to 1000
constexpr double MarginMm = 12.7; // half an inch

// What a block is drawn into: the painter, the rectangle it was given and
// the size of a point on the device.
struct Canvas
{
    QPainter &painter;
    QRectF area;
    double pt;
};

// A piece of the sheet of a fixed height, drawn into the width of the page.
struct Block
{
    double height = 0; // in points
    std::function<void(Canvas &)> draw;
    double after = Gap; // the space below it
};

struct Page
{
    QString footer;
    QList<std::pair<double, Block>> blocks; // each at its top, in points below the page's top
};

// Fonts and measures in points, on a device whose point is `pt` pixels.
class Style
{
public:
    explicit Style(double pt) : m_pt(pt) { }

    QFont font(double points, bool bold = false) const
    {
        QFont f(family());
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        // No ligatures: "fi" drawn as one glyph reads back from the PDF as one
        // character, and a search for "fixture" would not find it.
        f.setStyleStrategy(QFont::PreferNoShaping);
        return f;
    }
    // A font's line height, in points.
    double lineHeight(const QFont &f, QPaintDevice *device) const
    {
        return QFontMetricsF(f, device).height() / m_pt;
    }

    double pt() const { return m_pt; }

private:
    double m_pt;
};

// Lays the blocks of the sheet out on pages; a block that does not fit on
// what is left of a page starts the next.
class Composer
{
public:
    Composer(QPaintDevice &device, double pt)
        : device(device), style(pt), width(device.width() / pt), height(device.height() / pt)
    {
        footerHeight = style.lineHeight(style.font(SmallSize), &device) * 1.6;
    }

    void startPage(const QString &footer)
    {
        pages.append(Page {footer, {}});
        y = 0;
    }
    double room() const { return height - footerHeight - y; }
    void add(const Block &block)
    {
        if (block.height > room() && !pages.constLast().blocks.isEmpty())
            startPage(pages.constLast().footer);
        pages.last().blocks.append({y, block});
        y += block.height + block.after;
    }
    // A heading stays on the page of the first row below it.
    void add(const Block &heading, const QList<Block> &rows)
    {
        const double first = rows.isEmpty() ? 0 : rows.constFirst().height;
        if (heading.height + heading.after + first > room() && !pages.constLast().blocks.isEmpty())
            startPage(pages.constLast().footer);
        add(heading);
        for (const Block &row : rows)
            add(row);
    }

    QPaintDevice &device;
    Style style;
    double width;
    double height;
    double footerHeight = 0;
    double y = 0;
    QList<Page> pages;
};

// Text in a rectangle, cut short with an ellipsis where it would not fit.
void drawFitted(Canvas &c, const QRectF &rect, const QString &text, int flags = Qt::AlignLeft,
    Qt::TextElideMode elide = Qt::ElideRight)
{
    const QFontMetricsF metrics(c.painter.font(), c.painter.device());
    const QRectF r(rect.topLeft() * c.pt, rect.size() * c.pt);
    c.painter.drawText(r, flags | Qt::AlignVCenter, metrics.elidedText(text, elide, r.width()));
}

// The width, in points, of the widest of the texts.
double widest(const Composer &composer, const QFont &font, const QStringList &texts)
{
    const QFontMetricsF metrics(font, &composer.device);
    double width = 0;
    for (const QString &text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width / composer.style.pt();
}

// Height, in points, of text wrapped into width points.
double wrappedHeight(const Composer &composer, const QFont &font, double width, const QString &text)
{
    const QFontMetricsF metrics(font, &composer.device);
    const double pt = composer.style.pt();
    return metrics.boundingRect(QRectF(0, 0, width * pt, 1e9), Qt::TextWordWrap, text).height()
        / pt;
}

void drawWrapped(Canvas &c, const QRectF &rect, const QString &text)
{
    c.painter.drawText(QRectF(rect.topLeft() * c.pt, rect.size() * c.pt),
        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
}

Block heading(Composer &composer, const QString &title)
{
    const QFont font = composer.style.font(HeadingSize, true);
    const double line = composer.style.lineHeight(font, &composer.device);
    return Block {
        line * 1.2, [font, title, line](Canvas &c) {
            c.painter.setFont(font);
            drawFitted(c, QRectF(c.area.left(), c.area.top(), c.area.width(), line), title);
            const double y = (c.area.top() + line * 1.1) * c.pt;
            c.painter.setPen(QPen(Qt::gray, 0.5 * c.pt));
            c.painter.drawLine(QPointF(c.area.left() * c.pt, y), QPointF(c.area.right() * c.pt, y));
            c.painter.setPen(Qt::black);
        }};
}

// Rows of a label and its value, in one or two side-by-side columns.
using Rows = QList<std::pair<QString, QString>>;

Block table(Composer &composer, const QList<Rows> &columns)
{
    const QFont font = composer.style.font(BodySize);
    const QFont bold = composer.style.font(BodySize, true);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.15;
    constexpr double Space = 10;
    int rows = 0;
    QList<double> labelWidths; // each column's widest label, and a space
    QList<double> widths; // each column's widest label and widest value
    double needed = 0;
    for (const Rows &column : columns) {
        rows = std::max(rows, int(column.size()));
        QStringList labels;
        QStringList values;
        for (const auto &[label, value] : column) {
            labels << label;
            values << value;
        }
        labelWidths << widest(composer, bold, labels) + Space;
        widths << labelWidths.constLast() + widest(composer, font, values) + Space;
        needed += widths.constLast();
    }
    // What the columns need, and the paper left over shared out evenly.
    const double spare = (composer.width - needed) / double(columns.size());
    for (double &width : widths)
        width = spare >= 0 ? width + spare : composer.width / double(columns.size());
    return Block {
        rows * line, [=](Canvas &c) {
            double left = c.area.left();
            for (int i = 0; i < columns.size(); ++i) {
                const double labelWidth = std::min(labelWidths.at(i), widths.at(i) * 0.55);
                for (int row = 0; row < columns.at(i).size(); ++row) {
                    const double top = c.area.top() + row * line;
                    c.painter.setFont(bold);
                    drawFitted(c, QRectF(left, top, labelWidth - Space, line),
                        columns.at(i).at(row).first);
                    c.painter.setFont(font);
                    drawFitted(c,
                        QRectF(left + labelWidth, top, widths.at(i) - labelWidth - Space, line),
                        columns.at(i).at(row).second);
                }
                left += widths.at(i);
            }
        }};
}

Block title(Composer &composer, const Run &run, const QDateTime &madeAt)
{
    const QFont big = composer.style.font(TitleSize, true);
    const QFont font = composer.style.font(BodySize);
    const double bigLine = composer.style.lineHeight(big, &composer.device);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.15;
    const QString date = madeAt.date().toString(Qt::ISODate);
    QStringList parts;
    if (!run.fixture.isEmpty())
        parts << Text::tr("Fixture: %1").arg(run.fixture);
    if (!run.catalogueVersion.isEmpty())
        parts << Text::tr("Catalogue version %1").arg(run.catalogueVersion);
    const QString details = parts.join(QStringLiteral("    "));
    return Block {
        bigLine + line, [=](Canvas &c) {
            c.painter.setFont(big);
            drawFitted(c, QRectF(c.area.left(), c.area.top(), c.area.width() * 0.78, bigLine),
                Text::tr("Run sheet: %1").arg(run.file));
            c.painter.setFont(font);
            drawFitted(c, QRectF(c.area.left(), c.area.top(), c.area.width(), bigLine), date,
                Qt::AlignRight);
            drawFitted(
                c, QRectF(c.area.left(), c.area.top() + bigLine, c.area.width(), line), details);
        }};
}

// VALID or NOT VALID in the window's colours, and beside it each limit that fails.
Block verdict(Composer &composer, bool valid, const QString &word, const QStringList &reasons)
{
    const QFont big = composer.style.font(TitleSize, true);
    const QFont font = composer.style.font(BodySize);
    const double bannerWidth = 120;
    const double textWidth = composer.width - bannerWidth - 10;
    const QString why = reasons.join(QLatin1Char('\n'));
    const double bannerHeight = composer.style.lineHeight(big, &composer.device) * 1.5;
    const double height = std::max(bannerHeight, wrappedHeight(composer, font, textWidth, why));
    return Block {height, [=](Canvas &c) {
                      const QRectF banner(c.area.left(), c.area.top(), bannerWidth, bannerHeight);
                      c.painter.fillRect(QRectF(banner.topLeft() * c.pt, banner.size() * c.pt),
                          valid ? ValidColor : InvalidColor);
                      c.painter.setFont(big);
                      drawFitted(c, banner, word, Qt::AlignHCenter);
                      c.painter.setFont(font);
                      c.painter.setPen(FailColor);
                      drawWrapped(c,
                          QRectF(c.area.left() + bannerWidth + 10, c.area.top(), textWidth, height),
                          why);
                      c.painter.setPen(Qt::black);
                  }};
}

Block limits(Composer &composer, const Run &run)
{
    const QFont font = composer.style.font(BodySize);
    const QFont bold = composer.style.font(BodySize, true);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.15;
    const double markWidth = widest(composer, bold, {Text::tr("holds"), Text::tr("FAILS")}) + 10;
    const double nextHeight = run.nextFixture.isEmpty()
        ? 0
        : wrappedHeight(composer, font, composer.width - markWidth, run.nextFixture) + line * 0.3;
    return Block {
        double(run.limits.size()) * line + nextHeight, [=](Canvas &c) {
            double top = c.area.top();
            for (const Limit &limit : run.limits) {
                c.painter.setFont(bold);
                c.painter.setPen(limit.holds ? QColor(Qt::black) : FailColor);
                drawFitted(c, QRectF(c.area.left(), top, markWidth, line),
                    limit.holds ? Text::tr("holds") : Text::tr("FAILS"));
                c.painter.setFont(font);
                drawFitted(c,
                    QRectF(c.area.left() + markWidth, top, c.area.width() - markWidth, line),
                    limit.text);
                top += line;
            }
            c.painter.setPen(Qt::black);
            if (!run.nextFixture.isEmpty())
                drawWrapped(c,
                    QRectF(c.area.left() + markWidth, top + line * 0.3, c.area.width() - markWidth,
                        nextHeight),
                    run.nextFixture);
        }};
}

Block plot(Composer &composer, const Run &run)
{
    const QFont font = composer.style.font(SmallSize);
    const VoltagePlot::Data data = plotData(run);
    return Block {
        PlotHeight, [=](Canvas &c) {
            c.painter.setFont(font);
            VoltagePlot::draw(c.painter,
                QRectF(c.area.topLeft() * c.pt, QSizeF(c.area.width(), PlotHeight) * c.pt), data);
        }};
}

QString materialText(const Material &m)
{
    switch (m.kind) {
    case Material::Supply:
        return Text::tr("Supply: %1").arg(m.name);
    case Material::Leader:
        return m.gauge.isEmpty()
            ? Text::tr("Leader: %1, %2 ft").arg(m.name, number(m.length))
            : Text::tr("Leader: %1, %2, %3 ft").arg(m.name, m.gauge, number(m.length));
    case Material::Fixture:
        return m.name;
    case Material::Jumper:
        return m.gauge.isEmpty()
            ? Text::tr("Jumper: %1").arg(m.name)
            : Text::tr("Jumper: %1, %2, %3 ft").arg(m.name, m.gauge, number(m.length));
    case Material::CustomCable:
        return Text::tr("%1 cable, %2: %3 ft in all").arg(m.name, m.gauge, number(m.length));
    }
    return {};
}

QList<Block> materials(Composer &composer, const Run &run)
{
    const QFont font = composer.style.font(BodySize);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.15;
    QList<Block> rows;
    for (const Material &m : billOfMaterials(run))
        rows << Block {line,
            [=](Canvas &c) {
                c.painter.setFont(font);
                if (m.count > 0)
                    drawFitted(c, QRectF(c.area.left(), c.area.top(), 30, line),
                        QString::number(m.count), Qt::AlignRight);
                drawFitted(c, QRectF(c.area.left() + 40, c.area.top(), c.area.width() - 40, line),
                    materialText(m));
            },
            0};
    if (!rows.isEmpty())
        rows.last().after = Gap;
    return rows;
}

// One entry of the run as built: the leader, a fixture or a jumper.
struct Entry
{
    QString number;
    QString text;
    QString volts;
    bool below = false;
};

QList<Entry> entries(const Run &run)
{
    QList<Entry> list;
    const int firstBelow = VoltagePlot::firstFixtureBelow(plotData(run));
    for (const Cell &cell : run.cells) {
        if (cell.kind == Cell::Jumper) {
            list << Entry {QString(),
                QStringLiteral("\u2514 ")
                    + (cell.custom ? Text::tr("%1, %2, %3 ft")
                                         .arg(cell.name, cell.gauge, number(cell.length))
                                   : cell.name),
                QString(), false};
            continue;
        }
        list << Entry {QString::number(cell.number), cell.name,
            std::isnan(cell.inputVoltage) ? QString() : withUnit(cell.inputVoltage, "V"),
            cell.number == firstBelow};
    }
    return list;
}

// The run as built, folded into columns, going on over further pages.
void addRunList(Composer &composer, const Run &run)
{
    const QFont font = composer.style.font(SmallSize);
    const QFont bold = composer.style.font(SmallSize, true);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.1;
    const QList<Entry> list = entries(run);
    const int columns = composer.width > 450 ? 3 : 2;
    const double gap = 12;
    const double columnWidth = (composer.width - gap * (columns - 1)) / columns;
    const Block title = heading(
        composer, Text::tr("The run as built, supply end first (volts at each fixture's input)"));
    // A few rows at least (all of a short run) stay with the heading.
    const auto fewest = [&](int left) { return std::min(4, (left + columns - 1) / columns); };
    if (composer.room() < title.height + title.after + line * (2 + fewest(int(list.size()))))
        composer.startPage(composer.pages.constLast().footer);
    composer.add(title);
    const QString leader = run.leaderGauge.isEmpty()
        ? Text::tr("Leader: %1, %2 ft").arg(run.leaderType, number(run.leaderLength))
        : Text::tr("Leader: %1, %2, %3 ft")
              .arg(run.leaderType, run.leaderGauge, number(run.leaderLength));
    composer.add(Block {line,
        [=](Canvas &c) {
            c.painter.setFont(font);
            drawFitted(c,
                QRectF(c.area.left() + NumberWidth + 4, c.area.top(),
                    c.area.width() - NumberWidth - 4, line),
                Text::tr("Supply %1 at %2 V, then %3")
                    .arg(run.supply, number(run.supplyVoltage), leader));
        },
        line / 2});
    int done = 0;
    while (done < list.size()) {
        int rows = int((composer.room() - 1) / line);
        if (rows < fewest(int(list.size()) - done)) {
            composer.startPage(composer.pages.constLast().footer);
            rows = int((composer.room() - 1) / line);
        }
        const int take = std::min(int(list.size()) - done, rows * columns);
        const QList<Entry> part = list.mid(done, take);
        rows = std::min(rows, int((take + columns - 1) / columns));
        done += take;
        composer.add(Block {
            rows * line, [=](Canvas &c) {
                for (int i = 0; i < part.size(); ++i) {
                    const Entry &e = part.at(i);
                    const int column
                        = i / rows; // the entries run down a column, then on to the next
                    const double left = c.area.left() + column * (columnWidth + gap);
                    const double top = c.area.top() + (i % rows) * line;
                    c.painter.setFont(e.below ? bold : font);
                    c.painter.setPen(e.below ? FailColor : QColor(Qt::black));
                    drawFitted(c, QRectF(left, top, NumberWidth, line), e.number, Qt::AlignRight);
                    const double voltsWidth = e.volts.isEmpty() ? 0 : 58;
                    drawFitted(c,
                        QRectF(left + NumberWidth + 4, top,
                            columnWidth - NumberWidth - 4 - voltsWidth, line),
                        e.text);
                    drawFitted(
                        c, QRectF(left + columnWidth - 56, top, 56, line), e.volts, Qt::AlignRight);
                }
                c.painter.setPen(Qt::black);
            }});
    }
}

void addRun(Composer &composer, const Run &run, const QDateTime &madeAt)
{
    composer.startPage(run.file);
    composer.add(title(composer, run, madeAt));
    if (!run.refusal.isEmpty()) {
        composer.add(verdict(composer, false, Text::tr("NOT OPENED"),
            {Text::tr("This file could not be opened:"), run.refusal}));
        return;
    }
    QStringList failing;
    for (const Limit &limit : run.limits)
        if (!limit.holds)
            failing << limit.text;
    composer.add(verdict(
        composer, run.valid, run.valid ? Text::tr("VALID") : Text::tr("NOT VALID"), failing));
    Rows settings {{Text::tr("Supply"), run.supply},
        {Text::tr("Line voltage"),
            Text::tr("%1 V (effective %2 V)")
                .arg(number(run.lineVoltage), number(run.effectiveVoltage))},
        {Text::tr("Circuit"),
            Text::tr("%1 A (derated to %2 A)").arg(number(run.circuit), number(run.deratedLoad))},
        {Text::tr("Leader"), run.leaderType}};
    if (!run.leaderGauge.isEmpty())
        settings << std::pair {Text::tr("Leader gauge"), run.leaderGauge};
    settings << std::pair {Text::tr("Leader length"), withUnit(run.leaderLength, "ft")};
    Rows totals {{Text::tr("Fixtures"), QString::number(run.fixtureCount)},
        {Text::tr("Length"), withUnit(run.length, "ft")},
        {Text::tr("Power"), withUnit(run.power, "W")},
        {Text::tr("Current"), withUnit(run.current, "A")},
        {Text::tr("Voltage drop"), withUnit(run.voltageDrop, "V")},
        {Text::tr("End voltage"), withUnit(run.endVoltage, "V")}};
    if (run.lowestAllowed > 0)
        totals << std::pair {Text::tr("Lowest allowed"), withUnit(run.lowestAllowed, "V")};
    composer.add(
        heading(composer, Text::tr("Settings and totals")), {table(composer, {settings, totals})});
    composer.add(heading(composer, Text::tr("Limits")), {limits(composer, run)});
    composer.add(heading(composer, Text::tr("Voltage along the run")), {plot(composer, run)});
    composer.add(heading(composer, Text::tr("Bill of materials")), materials(composer, run));
    addRunList(composer, run);
}

void addSummary(Composer &composer, const QList<Run> &runs)
{
    composer.startPage(Text::tr("Summary"));
    composer.add(heading(composer, Text::tr("Summary of %1 runs").arg(runs.size())));
    const QStringList headers {Text::tr("File"), Text::tr("Fixture"), Text::tr("Fixtures"),
        Text::tr("Length"), Text::tr("Power"), Text::tr("Current"), Text::tr("End voltage"),
        Text::tr("Valid")};
    const QList<double> widths {0.26, 0.2, 0.08, 0.09, 0.08, 0.1, 0.11, 0.08};
    const QFont font = composer.style.font(SmallSize);
    const QFont bold = composer.style.font(SmallSize, true);
    const double line = composer.style.lineHeight(font, &composer.device) * 1.3;
    const auto row = [=](const QStringList &cells, bool header) {
        return Block {line,
            [=](Canvas &c) {
                c.painter.setFont(header ? bold : font);
                double left = c.area.left();
                for (int i = 0; i < cells.size(); ++i) {
                    const double w = widths.at(i) * c.area.width();
                    // A file's name keeps its end, which tells files apart.
                    drawFitted(c, QRectF(left, c.area.top(), w - 4, line), cells.at(i),
                        i >= 2 ? Qt::AlignRight : Qt::AlignLeft,
                        i == 0 ? Qt::ElideMiddle : Qt::ElideRight);
                    left += w;
                }
            },
            0};
    };
    composer.add(row(headers, true));
    for (const Run &run : runs) {
        if (!run.refusal.isEmpty()) {
            composer.add(row({run.file, QString(), QString(), QString(), QString(), QString(),
                                 QString(), Text::tr("refused")},
                false));
            continue;
        }
        composer.add(row(
            {run.file, run.fixture, QString::number(run.fixtureCount), withUnit(run.length, "ft"),
                withUnit(run.power, "W"), withUnit(run.current, "A"), withUnit(run.endVoltage, "V"),
                run.valid ? Text::tr("yes") : Text::tr("no")},
            false));
    }
}

void drawFooter(Canvas &c, const QString &text, int page, int pages, double height)
{
    const double line = height / 1.6;
    const QRectF r(c.area.left(), c.area.bottom() - line, c.area.width(), line);
    c.painter.setPen(QPen(Qt::gray, 0.5 * c.pt));
    c.painter.drawLine(QPointF(r.left() * c.pt, (r.top() - 2) * c.pt),
        QPointF(r.right() * c.pt, (r.top() - 2) * c.pt));
    c.painter.setPen(Qt::black);
    drawFitted(c, QRectF(r.left(), r.top(), r.width() * 0.7, r.height()), text);
    drawFitted(c, r, Text::tr("page %1 of %2").arg(page).arg(pages), Qt::AlignRight);
}

} // namespace

VoltagePlot::Data plotData(const Run &run)
{
    VoltagePlot::Data data;
    data.supplyVoltage = run.supplyVoltage;
    data.farEndVoltage = run.endVoltage;
    data.lowestAllowed = run.lowestAllowed;
    data.valid = run.valid;
    for (const Cell &cell : run.cells)
        if (cell.kind == Cell::Fixture && !std::isnan(cell.inputVoltage))
            data.fixtureInputs << cell.inputVoltage;
    return data;
}

QList<Material> billOfMaterials(const Run &run)
{
    QList<Material> list;
    const auto count = [&list](const Material &m) {
        for (Material &known : list) {
            if (known.kind == m.kind && known.name == m.name && known.gauge == m.gauge
                && (known.kind == Material::CustomCable || known.length == m.length)) {
                known.count += m.count;
                if (known.kind == Material::CustomCable)
                    known.length += m.length;
                return;
            }
        }
        list << m;
    };
    list << Material {Material::Supply, run.supply, QString(), 0, 1};
    list << Material {Material::Leader, run.leaderType, run.leaderGauge, run.leaderLength, 1};
    for (const Cell &cell : run.cells)
        if (cell.kind == Cell::Fixture)
            count({Material::Fixture, cell.name, QString(), 0, 1});
    for (const Cell &cell : run.cells)
        if (cell.kind == Cell::Jumper)
            count({Material::Jumper, cell.name, cell.gauge, cell.custom ? cell.length : 0, 1});
    for (const Cell &cell : run.cells)
        if (cell.kind == Cell::Jumper && cell.custom)
            count({Material::CustomCable, cell.name, cell.gauge, cell.length, 0});
    return list;
}

QPageSize::PageSizeId defaultPage(const QLocale &locale)
{
    static const QLocale::Territory letter[]
        = {QLocale::UnitedStates, QLocale::Canada, QLocale::Mexico, QLocale::Chile,
            QLocale::Colombia, QLocale::Venezuela, QLocale::Philippines, QLocale::PuertoRico,
            QLocale::Guatemala, QLocale::CostaRica, QLocale::Panama, QLocale::DominicanRepublic};
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
        ? QPageSize::Letter
        : QPageSize::A4;
}

QDateTime madeAt()
{
    bool ok = false;
    const qlonglong seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok && seconds >= 0)
        return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return QDateTime::currentDateTime();
}

bool paint(const QList<Run> &runs, const QDateTime &madeAt, QPagedPaintDevice &device)
{
    const double pt = device.logicalDpiY() / 72.0;
    Composer composer(device, pt);
    for (const Run &run : runs)
        addRun(composer, run, madeAt);
    if (runs.size() > 1)
        addSummary(composer, runs);

    // A printer may be asked for some of the pages; they keep their numbers.
    const QPageRanges chosen = device.pageRanges();
    QPainter painter;
    bool begun = false;
    for (int i = 0; i < composer.pages.size(); ++i) {
        if (!chosen.isEmpty() && !chosen.contains(i + 1))
            continue;
        if (begun)
            device.newPage();
        else if (!(begun = painter.begin(&device)))
            return false;
        const Page &page = composer.pages.at(i);
        for (const auto &[top, block] : page.blocks) {
            Canvas canvas {painter, QRectF(0, top, composer.width, block.height), pt};
            block.draw(canvas);
        }
        Canvas whole {painter, QRectF(0, 0, composer.width, composer.height), pt};
        painter.setFont(composer.style.font(SmallSize));
        drawFooter(whole, page.footer, i + 1, int(composer.pages.size()), composer.footerHeight);
    }
    return begun && painter.end();
}

QPageLayout pageLayout(QPageSize::PageSizeId page)
{
    return QPageLayout(QPageSize(page), QPageLayout::Portrait,
        QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

bool writePdf(
    const QList<Run> &runs, const QDateTime &madeAt, QPageSize::PageSizeId page, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Wattlan"));
    writer.setTitle(Text::tr("Run sheet"));
    writer.setPageLayout(pageLayout(page));
    return paint(runs, madeAt, writer);
}

bool writePdf(const QList<Run> &runs, const QDateTime &madeAt, QPageSize::PageSizeId page,
    const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writePdf(runs, madeAt, page, file)) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace RunSheet
