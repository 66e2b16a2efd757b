#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "tabwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace {
const char *const page = "TSFtab";

QStringList kinds(const CFrame *frame)
{
    QStringList result;
    for (const CWidget *cell : frame->cells())
        result << (cell->itemType() == CWidget::ItemJumper ? "J" : "F");
    return result;
}

QColor baseOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Active, QPalette::Base);
}
} // namespace

class TestTessanTab : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheFirstFixtureCalculated()
    {
        TabWindow tab;
        QCOMPARE(tab.child<QComboBox>("m_TSFixture_Combo")->currentText(), QStringLiteral("Puck"));
        QCOMPARE(tab.child<QComboBox>("m_TSSupply_Combo")->count(), 2);
        QCOMPARE(tab.child<QComboBox>("m_TS_LeaderType_Combo")->currentText(),
            QStringLiteral("Leader 6 ft"));
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(kinds(frame), QStringList({"F"}));
        QVERIFY(frame->isValid());
        // The reset does not clear the modified flag, unlike the Zelvane one.
        QVERIFY(frame->isModified());
        QCOMPARE(tab.child<QLabel>("m_TS_TotalFixtures_Label")->text(),
            QStringLiteral("Total Fixtures: 1"));
        const auto *watts = tab.child<QLineEdit>("m_TS_TotalPowerWatts_Edit");
        QCOMPARE(watts->text(), QStringLiteral("8.4"));
        QCOMPARE(watts->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(baseOf(watts), QColor(192, 255, 192));
        // 0.5 ft of fixture and 6 ft of leader at 8.03 milliohm per foot.
        QCOMPARE(tab.log().last(), QStringLiteral("Length = 6.5 Current = 0.35 VDrop = 0.016863"));
        QVERIFY(tab.prompter.boxes.isEmpty());
    }

    void startUpCalculationsFollowTheFirstTwoLines()
    {
        TabWindow tab;
        const QStringList lines = tab.log();
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.at(1), QStringLiteral("Database version LV-1"));
        const QStringList calculated = lines.mid(2);
        QVERIFY(
            calculated.contains(QStringLiteral("Length = 6.5 Current = 0.35 VDrop = 0.016863")));
        // The flex string solver of the checked mode (longest leader) ran too.
        QVERIFY(!calculated.filter(QRegularExpression(QStringLiteral("^Compute \\S+ \\S+$")))
                     .isEmpty());
    }

    void buttonsBuildTheRun_data()
    {
        // Presses: J adds a jumper, F a fixture, D deletes the last cell.
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("run");
        QTest::newRow("MaxInARow 2") << "Puck"
                                     << "JJJ" << QStringList({"F", "J", "J"});
        QTest::newRow("MaxInARow 0") << "Free"
                                     << "JJJ" << QStringList({"F", "J", "J", "J"});
        QTest::newRow("limit counts only the jumpers at the end")
            << "Puck"
            << "JJFJJJ" << QStringList({"F", "J", "J", "F", "J", "J"});
        QTest::newRow("delete takes the last cell") << "Puck"
                                                    << "JD" << QStringList({"F"});
        QTest::newRow("delete never leaves the run empty") << "Puck"
                                                           << "JDD" << QStringList({"F"});
    }

    void buttonsBuildTheRun()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, presses);
        QFETCH(QStringList, run);
        TabWindow tab;
        tab.choose("m_TSFixture_Combo", fixture);
        for (const QChar press : presses)
            tab.click(page,
                press == 'J'       ? "m_TS_AddJumper_Button"
                    : press == 'F' ? "m_TS_AddFixture_Button"
                                   : "m_TS_Delete_Button");
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(kinds(frame), run);
        QCOMPARE(frame->jumperCount(), run.count("J"));
    }

    void newJumperCopiesTheLastJumpersType()
    {
        TabWindow tab;
        tab.click(page, "m_TS_AddJumper_Button");
        CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        JWidget *first = frame->cells().last()->jumperWidget();
        first->jumperCombo()->setCurrentIndex(1); // "Any": no limit in a row
        for (int press = 0; press < 3; ++press)
            tab.click(page, "m_TS_AddJumper_Button");
        QCOMPARE(kinds(frame), QStringList({"F", "J", "J", "J", "J"}));
        QCOMPARE(frame->cells().last()->jumperWidget()->jumperCombo()->currentText(),
            QStringLiteral("Any"));
    }

    void leaderSetsTheLengthAndItsRange()
    {
        TabWindow tab;
        auto *length = tab.child<QSpinBox>("m_TS_LeaderLength_Spin");
        auto *gauge = tab.child<QComboBox>("m_TS_LeaderSize_Combo");
        QWidget *tsPage = tab.child<QWidget>(page);
        QCOMPARE(length->value(), 6);
        QCOMPARE(length->maximum(), 40);
        QVERIFY(!gauge->isVisibleTo(tsPage));

        tab.choose("m_TS_LeaderType_Combo", QStringLiteral("Custom Leader"));
        // A custom leader holds no length: the box falls to its minimum, and
        // the first wire is chosen whatever the leader's default.
        QCOMPARE(length->value(), 1);
        QCOMPARE(gauge->currentIndex(), 0);
        QCOMPARE(length->maximum(), 30);
        QVERIFY(gauge->isVisibleTo(tsPage));
        QVERIFY(tab.child<QLabel>("m_TS_LeaderSize_Label")->isVisibleTo(tsPage));
        // 1 ft of 18 AWG at 12.8 milliohm per foot.
        QCOMPARE(tab.log().last(), QStringLiteral("Length = 1.5 Current = 0.35 VDrop = 0.00448"));

        gauge->setCurrentIndex(1);
        QCOMPARE(length->maximum(), 50);
        QCOMPARE(tab.log().last(), QStringLiteral("Length = 1.5 Current = 0.35 VDrop = 0.0028105"));

        tab.choose("m_TS_LeaderType_Combo", QStringLiteral("Leader 6 ft"));
        QCOMPARE(length->value(), 6);
        QCOMPARE(length->maximum(), 40);
        QVERIFY(!gauge->isVisibleTo(tsPage));
    }

    void leaderLengthRecalculates()
    {
        TabWindow tab;
        tab.child<QSpinBox>("m_TS_LeaderLength_Spin")->setValue(20);
        QCOMPARE(tab.log().last(), QStringLiteral("Length = 20.5 Current = 0.35 VDrop = 0.05621"));
    }

    void fixtureOfTheSameFamilyKeepsTheRun()
    {
        TabWindow tab;
        tab.click(page, "m_TS_AddFixture_Button");
        tab.choose("m_TSSupply_Combo", QStringLiteral("Hub 0"));
        tab.choose("m_TSFixture_Combo", QStringLiteral("Puck Twin"));
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(frame->fixtureCount(), 2);
        QCOMPARE(tab.child<QComboBox>("m_TSSupply_Combo")->currentText(), QStringLiteral("Hub 0"));
        QCOMPARE(tab.child<QComboBox>("m_TS_LeaderType_Combo")->currentText(),
            QStringLiteral("Leader 6 ft"));

        // Family 0 rebuilds the selectors and the run.
        tab.choose("m_TSFixture_Combo", QStringLiteral("Free"));
        QCOMPARE(frame->fixtureCount(), 1);
        QCOMPARE(tab.child<QComboBox>("m_TSSupply_Combo")->count(), 1);
        QCOMPARE(frame->cells().first()->item()->Name, QStringLiteral("Free"));
    }

    void resetLeavesOneFixture()
    {
        TabWindow tab;
        CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        tab.click(page, "m_TS_AddFixture_Button");
        tab.click(page, "m_TS_AddJumper_Button");
        frame->clearModified();
        tab.click(page, "m_TS_Reset_Button");
        QCOMPARE(kinds(frame), QStringList({"F"}));
        QVERIFY(frame->isModified());
    }

    void maximizeFillsThePort_data()
    {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("jumpers");
        // 8.4 W a fixture on a 100 W port: 11 fixtures.
        QTest::newRow("fixtures only") << QStringList() << 11 << 0;
        QTest::newRow("fixture, jumper, fixture")
            << QStringList({"m_TS_AddJumper_Button", "m_TS_AddFixture_Button"}) << 11 << 10;
        QTest::newRow("two jumpers, then the pattern")
            << QStringList({"m_TS_AddJumper_Button", "m_TS_AddJumper_Button"}) << 11 << 11;
    }

    void maximizeFillsThePort()
    {
        QFETCH(QStringList, presses);
        QFETCH(int, fixtures);
        QFETCH(int, jumpers);
        TabWindow tab;
        for (const QString &button : presses)
            tab.click(page, qPrintable(button));
        tab.click(page, "m_TS_Maximize_Button");
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(frame->fixtureCount(), fixtures);
        QCOMPARE(frame->jumperCount(), jumpers);
        QVERIFY(frame->isValid());
        QCOMPARE(frame->cells().last()->itemType(), int(CWidget::ItemFixture));
    }

    void maximizeOfARunWithoutLimitIsBounded()
    {
        TabWindow tab;
        tab.choose("m_TSFixture_Combo", QStringLiteral("Dark"));
        tab.click(page, "m_TS_Maximize_Button");
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(frame->fixtureCount(), 1000);
        QVERIFY(frame->isValid());
    }

    void overloadedPortShowsRed()
    {
        TabWindow tab;
        for (int i = 0; i < 11; ++i)
            tab.click(page, "m_TS_AddFixture_Button");
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QVERIFY(!frame->isValid());
        QCOMPARE(baseOf(tab.child<QLineEdit>("m_TS_TotalPowerWatts_Edit")), QColor(255, 128, 128));
        tab.click(page, "m_TS_Delete_Button");
        QVERIFY(frame->isValid());
    }

    void fixtureWithoutSuppliesOrLeadersIsInvalid()
    {
        TabWindow tab;
        tab.choose("m_TSFixture_Combo", QStringLiteral("Orphan"));
        QCOMPARE(tab.child<QComboBox>("m_TSSupply_Combo")->count(), 0);
        QCOMPARE(tab.child<QComboBox>("m_TS_LeaderType_Combo")->count(), 0);
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        QCOMPARE(kinds(frame), QStringList({"F"}));
        QVERIFY(!frame->isValid());
        // No jumper types: the jumper cell names none, and the run stays invalid.
        tab.click(page, "m_TS_AddJumper_Button");
        tab.click(page, "m_TS_AddFixture_Button");
        tab.click(page, "m_TS_Maximize_Button");
        QCOMPARE(kinds(frame), QStringList({"F"}));
        QVERIFY(tab.prompter.boxes.isEmpty());
    }

    void mismatchWarnsOnlyForAnEntryThatNamesNoRecord()
    {
        TabWindow tab;
        auto *fixtures = tab.child<QComboBox>("m_TSFixture_Combo");
        const CFrame *frame = tab.child<CFrame>("m_TS_Frame");
        tab.click(page, "m_TS_AddFixture_Button");
        fixtures->addItem(QStringLiteral("Stray"), 99);
        fixtures->setCurrentIndex(fixtures->count() - 1);
        QCOMPARE(tab.prompter.texts(), QStringList({"Fixture combo mismatch (TS Fixture)!"}));
        QCOMPARE(tab.prompter.boxes.first().caption, QStringLiteral("Wattlan"));
        QCOMPARE(tab.prompter.boxes.first().icon, QMessageBox::Warning);
        QCOMPARE(frame->fixtureCount(), 2);
        QCOMPARE(tab.child<QComboBox>("m_TSSupply_Combo")->count(), 2);

        tab.prompter.clear();
        fixtures->setCurrentIndex(-1);
        QVERIFY(tab.prompter.boxes.isEmpty());
    }

    void tabWorksOncePutBack()
    {
        TabWindow tab;
        auto *tabs = tab.child<QTabWidget>("tabWidget");
        const int index = tabs->addTab(tab.child<QWidget>(page), QStringLiteral("Tessan Fixture"));
        tabs->setTabEnabled(index, true);
        tabs->setCurrentIndex(index);
        tab.child<QAbstractButton>("m_TS_AddFixture_Button")->click();
        QCOMPARE(tab.child<CFrame>("m_TS_Frame")->fixtureCount(), 2);
    }
};

WATTLAN_TEST_MAIN(TestTessanTab)
#include "tst_tessantab.moc"
