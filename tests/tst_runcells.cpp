#include "cwidget.h"
#include "jwidget.h"
#include "runrecords.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QSpinBox>

using namespace RunRecords;

class TestRunCells : public QObject
{
    Q_OBJECT

    static QStringList entries(const QComboBox *combo)
    {
        QStringList texts;
        for (int row = 0; row < combo->count(); ++row)
            texts << combo->itemText(row);
        return texts;
    }

    // How many of the gauge, AWG, length and ft controls are shown.
    static int customControlsShown(const JWidget *jumper)
    {
        int shown = 0;
        for (const QWidget *control : jumper->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            shown += control != jumper->jumperCombo() && !control->isHidden();
        return shown;
    }

private slots:
    void fixtureCellAndItsReplacement()
    {
        auto record = threeJumperFixture();
        record->ShortName = QStringLiteral("S");
        auto cell = std::make_unique<CWidget>();
        cell->setFixture(record.get(), 3);
        QCOMPARE(cell->item(), record.get());
        QCOMPARE(cell->itemType(), 2);
        auto *label = qobject_cast<QLabel *>(cell->widget());
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("3: S"));
        QCOMPARE(label->frameStyle(), 0x21);
        QCOMPARE(label->margin(), 2);

        QPointer<QWidget> replaced = label;
        cell->setJumper(record.get(), nullptr, -1, -1);
        QVERIFY(replaced.isNull());
        QCOMPARE(cell->itemType(), 3);
        QPointer<QWidget> jumper = cell->jumperWidget();
        QWidget surface;
        jumper->setParent(&surface);
        cell.reset();
        QVERIFY(jumper.isNull());
    }

    void newSelectorStartsAtTheDefaultJumper_data()
    {
        QTest::addColumn<int>("defaultJumper");
        QTest::addColumn<int>("row");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("last") << 2 << 2;
        QTest::newRow("negative") << -1 << 0;
        QTest::newRow("one past the end") << 3 << 0;
    }

    void newSelectorStartsAtTheDefaultJumper()
    {
        QFETCH(int, defaultJumper);
        QFETCH(int, row);
        auto record = threeJumperFixture();
        record->DefaultJumper = defaultJumper;
        JWidget jumper(record.get());
        QCOMPARE(entries(jumper.jumperCombo()), QStringList({"1 ft", "Custom", "4 ft"}));
        QCOMPARE(jumper.jumperCombo()->currentIndex(), row);
    }

    void customControlsFollowTheJumperType()
    {
        auto record = threeJumperFixture();
        CWidget cell;
        cell.setJumper(record.get(), nullptr, -1, -1);
        JWidget *jumper = cell.jumperWidget();
        QCOMPARE(customControlsShown(jumper), 0);
        QCOMPARE(jumper->maxInARow(), 2);

        QSignalSpy changes(&cell, &CWidget::valueChanged);
        jumper->jumperCombo()->setCurrentIndex(1);
        QVERIFY(changes.count() >= 1);
        QCOMPARE(customControlsShown(jumper), 4);
        QCOMPARE(entries(jumper->gaugeCombo()), QStringList({"14", "12"}));
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
        // A custom type without wires multiplies the caller's per-foot figure.
        QTest::newRow("custom without wires") << 2 << -1 << 10.0 << 2.5;
    }

    void lengthAndResistance()
    {
        QFETCH(int, jumperRow);
        QFETCH(int, gaugeRow);
        QFETCH(double, expectedLength);
        QFETCH(double, expectedResistance);
        auto record = fixture(QStringLiteral("LX"),
            {standardJumper(QStringLiteral("10 ft"), 10, 0.5),
                customJumper(QStringLiteral("Custom"),
                    {{QStringLiteral("14"), 0.5}, {QStringLiteral("16"), 0.0025}}),
                customJumper(QStringLiteral("Bare"), {})});
        CWidget cell;
        cell.setJumper(record.get(), nullptr, jumperRow, gaugeRow);
        cell.jumperWidget()->lengthSpin()->setValue(10);
        double length = -1;
        double resistance = 0.25;
        cell.jumperWidget()->lengthAndResistance(length, resistance);
        QCOMPARE(length, expectedLength);
        QCOMPARE(resistance, expectedResistance);
    }

    void rowsOutsideTheListsChangeNothing()
    {
        // No jumper types at all: row -1.
        auto bare = fixture(QStringLiteral("B"));
        CWidget empty;
        empty.setJumper(bare.get(), nullptr, 0, 0);
        JWidget *none = empty.jumperWidget();
        QCOMPARE(none->jumperCombo()->currentIndex(), -1);
        none->refreshGauges();
        double length = 3;
        double resistance = 4;
        none->lengthAndResistance(length, resistance);
        QCOMPARE(length, 3.0);
        QCOMPARE(resistance, 4.0);
        QCOMPARE(none->maxInARow(), 0);

        // Indexes past the end keep the defaults and signal nothing.
        auto record = threeJumperFixture();
        CWidget cell;
        QSignalSpy changes(&cell, &CWidget::valueChanged);
        cell.setJumper(record.get(), nullptr, 3, 9);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 0);
        QCOMPARE(changes.count(), 0);

