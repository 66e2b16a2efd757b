#include "cframe.h"
#include "cinternalframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "runrecords.h"
#include "testsupport.h"
#include "wattlan.h" // the generated form

#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

using namespace RunRecords;

namespace {
// Counts the events by which a widget is moved, resized, shown, hidden or reparented.
class TouchCounter : public QObject
{
public:
    int touches = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        touches += type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show
            || type == QEvent::Hide || type == QEvent::ParentChange;
        return false;
    }
};

int shade(const QImage &image, int x, int y)
{
    return qRed(image.pixel(x, y));
}

// Whether the connection pen shows at or right next to point.
bool inked(const QImage &image, QPointF point)
{
    const QPoint centre(int(std::floor(point.x())), int(std::floor(point.y())));
    for (int y = centre.y() - 1; y <= centre.y() + 1; ++y) {
        for (int x = centre.x() - 1; x <= centre.x() + 1; ++x) {
            if (image.rect().contains(x, y) && shade(image, x, y) < shade(image, 0, 0) - 25)
                return true;
        }
    }
    return false;
}

bool blank(const QImage &image, QPointF point)
{
    return image.pixel(point.toPoint()) == image.pixel(0, 0);
}
} // namespace

class TestRunFrame : public QObject
{
    Q_OBJECT

    std::unique_ptr<YmFixture> m_fixture = threeJumperFixture();

