// The run editor: fixture and jumper cells, and the frame that lays them out.
#include "cframe.h"
#include "cinternalframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "testsupport.h"
#include "ymcable.h"
#include "ymfixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>

#include <cmath>
#include <memory>

namespace {
YmJumper *standardJumper(const QString &name, double length, double resistance, int inARow = 0)
{
    auto *jumper = new YmJumper(name);
    jumper->ElectricalLength = length;
    jumper->Resistance = resistance;
    jumper->MaxInARow = inARow;
    return jumper;
}

// A custom jumper offering wires of the given ohms per foot, named after them.
YmJumper *customJumper(const QString &name, const QList<double> &wires, int defaultWire = 0)
{
    auto *jumper = new YmJumper(name);
    jumper->IsCustom = true;
    jumper->DefaultCustomWire = defaultWire;
    for (double resistance : wires) {
        auto *wire = new YmWire(QString::number(resistance));
        wire->Resistance = resistance;
        jumper->CustomWireList.append(wire);
    }
    return jumper;
}

std::unique_ptr<YmFixture> fixture(const QList<YmJumper *> &jumpers, int defaultJumper = 0)
{
    auto record = std::make_unique<YmFixture>(QStringLiteral("LX fixture"), TechZelvane);
    record->ShortName = QStringLiteral("LX");
    record->JumperList = jumpers;
    record->DefaultJumper = defaultJumper;
    return record;
}

// A standard jumper (at most 2 in a row), a custom one and a second standard one.
std::unique_ptr<YmFixture> threeJumperFixture()
{
    return fixture({standardJumper("1 ft", 1, 0.01, 2), customJumper("Custom", {0.0025, 0.5}, 1),
        standardJumper("4 ft", 4, 0.04)});
}

QStringList entries(const QComboBox *combo)
{
    QStringList texts;
    for (int row = 0; row < combo->count(); ++row)
        texts << combo->itemText(row);
    return texts;
}

// How many of the gauge, AWG, length and ft controls are shown.
int customControlsShown(const JWidget *jumper)
{
    int shown = 0;
    for (const QWidget *control : jumper->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        shown += control != jumper->jumperCombo() && !control->isHidden();
    return shown;
}

// Whether the connection pen shows at or right next to point.
bool inked(const QImage &image, QPointF point)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p(int(std::floor(point.x())) + dx, int(std::floor(point.y())) + dy);
            if (image.rect().contains(p) && qRed(image.pixel(p)) < qRed(image.pixel(0, 0)) - 25)
                return true;
        }
    return false;
}

bool blank(const QImage &image, QPointF point)
{
    return image.pixel(point.toPoint()) == image.pixel(0, 0);
}

// Counts the events by which a widget is moved, resized, shown, hidden or reparented.
class TouchCounter : public QObject
{
public:
    int touches = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type t = event->type();
        touches += t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show
            || t == QEvent::Hide || t == QEvent::ParentChange;
        return false;
    }
};
} // namespace

class TestRunEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<YmFixture> m_fixture = threeJumperFixture();

    CWidget *cell(QChar kind, QSize size = QSize())
    {
        auto *cell = new CWidget;
        if (kind == 'F')
            cell->setFixture(m_fixture.get(), 1);
        else
            cell->setJumper(m_fixture.get(), nullptr, -1, -1);
        if (size.isValid())
            cell->widget()->setFixedSize(size);
        return cell;
    }

    void addCells(CFrame &frame, const QString &kinds, QSize fixture = {}, QSize jumper = {})
    {
        for (QChar kind : kinds)
            frame.addCell(cell(kind, kind == 'F' ? fixture : jumper));
    }

    static QList<QPoint> positions(const CFrame &frame)
    {
        QList<QPoint> result;
        for (const CWidget *cell : frame.cells())
            result << cell->widget()->pos();
        return result;
    }