        // A gauge row past the selected type's wires (the selector was changed
        // without its cell) leaves the caller's per-foot figure.
        auto two = fixture(QStringLiteral("T"),
            {customJumper(QStringLiteral("Wide"),
                 {{QStringLiteral("14"), 0.1}, {QStringLiteral("12"), 0.2}}, 1),
                customJumper(QStringLiteral("Narrow"), {{QStringLiteral("18"), 0.9}})});
        JWidget loose(two.get());
        loose.jumperCombo()->setCurrentIndex(1);
        loose.lengthSpin()->setValue(2);
        resistance = 0.5;
        loose.lengthAndResistance(length, resistance);
        QCOMPARE(length, 2.0);
        QCOMPARE(resistance, 1.0);
    }

    void copyingFromThePreviousJumper_data()
    {
        QTest::addColumn<int>("templateRow");
        QTest::addColumn<int>("templateGauge");
        QTest::addColumn<int>("templateLength");
        QTest::addColumn<int>("expectedLength");
        QTest::newRow("custom copies gauge and length") << 1 << 0 << 7 << 7;
        QTest::newRow("standard copies only the type") << 2 << -1 << 7 << 1;
    }

    void copyingFromThePreviousJumper()
    {
        QFETCH(int, templateRow);
        QFETCH(int, templateGauge);
        QFETCH(int, templateLength);
        QFETCH(int, expectedLength);
        auto record = threeJumperFixture();
        CWidget previous;
        previous.setJumper(record.get(), nullptr, templateRow, templateGauge);
        previous.jumperWidget()->lengthSpin()->setValue(templateLength);

        CWidget cell;
        QSignalSpy changes(&cell, &CWidget::valueChanged);
        cell.setJumper(record.get(), previous.jumperWidget(), -1, -1);
        JWidget *copy = cell.jumperWidget();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(copy->jumperCombo()->currentIndex(), templateRow);
        QCOMPARE(copy->gaugeCombo()->currentIndex(), templateGauge);
        QCOMPARE(copy->lengthSpin()->value(), expectedLength);

        // Selections made after the copy are signalled.
        cell.setJumper(record.get(), previous.jumperWidget(), 0, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 0);
        QVERIFY(changes.count() >= 1);

        // A cell rebuilt from its own selector keeps its choices.
        QPointer<JWidget> own = previous.jumperWidget();
        previous.setJumper(record.get(), own, -1, -1);
        QVERIFY(own.isNull());
        QCOMPARE(previous.jumperWidget()->jumperCombo()->currentIndex(), templateRow);
        QCOMPARE(previous.jumperWidget()->lengthSpin()->value(), expectedLength);
    }

    void copyingARowTheFixtureLacksKeepsItsDefault()
    {
        auto large = threeJumperFixture();
        auto small = fixture(QStringLiteral("SM"),
            {standardJumper(QStringLiteral("A"), 1, 0.1),
                standardJumper(QStringLiteral("B"), 2, 0.2)},
            1);
        JWidget previous(large.get());
        previous.jumperCombo()->setCurrentIndex(2);
        CWidget cell;
        cell.setJumper(small.get(), &previous, -1, -1);
        QCOMPARE(cell.jumperWidget()->jumperCombo()->currentIndex(), 1);

        // The default kept is custom: it keeps its own gauge and length too,
        // not those of the type that could not be copied.
        auto custom = fixture(QStringLiteral("CU"),
            {customJumper(QStringLiteral("Custom"),
                {{QStringLiteral("18"), 0.9}, {QStringLiteral("16"), 0.6}}, 1)});
        JWidget wide(large.get());
        wide.jumperCombo()->setCurrentIndex(1);
        wide.refreshGauges();
        wide.gaugeCombo()->setCurrentIndex(0);
        wide.lengthSpin()->setValue(7);
        // Row 1 names nothing in a list of one.
        CWidget narrow;
        narrow.setJumper(custom.get(), &wide, -1, -1);
        JWidget *kept = narrow.jumperWidget();
        QCOMPARE(kept->jumperCombo()->currentIndex(), 0);
        QCOMPARE(kept->gaugeCombo()->currentIndex(), 1);
        QCOMPARE(kept->lengthSpin()->value(), 1);
    }
};

WATTLAN_TEST_MAIN(TestRunCells)
#include "tst_runcells.moc"