    // A cell of kind 'F' (fixture) or 'J' (jumper), its widget of the given size.
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
        QTest::newRow("fixture, jumper, fixture")
            << "FJF" << 20 << 20 << QList<QPoint> {{10, 10}, {220, 22}, {10, 34}};
        QTest::newRow("two fixtures stack")
            << "FF" << 20 << 20 << QList<QPoint> {{10, 10}, {10, 32}};
        QTest::newRow("two jumpers stack")
            << "JJ" << 20 << 20 << QList<QPoint> {{220, 10}, {220, 32}};
        QTest::newRow("jumper first") << "JF" << 20 << 20 << QList<QPoint> {{220, 10}, {10, 22}};
        QTest::newRow("odd heights round down")
            << "FJF" << 21 << 15 << QList<QPoint> {{10, 10}, {220, 22}, {10, 31}};
        QTest::newRow("fixtures, then a jumper")
            << "FFJ" << 20 << 30 << QList<QPoint> {{10, 10}, {10, 32}, {220, 44}};
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
        for (const CWidget *cell : frame.cells())
            QVERIFY(cell->widget()->isVisibleTo(frame.surface()));
        const QWidget *last = frame.cells().last()->widget();
        const int width = kinds.contains('J') ? 220 + 150 + 25 : 10 + 100 + 25;
        QCOMPARE(frame.surface()->size(), QSize(width, last->y() + last->height()));
    }

    void surfaceOnlyGrowsUntilReset()
    {
        CFrame frame;
        addCells(frame, "FJF", QSize(100, 20), QSize(150, 20));
        QCOMPARE(frame.surface()->size(), QSize(395, 54));
        frame.removeCell(-1);
        frame.removeCell(-1);
        QCOMPARE(frame.surface()->size(), QSize(395, 54));
        frame.addCell(cell('F', QSize(500, 20)));
        QCOMPARE(frame.surface()->size(), QSize(535, 54));
        frame.resetFrame();
        QCOMPARE(frame.surface()->size(), QSize(0, 0));
    }

    void cellsOnAHiddenPageTakeTheirNaturalSize()
    {
        // Pages taken out of the tab widget, and a window still being built,
        // lay their runs out before anything is shown.
        QWidget hiddenPage;
        auto *frame = new CFrame(&hiddenPage);
        addCells(*frame, "FJF");
        const QWidget *first = frame->cells().first()->widget();
        QCOMPARE(first->size(), first->sizeHint());
        QCOMPARE(frame->cells().at(1)->widget()->y(),
            first->y() + first->height() / 2 + CFrame::CellGap);
        QVERIFY(frame->surface()->height() < 200);
    }

    void lastCellIsRevealed()
    {
        CFrame frame;
        frame.resize(400, 200);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        addCells(frame, QString(21, 'F'), QSize(100, 30));
        const QWidget *last = frame.cells().last()->widget();
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
        QVERIFY(frame.cells().isEmpty());
        QCOMPARE(frame.fixtureCount() + frame.jumperCount(), 0);
        QVERIFY(!frame.isValid());
        QVERIFY(first.isNull());
    }

    void removingNothingStillSignals_data()
    {
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("index");
        QTest::newRow("last of an empty run") << "" << -1;
        QTest::newRow("past the end") << "FJ" << 2;
    }

    void removingNothingStillSignals()
    {
        QFETCH(QString, kinds);
        QFETCH(int, index);
        CFrame frame;
        addCells(frame, kinds);
        frame.clearModified();
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        frame.removeCell(index);
        QCOMPARE(changes.count(), 1);
        QVERIFY(frame.isModified());
        QCOMPARE(frame.cells().size(), kinds.size());
    }

    void countsFollowAddsAndRemoves()
    {
        CFrame frame;
        QSignalSpy changes(&frame, &CFrame::frameChanged);
        addCells(frame, "FJFJF");
        QCOMPARE(frame.fixtureCount(), 3);
        QCOMPARE(frame.jumperCount(), 2);
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
        QTest::newRow("fixture, jumper, fixture") << "FJF";
        QTest::newRow("two fixtures, then a jumper") << "FFJ";
        QTest::newRow("two jumpers, then a fixture") << "JJF";
    }

    void connectionsArePainted()
    {
        QFETCH(QString, kinds);
        CFrame frame;
        // Unequal heights tell half of the previous cell from half of the next.
        addCells(frame, kinds, QSize(120, 20), QSize(90, 30));
        QImage image(frame.surface()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        // Without the cells: only what the surface paints on its background.
        frame.surface()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);

        for (int i = 1; i < kinds.size(); ++i) {
            const QRect p = frame.cells().at(i - 1)->widget()->geometry();
            const QRect c = frame.cells().at(i)->widget()->geometry();
            const int halfP = p.height() / 2;
            const QByteArray where = "connection " + QByteArray::number(i);
            if (kinds.at(i) == kinds.at(i - 1)) {
                const int r1 = p.x() + p.width();
                const int r2 = c.x() + c.width();
                const int y1 = p.y() + halfP;
                const int y2 = c.y() + c.height() / 2;
                const int x = std::max(r1, r2) + 20;
                const int m = (y1 + y2) / 2;
                const double d = std::sqrt(0.5);
                for (QPointF on : {QPointF(r1 + 1, y1),
                         QPointF(r1 + (x - r1) * d, m - (m - y1) * d), QPointF(x, m),
                         QPointF(r2 + (x - r2) * d, m + (y2 - m) * d), QPointF(r2 + 1, y2)})
                    QVERIFY2(inked(image, on), where);
                QVERIFY2(blank(image, QPointF(x + 4, m)), where);
                QVERIFY2(blank(image, QPointF(x - 8, m)), where);
                continue;
            }
            const bool fromFixture = kinds.at(i - 1) == 'F';
            const QPointF from(fromFixture ? p.right() + 1 : p.x(), p.y() + halfP);
            const QPointF to(
                fromFixture ? c.x() : c.right() + 1, c.y() + halfP - (fromFixture ? 0 : 3));
            for (double t : {0.1, 0.5, 0.9}) {
                const QPointF on = from + t * (to - from);
                QVERIFY2(inked(image, on), where);
                QVERIFY2(t < 0.2 || blank(image, on + QPointF(0, 4)), where);
                QVERIFY2(t < 0.2 || blank(image, on - QPointF(0, 4)), where);
            }
        }
        // Nothing else is painted; the pen is grey, smoothed at its edges.
        QVERIFY(blank(image, QPointF(image.width() - 2, 2)));
        int darkest = 255;
        int smoothed = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qGreen(pixel) == qRed(pixel) && qBlue(pixel) == qRed(pixel));
                darkest = std::min(darkest, qRed(pixel));
                smoothed += qRed(pixel) > 160 && qRed(pixel) < shade(image, 0, 0) - 10;
            }
        }
        QVERIFY(darkest >= 150 && darkest < 200);
        QVERIFY(smoothed > 10);
    }

    void formPlacesTheRunEditors()
    {
        QMainWindow window;
        Ui::WattlanClass form;
        form.setupUi(&window);
        const QList<QPair<CFrame *, QWidget *>> frames = {{form.m_ZV_Frame, form.ZVTab},
            {form.m_TS_Frame, form.TSFtab}, {form.m_OB_Frame, form.OBTab}};
        for (const auto &[frame, page] : frames) {
            QVERIFY(page->isAncestorOf(frame));
            QCOMPARE(frame->frameStyle(), QFrame::Panel | QFrame::Sunken);
            QCOMPARE(frame->sizePolicy().verticalStretch(), 1);
            QCOMPARE(frame->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
            QCOMPARE(frame->widget(), frame->surface());
            QVERIFY(frame->cells().isEmpty() && !frame->isModified());
        }
    }

    // Appending to or cutting the end of a long run leaves every other cell alone.
    void longRunsChangeOnlyTheirEnd()
    {
        const int cells = 2000;
        CFrame frame;
        frame.resize(500, 400);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        for (int i = 0; i < cells; ++i)
            frame.addCell(cell(i % 2 ? 'J' : 'F'));
        QCoreApplication::processEvents();
        TouchCounter counter;
        for (const CWidget *cell : frame.cells())
            cell->widget()->installEventFilter(&counter);
        const QList<QPoint> before = positions(frame);

        // Each step with the repaint it causes, over a few rounds.
        const int rounds = 31;
        QList<qint64> adds;
        QList<qint64> removes;
        QElapsedTimer timer;
        for (int round = 0; round < rounds; ++round) {
            timer.start();
            frame.addCell(cell('J'));
            QCoreApplication::processEvents();
            adds << timer.nsecsElapsed();
            timer.start();
            frame.removeCell(-1);
            QCoreApplication::processEvents();
            removes << timer.nsecsElapsed();
        }
        QCOMPARE(counter.touches, 0);
        QCOMPARE(positions(frame), before);
        std::sort(adds.begin(), adds.end());
        std::sort(removes.begin(), removes.end());
        qInfo("at %d cells, median of %d: add %.2f ms, remove %.2f ms", cells, rounds,
            double(adds.at(rounds / 2)) / 1e6, double(removes.at(rounds / 2)) / 1e6);
        // A generous bound, far below a pause anyone would notice.
        QVERIFY(adds.at(rounds / 2) < 50'000'000 && removes.at(rounds / 2) < 50'000'000);
    }
};

WATTLAN_TEST_MAIN(TestRunFrame)
#include "tst_runframe.moc"
