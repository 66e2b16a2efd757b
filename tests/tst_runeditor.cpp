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

#include <memory>

namespace {
// A selector as "type row/gauge row/length" and how many of the gauge, AWG,
// length and ft controls show; "unsized" when it is not at its size hint.
QString state(const JWidget *jumper)
{
    int shown = 0;
    for (const QWidget *control : jumper->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        shown += control != jumper->jumperCombo() && !control->isHidden();
    return QStringLiteral("%1/%2/%3 %4%5")
        .arg(jumper->jumperCombo()->currentIndex())
        .arg(jumper->gaugeCombo()->currentIndex())
        .arg(jumper->lengthSpin()->value())
        .arg(shown)
        .arg(jumper->size() == jumper->sizeHint() ? "" : " unsized");
}

// Whether the connection pen shows at or right next to point.
bool inked(const QImage &image, QPointF point)
{
    for (int d = 0; d < 9; ++d) {
        const QPoint p = point.toPoint() + QPoint(d % 3 - 1, d / 3 - 1);
        if (image.rect().contains(p) && qRed(image.pixel(p)) < qRed(image.pixel(0, 0)) - 25)
            return true;
    }
    return false;
}

// Counts the events by which a widget is moved, resized, shown, hidden or reparented.
struct TouchCounter : QObject
{
    int touches = 0;
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

    // A standard jumper (at most 2 in a row), a custom one and a second standard one.
    std::unique_ptr<YmFixture> m_fixture = fixtureRecord({jumperRecord("1 ft", 1, 0.01, {}, 0, 2),
        jumperRecord("Custom", 0, 0, {0.0025, 0.5}, 1), jumperRecord("4 ft", 4, 0.04)});

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

    // Adds cells 'F' (fixtures) and 'J' (jumpers) of the given sizes, if any.
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
        addColumns<QString, int, int, QList<QPoint>>(
            "kinds", "fixtureHeight", "jumperHeight", "expected");
        QTest::newRow("FJF") << "FJF" << 20 << 20 << QList<QPoint> {{10, 10}, {220, 22}, {10, 34}};
        QTest::newRow("FF") << "FF" << 20 << 20 << QList<QPoint> {{10, 10}, {10, 32}};
        QTest::newRow("JJ") << "JJ" << 20 << 20 << QList<QPoint> {{220, 10}, {220, 32}};
        QTest::newRow("JF") << "JF" << 20 << 20 << QList<QPoint> {{220, 10}, {10, 22}};
        QTest::newRow("odd heights")
            << "FJF" << 21 << 15 << QList<QPoint> {{10, 10}, {220, 22}, {10, 31}};
        QTest::newRow("FFJ") << "FFJ" << 20 << 30 << QList<QPoint> {{10, 10}, {10, 32}, {220, 44}};
    }

    void cellsZigzag()
    {
        const auto [kinds, fixtureHeight, jumperHeight, expected]
            = fetch<QString, int, int, QList<QPoint>>(
                "kinds", "fixtureHeight", "jumperHeight", "expected");
        CFrame frame;
        addCells(frame, kinds, QSize(100, fixtureHeight), QSize(150, jumperHeight));
        QCOMPARE(positions(frame), expected);
        const QWidget *last = frame.cells().last()->widget();
        const int width = kinds.contains('J') ? 220 + 150 + 25 : 10 + 100 + 25;
        QCOMPARE(frame.surface()->size(), QSize(width, last->y() + last->height()));

        // The connections: a line between kinds, a bracket on the right within one.
        QImage image(frame.surface()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        frame.surface()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        const auto mid = [](const QRect &r) { return r.y() + r.height() / 2; };
        const auto blank = [&](QPointF q) { return image.pixel(q.toPoint()) == image.pixel(0, 0); };
        for (int i = 1; i < kinds.size(); ++i) {
            const QRect p = frame.cells().at(i - 1)->widget()->geometry();
            const QRect c = frame.cells().at(i)->widget()->geometry();
            if (kinds.at(i) == kinds.at(i - 1)) {
                const int middle = (mid(p) + mid(c)) / 2; // in whole pixels, as painted
                const QPointF bend(std::max(p.right(), c.right()) + 21, middle);
                QVERIFY(inked(image, bend) && inked(image, QPointF(p.right() + 2, mid(p)))
                    && inked(image, QPointF(c.right() + 2, mid(c))));
                QVERIFY(blank(bend + QPointF(4, 0)) && blank(bend - QPointF(8, 0)));
                continue;
            }
            const bool fromFixture = kinds.at(i - 1) == 'F';
            const QPointF from(fromFixture ? p.right() + 1 : p.x(), mid(p));
            const int toY = c.y() + p.height() / 2 - (fromFixture ? 0 : 3);
            const QPointF to(fromFixture ? c.x() : c.right() + 1, toY);
            for (double t : {0.1, 0.5, 0.9})
                QVERIFY(inked(image, from + t * (to - from)));
            QVERIFY(blank(from + 0.5 * (to - from) + QPointF(0, 4)));
        }
        QVERIFY(blank(QPointF(image.width() - 2, 2))); // and nothing else
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
        QCOMPARE(hidden->cells().at(1)->widget()->y(), first->y() + first->height() / 2 + 2);
    }

    void longRunsChangeOnlyTheirEnd()
    {
        CFrame frame;
        frame.resize(500, 400);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int i = 0; i < 2000; ++i)
            frame.addCell(cell(i % 2 ? 'J' : 'F'));
        // A new cell shows, and the last is scrolled into view.
        const QWidget *last = frame.cells().last()->widget();
        QVERIFY(last->isVisible());
        QVERIFY(frame.viewport()->rect().contains(
            QRect(last->mapTo(frame.viewport(), QPoint(0, 0)), last->size())));
        QCOMPARE(frame.verticalScrollBar()->value(), frame.verticalScrollBar()->maximum());
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
        QVERIFY(timer.elapsed() < 31 * 2 * 50); // far below a pause anyone would notice
    }

    void resetMarksOnlyRunsOfSeveralCells_data()
    {
        QTest::addColumn<QString>("kinds");
        for (const char *kinds : {"", "F", "FJ"})
            QTest::newRow(*kinds ? kinds : "empty") << QString(kinds);
    }
    void resetMarksOnlyRunsOfSeveralCells()
    {
        QFETCH(QString, kinds);
        CFrame frame;
        QVERIFY(!frame.isModified());
        addCells(frame, kinds);
        QPointer<QWidget> first = frame.cells().isEmpty() ? nullptr : frame.cells()[0]->widget();
        frame.setValid(true);
        frame.clearModified();
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        frame.resetFrame();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(frame.isModified(), kinds.size() > 1);
        QCOMPARE(frame.fixtureCount() + frame.jumperCount() + frame.cells().size(), 0);
        QVERIFY(!frame.isValid() && first.isNull());
    }

    void countsFollowAddsAndRemoves()
    {
        CFrame frame;
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        frame.removeCell(-1); // removing nothing still signals
        addCells(frame, "FJFJF");
        // The cells unchanged since the run was last read: none, then all five.
        QCOMPARE(frame.takeUnchangedCount(), 0);
        QCOMPARE(frame.takeUnchangedCount(), 5);
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
        QCOMPARE(changes.count(), 9);
        // What remains lays out again from the top.
        QCOMPARE(frame.cells().first()->widget()->pos(), QPoint(220, 10));
        frame.clearModified();
        frame.removeCell(4);
        QCOMPARE(changes.count(), 10);
        QVERIFY(frame.isModified());
    }

    void jumperChoiceRelaysTheRun()
    {
        CFrame frame;
        addCells(frame, "FJF");
        JWidget *jumper = frame.cells().at(1)->jumperWidget();
        frame.clearModified();
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        jumper->jumperCombo()->setCurrentIndex(1);
        QVERIFY(changes.count() >= 1 && frame.isModified());
        QCOMPARE(jumper->size(), jumper->sizeHint());
        // The custom jumper is taller; the fixture after it follows.
        QCOMPARE(frame.cells().at(2)->widget()->y(), jumper->y() + jumper->height() / 2 + 2);
        QVERIFY(frame.surface()->width() >= 220 + jumper->width() + 25);
        changes.clear();
        jumper->lengthSpin()->setValue(9);
        QCOMPARE(changes.count(), 1);
    }

    void cellsAndTheirSelectors()
    {
        auto cell = std::make_unique<CWidget>();
        cell->setFixture(m_fixture.get(), 3);
        QCOMPARE(cell->item(), m_fixture.get());
        QPointer<QLabel> label = qobject_cast<QLabel *>(cell->widget());
        QCOMPARE(label->text(), QStringLiteral("3: LX"));
        cell->setJumper(m_fixture.get(), nullptr, -1, -1);
        QVERIFY(label.isNull()); // the replaced widget is gone
        QCOMPARE(cell->itemType(), int(CWidget::ItemJumper));
        QPointer<JWidget> jumper = cell->jumperWidget();
        QWidget surface;
        jumper->setParent(&surface);
        cell.reset();
        QVERIFY(jumper.isNull());
        // A jumper cell set to a fixture is a fixture again.
        CWidget again;
        again.setJumper(m_fixture.get(), nullptr, -1, -1);
        again.setFixture(m_fixture.get(), 4);
        QCOMPARE(again.itemType(), int(CWidget::ItemFixture));
    }

    // A new selector starts at the fixture's default type, if there is one.
    void newSelectorStartsAtTheDefaultType_data()
    {
        addColumns<int, int>("defaultJumper", "row");
        QTest::newRow("the first") << 0 << 0;
        QTest::newRow("the third") << 2 << 2;
        QTest::newRow("none") << -1 << 0;
        QTest::newRow("past the list") << 3 << 0;
    }
    void newSelectorStartsAtTheDefaultType()
    {
        const auto [defaultJumper, row] = fetch<int, int>("defaultJumper", "row");
        auto record = fixtureRecord(
            {jumperRecord("A", 1, 0), jumperRecord("B", 1, 0), jumperRecord("C", 1, 0)},
            defaultJumper);
        QCOMPARE(JWidget(record.get()).jumperCombo()->currentIndex(), row);
    }

    // A custom type copies its gauge and length, a standard one only itself:
    // the previous selector's type row and gauge row (-1: none) set, its length 7.
    void copyingFromThePreviousJumper_data()
    {
        addColumns<int, int, QString>("type", "gauge", "copied");
        QTest::newRow("custom") << 1 << 0 << "1/0/7 4";
        QTest::newRow("standard") << 2 << -1 << "2/-1/1 0";
    }
    void copyingFromThePreviousJumper()
    {
        const auto [type, gauge, copied] = fetch<int, int, QString>("type", "gauge", "copied");
        CWidget previous;
        previous.setJumper(m_fixture.get(), nullptr, type, gauge);
        previous.jumperWidget()->lengthSpin()->setValue(7);
        CWidget cell;
        QSignalSpy changes(&cell, &CWidget::valueChanged);
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), -1, -1);
        QCOMPARE(state(cell.jumperWidget()), copied);
        // Rows past the end keep the copy; rows chosen after it are signalled.
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), 3, 9);
        QCOMPARE(state(cell.jumperWidget()), copied);
        QCOMPARE(changes.count(), 0);
        cell.setJumper(m_fixture.get(), previous.jumperWidget(), 0, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 0);
        QVERIFY(changes.count() >= 1);
        // A cell rebuilt from its own selector keeps its choices.
        QPointer<JWidget> own = previous.jumperWidget();
        previous.setJumper(m_fixture.get(), own, -1, -1);
        QVERIFY(own.isNull());
        QCOMPARE(state(previous.jumperWidget()), copied);
    }

    // A row the fixture lacks keeps its default, with the default's own choices.
    void copyingARowTheFixtureLacks()
    {
        auto small = fixtureRecord({jumperRecord("A", 1, 0.1), jumperRecord("B", 2, 0.2)}, 1);
        auto custom = fixtureRecord({jumperRecord("Custom", 0, 0, {0.9, 0.6}, 1)});
        JWidget previous(m_fixture.get());
        previous.jumperCombo()->setCurrentIndex(2);
        CWidget cell;
        cell.setJumper(small.get(), &previous, -1, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 1);
        previous.jumperCombo()->setCurrentIndex(1);
        previous.refreshGauges();
        previous.gaugeCombo()->setCurrentIndex(0);
        previous.lengthSpin()->setValue(7);
        cell.setJumper(custom.get(), &previous, -1, -1);
        QCOMPARE(state(cell.jumperWidget()), QStringLiteral("0/1/1 4"));
    }
};

WATTLAN_TEST_MAIN(TestRunEditor)
#include "tst_runeditor.moc"