private slots:
    void cellsZigzag_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("fixtureHeight");
        QTest::addColumn<int>("jumperHeight");
        QTest::addColumn<QList<QPoint>>("expected");
        QTest::newRow("FJF") << "FJF" << 20 << 20 << QList<QPoint> {{10, 10}, {220, 22}, {10, 34}};
        QTest::newRow("FF") << "FF" << 20 << 20 << QList<QPoint> {{10, 10}, {10, 32}};
        QTest::newRow("JJ") << "JJ" << 20 << 20 << QList<QPoint> {{220, 10}, {220, 32}};
        QTest::newRow("JF") << "JF" << 20 << 20 << QList<QPoint> {{220, 10}, {10, 22}};
        QTest::newRow("odd heights round down")
            << "FJF" << 21 << 15 << QList<QPoint> {{10, 10}, {220, 22}, {10, 31}};
        QTest::newRow("FFJ") << "FFJ" << 20 << 30 << QList<QPoint> {{10, 10}, {10, 32}, {220, 44}};
    }

    void cellsZigzag()
    {
        QFETCH(QString, kinds);
        QFETCH(int, fixtureHeight);
        QFETCH(int, jumperHeight);
        QFETCH(QList<QPoint>, expected);
        CFrame frame;
        addCells(frame, kinds, QSize(100, fixtureHeight), QSize(150, jumperHeight));
        QCOMPARE(positions(frame), expected);
        const QWidget *last = frame.cells().last()->widget();
        const int width = kinds.contains('J') ? 220 + 150 + 25 : 10 + 100 + 25;
        QCOMPARE(frame.surface()->size(), QSize(width, last->y() + last->height()));
    }

    void surfaceOnlyGrowsUntilReset()
    {
        CFrame frame;
        addCells(frame, "FJF", QSize(100, 20), QSize(150, 20));
        frame.removeCell(-1);
        frame.removeCell(-1);
        QCOMPARE(frame.surface()->size(), QSize(395, 54));
        frame.addCell(cell('F', QSize(500, 20)));
        QCOMPARE(frame.surface()->size(), QSize(535, 54));
        frame.resetFrame();
        QCOMPARE(frame.surface()->size(), QSize(0, 0));

        // A page out of the tab widget lays its run out at the cells' natural size.
        QWidget hiddenPage;
        auto *hidden = new CFrame(&hiddenPage);
        addCells(*hidden, "FJF");
        const QWidget *first = hidden->cells().first()->widget();
        QCOMPARE(first->size(), first->sizeHint());
        QCOMPARE(hidden->cells().at(1)->widget()->y(),
            first->y() + first->height() / 2 + CFrame::CellGap);
    }

    void newCellsShowAndTheLastIsRevealed()
    {
        CFrame frame;
        frame.resize(400, 200);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        addCells(frame, QString(21, 'F'), QSize(100, 30));
        const QWidget *last = frame.cells().last()->widget();
        QVERIFY(last->isVisible());
        QVERIFY(frame.viewport()->rect().contains(
            QRect(last->mapTo(frame.viewport(), QPoint(0, 0)), last->size())));
        QCOMPARE(frame.verticalScrollBar()->value(), frame.verticalScrollBar()->maximum());
    }

    void resetMarksOnlyRunsOfSeveralCells_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<bool>("modified");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one cell") << "F" << false;
        QTest::newRow("two cells") << "FJ" << true;
    }

    void resetMarksOnlyRunsOfSeveralCells()
    {
        QFETCH(QString, kinds);
        QFETCH(bool, modified);
        CFrame frame;
        QVERIFY(!frame.isModified());
        addCells(frame, kinds);
        QPointer<QWidget> first = kinds.isEmpty() ? nullptr : frame.cells().first()->widget();
        frame.setValid(true);
        frame.clearModified();
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        frame.resetFrame();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(frame.isModified(), modified);
        QCOMPARE(frame.fixtureCount() + frame.jumperCount() + frame.cells().size(), 0);
        QVERIFY(!frame.isValid());
        QVERIFY(first.isNull());
    }

    void countsFollowAddsAndRemoves()
    {
        CFrame frame;
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        addCells(frame, "FJFJF");
        frame.removeCell(-1);
        frame.removeCell(0);
        QCOMPARE(frame.fixtureCount(), 1);
        QCOMPARE(frame.jumperCount(), 2);
        CWidget *jumper = cell('J');
        frame.addCell(jumper);
        frame.addCell(jumper); // a cell already in the run is not taken twice
        frame.addCell(nullptr);
        QCOMPARE(frame.jumperCount(), 3);
        QCOMPARE(frame.cells().size(), 4);
        QCOMPARE(changes.count(), 8);
        // What remains lays out again from the top.
        QCOMPARE(frame.cells().first()->widget()->pos(), QPoint(220, 10));
        // Removing nothing still signals and marks the run.
        frame.clearModified();
        frame.removeCell(4);
        QCOMPARE(changes.count(), 9);
        QVERIFY(frame.isModified());
        CFrame empty;
        QSignalSpy emptied(&empty, &CFrame::frameChanged);
        empty.removeCell(-1);
        QCOMPARE(emptied.count(), 1);
    }

    void jumperChoiceRelaysTheRun()
    {
        CFrame frame;
        addCells(frame, "FJF");
        JWidget *jumper = frame.cells().at(1)->jumperWidget();
        frame.clearModified();
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        jumper->jumperCombo()->setCurrentIndex(1);
        QVERIFY(changes.count() >= 1);
        QVERIFY(frame.isModified());
        // The custom jumper is taller; the fixture after it follows.
        QCOMPARE(frame.cells().at(2)->widget()->y(), jumper->y() + jumper->height() / 2 + 2);
        QVERIFY(frame.surface()->width() >= 220 + jumper->width() + 25);
        changes.clear();
        jumper->lengthSpin()->setValue(9);
        QCOMPARE(changes.count(), 1);
    }

    void connectionsArePainted_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::newRow("FJF") << "FJF";
        QTest::newRow("FFJ") << "FFJ";
        QTest::newRow("JJF") << "JJF";
    }

    void connectionsArePainted()
    {
        QFETCH(QString, kinds);
        CFrame frame;
        // Unequal heights tell half of the previous cell from half of the next.
        addCells(frame, kinds, QSize(120, 20), QSize(90, 30));
        QImage image(frame.surface()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        frame.surface()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        for (int i = 1; i < kinds.size(); ++i) {
            const QRect p = frame.cells().at(i - 1)->widget()->geometry();
            const QRect c = frame.cells().at(i)->widget()->geometry();
            if (kinds.at(i) == kinds.at(i - 1)) {
                // A bend out to the right of both cells, and back.
                const int r1 = p.x() + p.width();
                const int r2 = c.x() + c.width();
                const int y1 = p.y() + p.height() / 2;
                const int y2 = c.y() + c.height() / 2;
                const int x = std::max(r1, r2) + 20;
                const int m = (y1 + y2) / 2;
                for (QPointF on : {QPointF(r1 + 1, y1), QPointF(x, m), QPointF(r2 + 1, y2)})
                    QVERIFY(inked(image, on));
                QVERIFY(blank(image, QPointF(x + 4, m)) && blank(image, QPointF(x - 8, m)));
                continue;
            }
            const bool fromFixture = kinds.at(i - 1) == 'F';
            const QPointF from(fromFixture ? p.right() + 1 : p.x(), p.y() + p.height() / 2);
            const QPointF to(fromFixture ? c.x() : c.right() + 1,
                c.y() + p.height() / 2 - (fromFixture ? 0 : 3));
            for (double t : {0.1, 0.5, 0.9})
                QVERIFY(inked(image, from + t * (to - from)));
            QVERIFY(blank(image, from + 0.5 * (to - from) + QPointF(0, 4)));
        }
        // Nothing else; the pen is grey, smoothed at its edges.
        QVERIFY(blank(image, QPointF(image.width() - 2, 2)));
        const int background = qRed(image.pixel(0, 0));
        int darkest = 255;
        int smoothed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qGreen(pixel) == qRed(pixel) && qBlue(pixel) == qRed(pixel));
                darkest = std::min(darkest, qRed(pixel));
                smoothed += qRed(pixel) > 160 && qRed(pixel) < background - 10;
            }
        QVERIFY(darkest >= 150 && darkest < 200);
        QVERIFY(smoothed > 10);
    }

    // Appending to or cutting the end of a long run leaves every other cell alone.
    void longRunsChangeOnlyTheirEnd()
    {
        CFrame frame;
        frame.resize(500, 400);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int i = 0; i < 2000; ++i)
            frame.addCell(cell(i % 2 ? 'J' : 'F'));
        QCoreApplication::processEvents();
        TouchCounter counter;
        for (const CWidget *cell : frame.cells())
            cell->widget()->installEventFilter(&counter);
        const QList<QPoint> before = positions(frame);
        QElapsedTimer timer;
        timer.start();
        for (int round = 0; round < 31; ++round) {
            frame.addCell(cell('J'));
            QCoreApplication::processEvents();
            frame.removeCell(-1);
            QCoreApplication::processEvents();
        }
        QCOMPARE(counter.touches, 0);
        QCOMPARE(positions(frame), before);
        // A generous bound, far below a pause anyone would notice.
        QVERIFY(timer.elapsed() < 31 * 2 * 50);
    }

    void fixtureCellAndItsReplacement()
    {
        auto cell = std::make_unique<CWidget>();
        cell->setFixture(m_fixture.get(), 3);
        QCOMPARE(cell->item(), m_fixture.get());
        QCOMPARE(cell->itemType(), int(CWidget::ItemFixture));
        QPointer<QLabel> label = qobject_cast<QLabel *>(cell->widget());
        QCOMPARE(label->text(), QStringLiteral("3: LX"));
        cell->setJumper(m_fixture.get(), nullptr, -1, -1);
        QVERIFY(label.isNull());
        QCOMPARE(cell->itemType(), int(CWidget::ItemJumper));
        QPointer<JWidget> jumper = cell->jumperWidget();
        QWidget surface;
        jumper->setParent(&surface);
        cell.reset();
        QVERIFY(jumper.isNull());
    }

    void newSelectorStartsAtTheDefaultJumper()
    {
        const std::initializer_list<std::pair<int, int>> rows {{0, 0}, {2, 2}, {-1, 0}, {3, 0}};
        for (const auto &[defaultJumper, row] : rows) {
            m_fixture->DefaultJumper = defaultJumper;
            JWidget jumper(m_fixture.get());
            QCOMPARE(entries(jumper.jumperCombo()), QStringList({"1 ft", "Custom", "4 ft"}));
            QCOMPARE(jumper.jumperCombo()->currentIndex(), row);
        }
        m_fixture->DefaultJumper = 0;
    }

    void customControlsFollowTheJumperType()
    {
        CWidget cell;
        cell.setJumper(m_fixture.get(), nullptr, -1, -1);
        JWidget *jumper = cell.jumperWidget();
        QCOMPARE(customControlsShown(jumper), 0);
        QCOMPARE(jumper->maxInARow(), 2);
        QSignalSpy changes(&cell, &CWidget::valueChanged);
        jumper->jumperCombo()->setCurrentIndex(1);
        QVERIFY(changes.count() >= 1);
        QCOMPARE(customControlsShown(jumper), 4);
        QCOMPARE(entries(jumper->gaugeCombo()), QStringList({"0.0025", "0.5"}));
        QCOMPARE(jumper->gaugeCombo()->currentIndex(), 1);
        QCOMPARE(jumper->size(), jumper->sizeHint());
        jumper->gaugeCombo()->setCurrentIndex(0);
        jumper->lengthSpin()->setValue(7);
        jumper->jumperCombo()->setCurrentIndex(2);
        QCOMPARE(customControlsShown(jumper), 0);
        QCOMPARE(jumper->size(), jumper->sizeHint());
        jumper->jumperCombo()->setCurrentIndex(1);
        QCOMPARE(jumper->gaugeCombo()->currentIndex(), 1);
        QCOMPARE(jumper->lengthSpin()->value(), 7);
    }

    void lengthAndResistance_data()
    {
        QTest::addColumn<int>("jumperRow");
        QTest::addColumn<int>("gaugeRow");
        QTest::addColumn<double>("expectedLength");
        QTest::addColumn<double>("expectedResistance");
        // A standard jumper's resistance is the whole cable's, whatever the spin box says.
        QTest::newRow("standard") << 0 << -1 << 10.0 << 0.5;
        QTest::newRow("custom, 10 ft at 0.5 ohm per foot") << 1 << 0 << 10.0 << 5.0;
        QTest::newRow("custom, second wire") << 1 << 1 << 10.0 << 0.025;
        // Without wires, or without the row, the caller's per-foot figure stands.
        QTest::newRow("custom without wires") << 2 << -1 << 10.0 << 2.5;
        QTest::newRow("gauge past the wires") << 3 << 1 << 10.0 << 2.5;
        QTest::newRow("no jumper types") << -1 << -1 << 3.0 << 0.25;
    }

    void lengthAndResistance()
    {
        QFETCH(int, jumperRow);
        QFETCH(int, gaugeRow);
        QFETCH(double, expectedLength);
        QFETCH(double, expectedResistance);
        auto record = jumperRow < 0
            ? fixture({})
            : fixture({standardJumper("10 ft", 10, 0.5), customJumper("Custom", {0.5, 0.0025}),
                customJumper("Bare", {}), customJumper("Narrow", {0.9})});
        CWidget cell;
        cell.setJumper(record.get(), nullptr, jumperRow, gaugeRow);
        JWidget *jumper = cell.jumperWidget();
        if (jumperRow == 3) // the gauge row of a wider type, kept after the type changed
            jumper->gaugeCombo()->addItem(QStringLiteral("stale"));
        jumper->gaugeCombo()->setCurrentIndex(gaugeRow);
        jumper->lengthSpin()->setValue(10);
        double length = 3;
        double resistance = 0.25;
        jumper->lengthAndResistance(length, resistance);
        QCOMPARE(length, expectedLength);
        QCOMPARE(resistance, expectedResistance);
        QCOMPARE(jumper->jumperCombo()->currentIndex(), jumperRow);
        if (jumperRow < 0)
            QCOMPARE(jumper->maxInARow(), 0);
    }

    void copyingFromThePreviousJumper_data()
    {
        QTest::addColumn<int>("templateRow");
        QTest::addColumn<int>("templateGauge");
        QTest::addColumn<int>("expectedLength");
        QTest::newRow("custom copies gauge and length") << 1 << 0 << 7;
        QTest::newRow("standard copies only the type") << 2 << -1 << 1;
    }

    void copyingFromThePreviousJumper()
    {
        QFETCH(int, templateRow);
        QFETCH(int, templateGauge);
        QFETCH(int, expectedLength);
        CWidget previous;
        previous.setJumper(m_fixture.get(), nullptr, templateRow, templateGauge);
        previous.jumperWidget()->lengthSpin()->setValue(7);

        CWidget cell;
        QSignalSpy changes(&cell, &CWidget::valueChanged);
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), -1, -1);
        JWidget *copy = cell.jumperWidget();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(copy->jumperCombo()->currentIndex(), templateRow);
        QCOMPARE(copy->gaugeCombo()->currentIndex(), templateGauge);
        QCOMPARE(copy->lengthSpin()->value(), expectedLength);
        // Indexes past the end keep the copy; selections made after it are signalled.
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), 3, 9);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), templateRow);
        QCOMPARE(changes.count(), 0);
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), 0, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 0);
        QVERIFY(changes.count() >= 1);
        // A cell rebuilt from its own selector keeps its choices.
        QPointer<JWidget> own = previous.jumperWidget();
        previous.setJumper(m_fixture.get(), own, -1, -1);
        QVERIFY(own.isNull());
        QCOMPARE(previous.jumperWidget()->jumperCombo()->currentIndex(), templateRow);
        QCOMPARE(previous.jumperWidget()->lengthSpin()->value(), expectedLength);
    }

    void copyingARowTheFixtureLacksKeepsItsDefault()
    {
        auto small = fixture({standardJumper("A", 1, 0.1), standardJumper("B", 2, 0.2)}, 1);
        JWidget previous(m_fixture.get());
        previous.jumperCombo()->setCurrentIndex(2);
        CWidget cell;
        cell.setJumper(small.get(), &previous, -1, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 1);

        // The default kept is custom: it keeps its own gauge and length too.
        auto custom = fixture({customJumper("Custom", {0.9, 0.6}, 1)});
        JWidget wide(m_fixture.get());
        wide.jumperCombo()->setCurrentIndex(1);
        wide.refreshGauges();
        wide.gaugeCombo()->setCurrentIndex(0);
        wide.lengthSpin()->setValue(7);
        CWidget narrow;
        narrow.setJumper(custom.get(), &wide, -1, -1);
        JWidget *kept = narrow.jumperWidget();
        QCOMPARE(kept->jumperCombo()->currentIndex(), 0);
        QCOMPARE(kept->gaugeCombo()->currentIndex(), 1);
        QCOMPARE(kept->lengthSpin()->value(), 1);
    }
};

WATTLAN_TEST_MAIN(TestRunEditor)
#include "tst_runeditor.moc"
