#include "cframe.h"
#include "cwidget.h"
#include "runbound.h"
#include "windowfixture.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

QString projectFile(const char *name)
{
    return qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/tests/data/projects/")
        + QLatin1String(name);
}

// A Zelvane run of the given pattern ('F', 'J'), written as a project file.
QByteArray runFile(const QString &pattern)
{
    QByteArray xml = "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan CurrentFixtureName=\"Paired\" "
                     "CurrentSupplyName=\"ZV 500\" LineVoltage=\"120\" MaxCircuitLoad=\"20\" "
                     "LeaderType=\"Leader\" LeaderLength=\"10\"><CFrame techType=\"0\">\n";
    for (const QChar cell : pattern)
        xml += cell == 'F'
            ? "<CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\"Paired\"/>\n"
            : "<CWidget CWidgetItemType=\"3\" CWidgetFixtureName=\"Paired\" "
              "CWidgetJumperIndex=\"0\" CWidgetGaugeIndex=\"-1\" CWidgetAWG=\"1\"/>\n";
    return xml + "</CFrame></Wattlan>\n";
}

} // namespace

class TestRunFixes : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;

private slots:
    void onlyCountedJumpersDecideValidity_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("reported");
        QTest::newRow("Zelvane, a trailing jumper without type") << "ZV"
                                                                 << "J" << true << "";
        QTest::newRow("Zelvane, the same jumper counted")
            << "ZV"
            << "JF" << false << "The jumper before fixture 2 has no cable type or gauge";
        QTest::newRow("Tessan, three trailing jumpers") << "TS"
                                                        << "JJJ" << true << "";
        QTest::newRow("Tessan, two of them counted")
            << "TS"
            << "JJF" << false
            << "2 jumpers have no cable type or gauge, the first before fixture 2";
    }
    void onlyCountedJumpersDecideValidity()
    {
        QFETCH(QString, tab);
        QFETCH(QString, presses);
        QFETCH(bool, valid);
        QFETCH(QString, reported);
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        const bool zelvane = tab == QLatin1String("ZV");
        const char *page = zelvane ? nullptr : "TSFtab";
        if (zelvane)
            fixture.choose("m_ZVFixture_Combo", QStringLiteral("Bare"));
        for (const QChar press : presses)
            fixture.click(zelvane
                    ? (press == 'J' ? "m_ZV_AddJumper_Button" : "m_ZV_AddFixture_Button")
                    : (press == 'J' ? "m_TS_AddJumper_Button" : "m_TS_AddFixture_Button"),
                page);
        const QString frame = QStringLiteral("m_%1_Frame").arg(tab);
        QCOMPARE(fixture.run(qPrintable(frame))->cells().size(), presses.size() + 1);
        QCOMPARE(fixture.run(qPrintable(frame))->isValid(), valid);
        const QString edit = QStringLiteral("m_%1_TotalPowerWatts_Edit").arg(tab);
        const QString tip = fixture.child<QLineEdit>(qPrintable(edit))->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("no cable type")) == !valid, qPrintable(tip));
        QVERIFY2(tip.startsWith(reported), qPrintable(tip));
    }

    void rowsBeyondAListSelectNoRow()
    {
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        fixture.offerDocumentActions();
        fixture.prompter.fileNames = QStringList {projectFile("rows-beyond-lists.xml")};
        fixture.trigger("actionOpen");
        QCOMPARE(fixture.describeRun(), QStringLiteral("1: PA J-1/-1/1 2: PA J1/-1/4 3: PA"));
        QVERIFY(!fixture.run()->isValid());
        QVERIFY(fixture.child<QLineEdit>("m_ZV_TotalPowerWatts_Edit")
                    ->toolTip()
                    .startsWith(QStringLiteral(
                        "2 jumpers have no cable type or gauge, the first before fixture 2")));

        // A re-save writes what the window holds, and reads back the same.
        const QString saved = m_dir.filePath(QStringLiteral("resaved.xml"));
        fixture.prompter.fileNames = QStringList {saved};
        fixture.trigger("actionSave_As");
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("CWidgetJumperIndex=\"-1\" CWidgetGaugeIndex=\"-1\""), 1);
        QCOMPARE(bytes.count("CWidgetJumperIndex=\"1\" CWidgetGaugeIndex=\"-1\""), 1);
        fixture.prompter.fileNames = QStringList {saved};
        fixture.trigger("actionOpen");
        QCOMPARE(fixture.describeRun(), QStringLiteral("1: PA J-1/-1/1 2: PA J1/-1/4 3: PA"));
    }

    void longestRunReadsBackWhole_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("cellsRead");
        const QString alternating = QStringLiteral("JF").repeated(MaxRunFixtures);
        QTest::newRow("1,000 fixtures, 1,001 jumpers")
            << alternating + 'J' << 2 * MaxRunFixtures + 1;
        QTest::newRow("a 1,002nd jumper is not read")
            << alternating + QStringLiteral("JJ") << 2 * MaxRunFixtures + 1;
    }
    void longestRunReadsBackWhole()
    {
        QFETCH(QString, pattern);
        QFETCH(int, cellsRead);
        const QString name = m_dir.filePath(QStringLiteral("long.xml"));
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(runFile(pattern));
        file.close();
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        fixture.offerDocumentActions();
        fixture.prompter.fileNames = QStringList {name};
        fixture.trigger("actionOpen");
        QCOMPARE(fixture.run()->cells().size(), cellsRead);
        QCOMPARE(fixture.run()->fixtureCount(), MaxRunFixtures);
    }
};

WATTLAN_TEST_MAIN(TestRunFixes)
#include "tst_runfixes.moc"
