#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "testsupport.h"
#include "wattlan.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

#include <memory>

class TestZelvaneTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<CapturingPrompter> m_prompter;
    std::unique_ptr<Wattlan> m_window;

    template<typename T> T *child(const char *name) const
    {
        T *widget = m_window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    CFrame *frame() const { return child<CFrame>("m_ZV_Frame"); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    void click(const char *button) const { child<QPushButton>(button)->click(); }

    // The run as a word: F for a fixture cell, J for a jumper cell.
    QString run() const
    {
        QString word;
        for (const CWidget *cell : frame()->cells())
            word += cell->itemType() == CWidget::ItemFixture ? QLatin1Char('F') : QLatin1Char('J');
        return word;
    }

    void chooseFixture(const QString &name) const
    {
        QComboBox *fixtures = combo("m_ZVFixture_Combo");
        fixtures->setCurrentIndex(fixtures->findText(name));
    }

    QString lastLogLine() const
    {
        return child<QTextEdit>("m_messageBox")->toPlainText().split(QLatin1Char('\n')).last();
    }

    JWidget *jumperAt(int index) const { return frame()->cells().at(index)->jumperWidget(); }

private slots:
    void init()
    {
        m_prompter = std::make_unique<CapturingPrompter>();
        const QString source = qEnvironmentVariable("WATTLAN_SOURCE_DIR");
        m_window
            = std::make_unique<Wattlan>(QDir(source + QStringLiteral("/tests/data/zelvanetab")));
        QCOMPARE(m_prompter->texts(), QStringList());
    }

    void cleanup()
    {
        m_window.reset();
        m_prompter.reset();
    }

    void startsWithOneFixtureAndNoChanges()
    {
        QCOMPARE(combo("m_ZVFixture_Combo")->currentText(), QStringLiteral("Plain"));
        QCOMPARE(combo("m_ZVSupply_Combo")->currentText(), QStringLiteral("Long Run"));
        QCOMPARE(combo("m_ZV_LeaderType_Combo")->currentText(), QStringLiteral("Std Leader"));
        QCOMPARE(run(), QStringLiteral("F"));
        QVERIFY(!frame()->isModified());
        QVERIFY(frame()->isValid());
        auto *leaderLength = child<QSpinBox>("m_ZV_LeaderLength_Spin");
        QCOMPARE(leaderLength->value(), 20);
        QCOMPARE(leaderLength->maximum(), 50);

        click("m_ZV_Reset_Button");
        QCOMPARE(run(), QStringLiteral("F"));
        QVERIFY(!frame()->isModified());
        click("m_ZV_AddFixture_Button");
        click("m_ZV_Reset_Button");
        QCOMPARE(run(), QStringLiteral("F"));
        QVERIFY(frame()->isModified());
    }

    void showsTheWorkedExample()
    {
        click("m_ZV_AddFixture_Button");
        QCOMPARE(lastLogLine(),
            QStringLiteral("Length = 28 Power = 200 Current = 1.66667 VDrop = 0.583333"));
        QCOMPARE(
            child<QLabel>("m_ZV_DerateLoad_Label")->text(), QStringLiteral("(derated to 12 amps)"));
        QCOMPARE(
            child<QLabel>("m_ZV_TotalFixtures_Label")->text(), QStringLiteral("Total Fixtures: 2"));
        for (const auto &[name, text] : {std::pair {"m_ZV_TotalPowerWatts_Edit", "200.0"},
                 std::pair {"m_ZV_TotalPowerAmps_Edit", "1.7"}}) {
            auto *edit = child<QLineEdit>(name);
            QCOMPARE(edit->text(), QLatin1String(text));
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QVERIFY(edit->autoFillBackground());
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                QCOMPARE(edit->palette().color(group, QPalette::Base), QColor(192, 255, 192));
        }
    }

    void editsTheRun()
    {
        click("m_ZV_Delete_Button");
        QCOMPARE(run(), QStringLiteral("F"));
        QCOMPARE(frame()->fixtureCount(), 1);
        click("m_ZV_AddJumper_Button");
        click("m_ZV_AddJumper_Button");
        QCOMPARE(run(), QStringLiteral("FJ"));

        // A custom jumper is copied with its type, gauge and length.
        JWidget *first = jumperAt(1);
        first->jumperCombo()->setCurrentIndex(1);
        first->gaugeCombo()->setCurrentIndex(1);
        first->lengthSpin()->setValue(7);
        click("m_ZV_AddFixture_Button");
        click("m_ZV_AddJumper_Button");
        QCOMPARE(run(), QStringLiteral("FJFJ"));
        JWidget *copy = jumperAt(3);
        QCOMPARE(copy->jumperCombo()->currentIndex(), 1);
        QCOMPARE(copy->gaugeCombo()->currentIndex(), 1);
        QCOMPARE(copy->lengthSpin()->value(), 7);
    }

    void jumperRequiredAddsAJumperFirst()
    {
        chooseFixture(QStringLiteral("Jumpered"));
        QCOMPARE(run(), QStringLiteral("F"));
        click("m_ZV_AddFixture_Button");
        QCOMPARE(run(), QStringLiteral("FJF"));
        click("m_ZV_Delete_Button");
        click("m_ZV_Delete_Button");
        click("m_ZV_Delete_Button");
        QCOMPARE(run(), QStringLiteral("F"));
    }

    void maximizeFindsTheLargestValidRun_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("result");
        const QString fixture = QStringLiteral("m_ZV_AddFixture_Button");
        QTest::newRow("fixtures only") << "Plain" << QStringList() << QString(10, 'F');
        QTest::newRow("jumper then fixture steps")
            << "Plain" << QStringList({"m_ZV_AddJumper_Button", fixture})
            << QStringLiteral("FJ").repeated(9) + 'F';
        QTest::newRow("invalid run only shrinks")
            << "Plain" << QStringList(11, fixture) << QString(10, 'F');
        QTest::newRow("fixture count of family 1")
            << "Counted" << QStringList() << QString(12, 'F');
        QTest::newRow("bounded") << "Endless" << QStringList() << QString(1000, 'F');
        // No supply, leader or jumper type: invalid from the first cell.
        QTest::newRow("invalid single cell")
            << "Bare" << QStringList({"m_ZV_AddJumper_Button", fixture}) << QStringLiteral("F");
    }

    void maximizeFindsTheLargestValidRun()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, buttons);
        QFETCH(QString, result);
        chooseFixture(fixture);
        for (const QString &button : buttons)
            click(qPrintable(button));
        click("m_ZV_Maximize_Button");
        QCOMPARE(run(), result);
        QCOMPARE(frame()->isValid(), fixture != QLatin1String("Bare"));
    }

    void fixtureSwitchKeepsOrResetsByFamily()
    {
        chooseFixture(QStringLiteral("Fam A"));
        combo("m_ZVSupply_Combo")->setCurrentIndex(1);
        combo("m_ZV_LeaderType_Combo")->setCurrentIndex(1);
        click("m_ZV_AddFixture_Button");
        QCOMPARE(run(), QStringLiteral("FF"));

        // Fam B has one supply and one leader: the kept rows name nothing in
        // its lists, so its run cannot be checked.
        chooseFixture(QStringLiteral("Fam B"));
        QCOMPARE(run(), QStringLiteral("FF"));
        QCOMPARE(combo("m_ZVSupply_Combo")->currentText(), QStringLiteral("Node 12"));
        QCOMPARE(combo("m_ZV_LeaderType_Combo")->currentText(), QStringLiteral("Custom Leader"));
        click("m_ZV_AddFixture_Button");
        QVERIFY(!frame()->isValid());
        QCOMPARE(child<QLineEdit>("m_ZV_TotalPowerWatts_Edit")->toolTip(),
            QStringLiteral("No supply selected for this fixture\n"
                           "No leader cable or gauge selected\n"
                           "Current 2.5 A \u2264 derated load 12 A\n"
                           "Voltage drop 0.416667 % of 120 V \u2264 max 50 %\n"
                           "Power 300 W \u2264 max 1000 W"));

        chooseFixture(QStringLiteral("Plain"));
        QCOMPARE(run(), QStringLiteral("F"));
        QCOMPARE(combo("m_ZVSupply_Combo")->count(), 1);
        QCOMPARE(combo("m_ZV_LeaderType_Combo")->currentIndex(), 0);
    }

    void leaderRuleAndOtherEntries()
    {
        auto *gauge = combo("m_ZV_LeaderSize_Combo");
        auto *length = child<QSpinBox>("m_ZV_LeaderLength_Spin");
        QVERIFY(gauge->isHidden());
        combo("m_ZV_LeaderType_Combo")->setCurrentIndex(1);
        QVERIFY(!gauge->isHidden());
        QCOMPARE(gauge->currentText(), QStringLiteral("12 AWG"));
        QCOMPARE(length->maximum(), 80);
        QCOMPARE(length->value(), 35);
        combo("m_ZV_LeaderType_Combo")->setCurrentIndex(0);
        QVERIFY(gauge->isHidden());
        QCOMPARE(length->maximum(), 50);
        QCOMPARE(length->value(), 20);

        auto *voltage = child<QSpinBox>("m_ZV_LineVoltage_Spin");
        combo("m_ZV_LineVoltage_Combo")->setCurrentIndex(6);
        QVERIFY(!voltage->isHidden());
        voltage->setValue(200);
        QVERIFY(lastLogLine().contains(QLatin1String("Current = 0.5 ")));
        combo("m_ZV_LineVoltage_Combo")->setCurrentIndex(2);
        QVERIFY(voltage->isHidden());
        QVERIFY(lastLogLine().contains(QLatin1String("Current = 0.480769 ")));
    }

    void toolTipNamesExactlyTheFailingLimits()
    {
        combo("m_ZV_MaxLoad_Combo")->setCurrentIndex(2);
        child<QSpinBox>("m_ZV_MaxLoad_Spin")->setValue(5);
        for (int i = 0; i < 10; ++i)
            click("m_ZV_AddFixture_Button");
        QVERIFY(!frame()->isValid());
        const QStringList lines
            = child<QLineEdit>("m_ZV_TotalPowerAmps_Edit")->toolTip().split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 2),
            QStringList({QStringLiteral("Current 9.16667 A > derated load 4 A"),
                QStringLiteral("Power 1100 W > max 1000 W")}));
        for (const QString &line : lines.mid(2))
            QVERIFY2(line.contains(QChar(0x2264)), qPrintable(line));
        QCOMPARE(child<QLineEdit>("m_ZV_TotalPowerWatts_Edit")->palette().color(QPalette::Base),
            QColor(255, 128, 128));
    }

    void selectorWithoutARecord()
    {
        // No current entry, as an unknown fixture name in a project file leaves it.
        combo("m_ZVFixture_Combo")->setCurrentIndex(-1);
        QCOMPARE(run(), QStringLiteral("F"));
        click("m_ZV_AddFixture_Button");
        click("m_ZV_AddJumper_Button");
        QCOMPARE(run(), QStringLiteral("F"));
        click("m_ZV_Delete_Button");
        QCOMPARE(run(), QString());
        click("m_ZV_Maximize_Button");
        QCOMPARE(run(), QString());
        QVERIFY(!frame()->isValid());
        QVERIFY(m_prompter->boxes.isEmpty());

        // An entry whose item data names no record is a mismatch.
        combo("m_ZVFixture_Combo")->setItemData(2, QVariant());
        combo("m_ZVFixture_Combo")->setCurrentIndex(2);
        QCOMPARE(m_prompter->texts(), QStringList({"Fixture combo mismatch (ZV)!"}));
        QCOMPARE(m_prompter->boxes.first().caption, QStringLiteral("Wattlan"));
        QCOMPARE(m_prompter->boxes.first().icon, QMessageBox::Warning);
    }
};

WATTLAN_TEST_MAIN(TestZelvaneTab)
#include "tst_zelvanetab.moc"
