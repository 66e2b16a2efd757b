#include "projecttesting.h"
#include "runbound.h"
#include "testsupport.h"

#include <QDir>
#include <QDomDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

#include <csignal>
#include <sys/resource.h>

using namespace ProjectTesting;

namespace {
const QString VC4 = QStringLiteral("Vessik Cove 4 ft");
constexpr int CustomJumperRow = 2; // of VC4: 1 ft, 4 ft, custom

// A project file around the given content of its root element.
QByteArray projectFile(const QByteArray &rootAttributes, const QByteArray &content)
{
    return "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan " + rootAttributes + ">" + content
        + "</Wattlan>\n";
}

QByteArray fixtureElement(const QString &name = VC4)
{
    return "<CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\"" + name.toUtf8() + "\"/>";
}

// Lowers the largest file this process may write for its lifetime, so that
// a write fails part way as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};
} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Saves the window's configuration under fileName through Save As.
    static void saveAs(Wattlan &window, CapturingPrompter &prompter, const QString &fileName)
    {
        prompter.fileNames = QStringList {fileName};
        trigger(window, "actionSave_As");
    }

    static void open(Wattlan &window, CapturingPrompter &prompter, const QString &fileName)
    {
        prompter.fileNames = QStringList {fileName};
        trigger(window, "actionOpen");
    }

    // A run of fixture, custom jumper (gauge row 2, 17 ft), fixture.
    static void buildRun(Wattlan &window)
    {
        YmFixture *fixture = window.zelvaneFixtureNamed(VC4);
        QVERIFY(fixture);
        CFrame *frame = run(window);
        frame->resetFrame();
        frame->addCell(fixtureCell(fixture, 1));
        frame->addCell(jumperCell(fixture, CustomJumperRow, 2, 17));
        frame->addCell(fixtureCell(fixture, 2));
    }

    // Everything the Zelvane tab shows of a configuration: selectors, spin
    // boxes, the run and the calculated figures.
    static QString zelvaneTab(Wattlan &window)
    {
        QStringList shown;
        for (const char *name : {"m_ZVFixture_Combo", "m_ZVSupply_Combo", "m_ZV_LineVoltage_Combo",
                 "m_ZV_MaxLoad_Combo", "m_ZV_LeaderType_Combo", "m_ZV_LeaderSize_Combo"})
            shown << child<QComboBox>(window, name)->currentText();
        for (const char *name :
            {"m_ZV_LineVoltage_Spin", "m_ZV_MaxLoad_Spin", "m_ZV_LeaderLength_Spin"})
            shown << QString::number(child<QSpinBox>(window, name)->value());
        shown << describe(run(window));
        for (const char *name : {"m_ZV_DerateLoad_Label", "m_ZV_TotalFixtures_Label"})
            shown << child<QLabel>(window, name)->text();
        for (const char *name : {"m_ZV_TotalPowerWatts_Edit", "m_ZV_TotalPowerAmps_Edit"}) {
            auto *edit = child<QLineEdit>(window, name);
            shown << edit->text() << edit->palette().color(QPalette::Base).name();
        }
        shown << logText(window).section(QLatin1Char('\n'), -1);
        return shown.join(QLatin1Char('|'));
    }

    // What a refused file must leave alone: the tab and the current file.
    static QString windowState(Wattlan &window)
    {
        return QStringList({zelvaneTab(window), window.currentFileDisplayName(),
                               child<QAction>(window, "actionSave")->text()})
            .join(QLatin1Char('|'));
    }

private slots:
    // A settings store of this test's own: tests run side by side.
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
    }

    void writesTheRunElementByElement()
    {
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        buildRun(window);
        child<QComboBox>(window, "m_ZV_LineVoltage_Combo")->setCurrentText(QStringLiteral("Other"));
        child<QSpinBox>(window, "m_ZV_LineVoltage_Spin")->setValue(230);
        saveAs(window, prompter, path(QStringLiteral("plan.xml")));
        QCOMPARE(prompter.boxes.size(), 0);

        const QByteArray bytes = contents(path(QStringLiteral("plan.xml")));
        QVERIFY(bytes.startsWith("<!DOCTYPE WattlanConfigurationFile>\n<Wattlan fileVersion="));
        QVERIFY(bytes.contains("\n  <CFrame techType=\"0\">\n    <CWidget "));
        QVERIFY(bytes.endsWith("  </CFrame>\n</Wattlan>\n"));

        const QList<WrittenElement> elements = writtenElements(bytes);
        QCOMPARE(elements.size(), 5);
        QStringList rootNames;
        for (const QString &attribute : elements.at(0).attributes)
            rootNames << attribute.section(QLatin1Char('='), 0, 0);
        QCOMPARE(rootNames,
            QStringList({"fileVersion", "appVersion", "CurrentFixtureName", "CurrentSupplyName",
                "LineVoltage", "CustomLineVoltage", "MaxCircuitLoad", "LeaderType",
                "LeaderLength"}));
        QCOMPARE(elements.at(0).attributes.mid(0, 3),
            QStringList({"fileVersion=1.0", "appVersion=2.1.6 Build 20120202-18",
                "CurrentFixtureName=" + VC4}));
        QVERIFY(elements.at(0).attributes.contains("CustomLineVoltage=230"));
        QCOMPARE(elements.at(1).name, QStringLiteral("CFrame"));
        QCOMPARE(elements.at(1).attributes, QStringList {"techType=0"});
        const QStringList fixture {"CWidgetItemType=2", "CWidgetFixtureName=" + VC4};
        QCOMPARE(elements.at(2).attributes, fixture);
        QCOMPARE(elements.at(3).attributes,
            QStringList({"CWidgetItemType=3", "CWidgetFixtureName=" + VC4, "CWidgetJumperIndex=2",
                "CWidgetGaugeIndex=2", "CWidgetAWG=17"}));
        QCOMPARE(elements.at(4).attributes, fixture);
        for (int i = 2; i < 5; ++i)
            QCOMPARE(elements.at(i).depth, 2);

        // The same configuration gives the same bytes every time.
        saveAs(window, prompter, path(QStringLiteral("again.xml")));
        QCOMPARE(contents(path(QStringLiteral("again.xml"))), bytes);
        QVERIFY(logText(window).endsWith(QStringLiteral("Configuration saved")));
    }

    void roundTripThroughTheWindow()
    {
        CapturingPrompter prompter;
        const QString fileName = path(QStringLiteral("round.xml"));
        QString written;
        {
            Wattlan window;
            offerDocumentActions(window);
            QCOMPARE(child<QComboBox>(window, "m_ZVFixture_Combo")->currentText(), VC4);
            child<QComboBox>(window, "m_ZVSupply_Combo")->setCurrentIndex(1);
            child<QComboBox>(window, "m_ZV_LineVoltage_Combo")
                ->setCurrentText(QStringLiteral("Other"));
            child<QSpinBox>(window, "m_ZV_LineVoltage_Spin")->setValue(230);
            child<QComboBox>(window, "m_ZV_MaxLoad_Combo")->setCurrentText(QStringLiteral("Other"));
            child<QSpinBox>(window, "m_ZV_MaxLoad_Spin")->setValue(17);
            child<QComboBox>(window, "m_ZV_LeaderType_Combo")
                ->setCurrentText(QStringLiteral("Custom Leader"));
            child<QComboBox>(window, "m_ZV_LeaderSize_Combo")
                ->setCurrentText(QStringLiteral("12 AWG"));
            child<QSpinBox>(window, "m_ZV_LeaderLength_Spin")->setValue(60);
            // Fixture, custom jumper with its gauge and length changed, fixture.
            child<QPushButton>(window, "m_ZV_AddJumper_Button")->click();
            JWidget *jumper = run(window)->cells().at(1)->jumperWidget();
            jumper->jumperCombo()->setCurrentIndex(CustomJumperRow);
            jumper->gaugeCombo()->setCurrentIndex(2);
            jumper->lengthSpin()->setValue(12);
            child<QPushButton>(window, "m_ZV_AddFixture_Button")->click();
            QCOMPARE(describe(run(window)), QStringLiteral("1: VC4 J2/2/12 2: VC4"));
            written = zelvaneTab(window);
            saveAs(window, prompter, fileName);
        }
        QCOMPARE(prompter.boxes.size(), 0);

        const QList<WrittenElement> elements = writtenElements(contents(fileName));
        QCOMPARE(elements.size(), 5);
        QCOMPARE(elements.at(0).attributes,
            QStringList({"fileVersion=1.0", "appVersion=2.1.6 Build 20120202-18",
                "CurrentFixtureName=" + VC4, "CurrentSupplyName=Quellor PD-300",
                "LineVoltage=Other", "CustomLineVoltage=230", "MaxCircuitLoad=Other",
                "CustomMaxCircuitLoad=17", "LeaderType=Custom Leader", "CustomLeaderGauge=12 AWG",
                "LeaderLength=60"}));
        QCOMPARE(elements.at(3).attributes.size(), 5);
        QCOMPARE(elements.at(2).attributes.size(), 2);
        QCOMPARE(elements.at(4).attributes.size(), 2);

        Wattlan fresh;
        offerDocumentActions(fresh);
        open(fresh, prompter, fileName);
        QCOMPARE(prompter.boxes.size(), 0);
        QCOMPARE(zelvaneTab(fresh), written);
    }

    void readsTheSelectors_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<QString>("selected"); // fixture, supply, leader type, gauge
        QTest::addColumn<int>("cells");
        // A missing leader type, like any text that names no entry, selects none.
        const QByteArray td6 = "CurrentFixtureName=\"Trellan Dot 6\" ";
        QTest::newRow("fixture and supply")
            << QByteArray(td6 + "CurrentSupplyName=\"Quellor Node-48\"")
            << "Trellan Dot 6|Quellor Node-48||" << 1;
        QTest::newRow("empty supply keeps the fixture's first")
            << QByteArray(td6 + "CurrentSupplyName=\"\"") << "Trellan Dot 6|Quellor Node-24||" << 1;
        QTest::newRow("unknown supply selects none")
            << QByteArray(td6 + "CurrentSupplyName=\"Quellor Node-96\"") << "Trellan Dot 6|||" << 1;
        QTest::newRow("custom leader gauge")
            << QByteArray(td6 + "LeaderType=\"Custom Leader\" CustomLeaderGauge=\"10 AWG\"")
            << "Trellan Dot 6|Quellor Node-24|Custom Leader|10 AWG" << 1;
        QTest::newRow("gauge ignored for a standard leader")
            << QByteArray(td6 + "LeaderType=\"Standard Leader 10 ft\" CustomLeaderGauge=\"10 AWG\"")
            << "Trellan Dot 6|Quellor Node-24|Standard Leader 10 ft|" << 1;
        // The selectors of the fixture before stay as they were; the cell
        // names a fixture of the database and is built all the same.
        QTest::newRow("unknown fixture")
            << QByteArray("CurrentFixtureName=\"Trellan Dot 7\"") << "|Quellor PD-150||" << 1;
    }

    void readsTheSelectors()
    {
        QFETCH(QByteArray, attributes);
        QFETCH(QString, selected);
        QFETCH(int, cells);
        CapturingPrompter prompter;
        {
            Wattlan window;
            offerDocumentActions(window);
            QVERIFY(writeFile(path(QStringLiteral("selectors.xml")),
                projectFile(attributes,
                    "<CFrame>" + fixtureElement(QStringLiteral("Trellan Dot 6")) + "</CFrame>")));
            // Start from another fixture of another family.
            QCOMPARE(child<QComboBox>(window, "m_ZVFixture_Combo")->currentText(), VC4);
            open(window, prompter, path(QStringLiteral("selectors.xml")));
            QStringList shown;
            for (const char *name :
                {"m_ZVFixture_Combo", "m_ZVSupply_Combo", "m_ZV_LeaderType_Combo"})
                shown << child<QComboBox>(window, name)->currentText();
            auto *gauge = child<QComboBox>(window, "m_ZV_LeaderSize_Combo");
            shown << (gauge->isHidden() ? QString() : gauge->currentText());
            QCOMPARE(shown.join(QLatin1Char('|')), selected);
            QCOMPARE(run(window)->cells().size(), cells);
        }
        QCOMPARE(prompter.boxes.size(), 0);
    }

    void readsCells_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("run");
        const QByteArray F = fixtureElement();
        auto jumper = [](const QByteArray &attributes) {
            return "<CWidget CWidgetItemType=\"3\" CWidgetFixtureName=\"" + VC4.toUtf8() + "\" "
                + attributes + "/>";
        };
        auto frame = [](const QByteArray &cells) {
            return "<CFrame techType=\"0\">" + cells + "</CFrame>";
        };

        QTest::newRow("jumper row, then gauge, then length") << frame(
            F + jumper("CWidgetJumperIndex=\"2\" CWidgetGaugeIndex=\"0\" CWidgetAWG=\"9\"") + F)
                                                             << "1: VC4 J2/0/9 2: VC4";
        QTest::newRow("length missing reads 1")
            << frame(jumper("CWidgetJumperIndex=\"2\" CWidgetGaugeIndex=\"1\"")) << "J2/1/1";
        QTest::newRow("length clamped")
            << frame(jumper("CWidgetJumperIndex=\"2\" CWidgetGaugeIndex=\"1\" CWidgetAWG=\"250\""))
            << "J2/1/100";
        QTest::newRow("gauge -1 of a standard jumper")
            << frame(jumper("CWidgetJumperIndex=\"1\" CWidgetGaugeIndex=\"-1\" CWidgetAWG=\"1\""))
            << "J1/-1/1";
        QTest::newRow("indexes missing") << frame(jumper("")) << "J0/-1/1";
        QTest::newRow("indexes past the lists keep the defaults")
            << frame(jumper("CWidgetJumperIndex=\"2\"") + jumper("CWidgetJumperIndex=\"7\""))
            << "J2/0/1 J0/-1/1";
        QTest::newRow("numbers that overflow read 0")
            << frame(jumper("CWidgetJumperIndex=\"99999999999999999999\" "
                            "CWidgetAWG=\"-99999999999999999999\""))
            << "J0/-1/1";
        QTest::newRow("unknown fixture stops the run")
            << frame(F + fixtureElement(QStringLiteral("Vessik Cove 9 ft")) + F) << "1: VC4";
        QTest::newRow("fixture names are case-sensitive")
            << frame(F + fixtureElement(VC4.toUpper())) << "1: VC4";
        QTest::newRow("kind missing stops the run")
            << frame(F + "<CWidget CWidgetFixtureName=\"" + VC4.toUtf8() + "\"/>" + F) << "1: VC4";
        QTest::newRow("kind 4 stops the run") << frame(
            F + "<CWidget CWidgetItemType=\"4\" CWidgetFixtureName=\"" + VC4.toUtf8() + "\"/>")
                                              << "1: VC4";
        QTest::newRow("kind in words stops the run") << frame(
            "<CWidget CWidgetItemType=\"two\" CWidgetFixtureName=\"" + VC4.toUtf8() + "\"/>")
                                                     << "";
        QTest::newRow("other elements are skipped")
            << frame(F + "<Note>x</Note><cwidget CWidgetItemType=\"2\"/>" + F) << "1: VC4 2: VC4";
        QTest::newRow("first CFrame in document order, at any depth")
            << QByteArray("<Old>" + frame(F) + "</Old>" + frame(F + F)) << "1: VC4";
        QTest::newRow("no CFrame") << QByteArray("<Frame>" + F + "</Frame>") << "";
        QTest::newRow("a name of megabytes matches nothing")
            << frame(F + fixtureElement(QString(4 << 20, QLatin1Char('V')))) << "1: VC4";
    }

    void readsCells()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, run);
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        QVERIFY(writeFile(path(QStringLiteral("cells.xml")), projectFile("", content)));
        open(window, prompter, path(QStringLiteral("cells.xml")));
        QCOMPARE(describe(ProjectTesting::run(window)), run);
        QCOMPARE(window.currentFileDisplayName(), QStringLiteral("cells.xml"));
    }

    void reportsAMissingRunElement()
    {
        Wattlan window;
        CFrame *frame = run(window);
        frame->addCell(fixtureCell(window.zelvaneFixtureNamed(VC4), 1));
        QDomDocument document;
        QVERIFY(document.setContent(QByteArray("<Wattlan><Frame/></Wattlan>"), true));
        QString message;
        frame->fromXml(document.documentElement(), message);
        QCOMPARE(message, QStringLiteral("Found 0 CFrame elements"));
        QCOMPARE(frame->cells().size(), 0);
    }

    void boundsTheRunByItsFixtures()
    {
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        const QByteArray jumper = "<CWidget CWidgetItemType=\"3\" CWidgetFixtureName=\""
            + VC4.toUtf8() + "\" CWidgetJumperIndex=\"0\"/>";
        // The largest run the application builds, a jumper between each two
        // fixtures, reads back whole; a fixture more is not read.
        QByteArray cells = fixtureElement();
        for (int i = 1; i <= MaxRunFixtures; ++i)
            cells += jumper + fixtureElement();
        QVERIFY(writeFile(
            path(QStringLiteral("long.xml")), projectFile("", "<CFrame>" + cells + "</CFrame>")));
        open(window, prompter, path(QStringLiteral("long.xml")));
        CFrame *frame = run(window);
        QCOMPARE(frame->fixtureCount(), MaxRunFixtures);
        QCOMPARE(frame->jumperCount(), MaxRunFixtures);
        QCOMPARE(frame->cells().size(), 2 * MaxRunFixtures);

        // A hostile run of 100,000 cells builds no more than the bound.
        QByteArray hostile;
        for (int i = 0; i < 100000; ++i)
            hostile += jumper;
        QVERIFY(writeFile(path(QStringLiteral("hostile.xml")),
            projectFile("", "<CFrame>" + hostile + "</CFrame>")));
        open(window, prompter, path(QStringLiteral("hostile.xml")));
        QCOMPARE(frame->jumperCount(), MaxRunFixtures);
        QCOMPARE(frame->fixtureCount(), 0);
    }

    void readsTheSettings_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<QString>("lineVoltage");
        QTest::addColumn<int>("lineVoltageSpin");
        QTest::addColumn<QString>("maxLoad");
        QTest::addColumn<int>("maxLoadSpin");
        QTest::addColumn<int>("leaderLength");
        // The spin boxes clamp what they are given (line voltage 100 to 277,
        // load 1 to 99, leader length 1 to its leader's maximum).
        QTest::newRow("custom values")
            << QByteArray("LineVoltage=\"Other\" CustomLineVoltage=\"230\" "
                          "MaxCircuitLoad=\"Other\" CustomMaxCircuitLoad=\"12\" "
                          "LeaderLength=\"7\"")
            << "Other" << 230 << "Other" << 12 << 7;
        QTest::newRow("custom load missing reads 15")
            << QByteArray("LineVoltage=\"208\" MaxCircuitLoad=\"Other\" LeaderLength=\"7\"")
            << "208" << -1 << "Other" << 15 << 7;
        QTest::newRow("custom values ignored without Other")
            << QByteArray("LineVoltage=\"240\" CustomLineVoltage=\"230\" MaxCircuitLoad=\"20\" "
                          "CustomMaxCircuitLoad=\"12\" LeaderLength=\"7\"")
            << "240" << -1 << "20" << -1 << 7;
        QTest::newRow("letters and overflow read 0")
            << QByteArray("LineVoltage=\"Other\" CustomLineVoltage=\"two hundred\" "
                          "MaxCircuitLoad=\"Other\" CustomMaxCircuitLoad=\"99999999999999\" "
                          "LeaderLength=\"ten\"")
            << "Other" << 100 << "Other" << 1 << 1;
        QTest::newRow("unknown texts select nothing")
            << QByteArray("LineVoltage=\"other\" MaxCircuitLoad=\"16\"") << "" << -1 << "" << -1
            << 1;
    }

    void readsTheSettings()
    {
        QFETCH(QByteArray, attributes);
        QFETCH(QString, lineVoltage);
        QFETCH(int, lineVoltageSpin);
        QFETCH(QString, maxLoad);
        QFETCH(int, maxLoadSpin);
        QFETCH(int, leaderLength);
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        auto *lineVoltageSpinBox = child<QSpinBox>(window, "m_ZV_LineVoltage_Spin");
        auto *maxLoadSpinBox = child<QSpinBox>(window, "m_ZV_MaxLoad_Spin");
        const int lineVoltageBefore = lineVoltageSpinBox->value();
        const int maxLoadBefore = maxLoadSpinBox->value();
        QVERIFY(writeFile(path(QStringLiteral("settings.xml")),
            projectFile(attributes, "<CFrame>" + fixtureElement() + "</CFrame>")));
        open(window, prompter, path(QStringLiteral("settings.xml")));
        QCOMPARE(child<QComboBox>(window, "m_ZV_LineVoltage_Combo")->currentText(), lineVoltage);
        QCOMPARE(
            lineVoltageSpinBox->value(), lineVoltageSpin < 0 ? lineVoltageBefore : lineVoltageSpin);
        QCOMPARE(child<QComboBox>(window, "m_ZV_MaxLoad_Combo")->currentText(), maxLoad);
        QCOMPARE(maxLoadSpinBox->value(), maxLoadSpin < 0 ? maxLoadBefore : maxLoadSpin);
        QCOMPARE(child<QSpinBox>(window, "m_ZV_LeaderLength_Spin")->value(), leaderLength);
    }

    void refusesForeignFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not XML") << QByteArray("plain text\n") << "Line 1, column 1: ";
        QTest::newRow("empty") << QByteArray() << "Line 1, column 0: ";
        QTest::newRow("cut short")
            << QByteArray("<Wattlan LineVoltage=\"208\">\n<CFrame>") << "Line 2, column 8: ";
        QTest::newRow("another root") << QByteArray("<ym_config><CFrame/></ym_config>")
                                      << "Its root element is \"ym_config\", not \"Wattlan\".";
        QTest::newRow("root in another case")
            << QByteArray("<wattlan/>") << "Its root element is \"wattlan\", not \"Wattlan\".";
        QTest::newRow("entity bomb") << QByteArray(
            "<!DOCTYPE Wattlan [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
            "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
            "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
            "<Wattlan LineVoltage=\"&d;\"/>")
                                     << "Line 1, column ";
        QByteArray deep = "<Wattlan>";
        for (int i = 0; i < 100000; ++i)
            deep += "<CFrame>";
        QTest::newRow("deep nesting") << deep << "levels deep.";
        QByteArray wide = "<Wattlan>";
        for (int i = 0; i < 250001; ++i)
            wide += "<a/>";
        QTest::newRow("too many elements")
            << QByteArray(wide + "</Wattlan>") << "It holds more than 250000 elements.";
        QTest::newRow("too large")
            << QByteArray("<Wattlan x=\"" + QByteArray(17 << 20, 'x') + "\"/>")
            << "It is larger than 16 MB.";
    }

    void refusesForeignFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        buildRun(window);
        saveAs(window, prompter, path(QStringLiteral("mine.xml")));
        const QString before = windowState(window);

        const QString foreign = path(QStringLiteral("foreign.xml"));
        QVERIFY(writeFile(foreign, bytes));
        prompter.clear();
        open(window, prompter, foreign);
        // The offer to save the run (answered Save), then the refusal.
        QCOMPARE(prompter.boxes.size(), 2);
        QCOMPARE(prompter.boxes.at(1).caption, QStringLiteral("Open Error"));
        QCOMPARE(prompter.boxes.at(1).icon, QMessageBox::Warning);
        const QString text = prompter.boxes.at(1).text;
        QVERIFY2(text.startsWith(foreign + " is not a Wattlan configuration.\n"), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QCOMPARE(statusText(window), "Failed to open configuration " + foreign);
        QCOMPARE(windowState(window), before);

        // The current file is still the window's own: Save writes there.
        const QByteArray foreignBytes = contents(foreign);
        trigger(window, "actionSave");
        QCOMPARE(contents(foreign), foreignBytes);
    }

    void reportsAFileThatCannotBeRead()
    {
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        const QString before = windowState(window);
        const QString missing = path(QStringLiteral("missing.xml"));
        open(window, prompter, missing);
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes.at(0).caption, QStringLiteral("Open Error"));
        QCOMPARE(prompter.boxes.at(0).text,
            "Cannot read file " + missing + ":\nNo such file or directory.");
        QCOMPARE(statusText(window), "Failed to open configuration " + missing);
        QCOMPARE(windowState(window), before);
    }

    void aFailedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("sizeLimit"); // 0: none
        QTest::addColumn<QString>("text");
        QTest::newRow("directory missing") << "nowhere/plan.xml" << qint64(0)
                                           << "Cannot open file %1:\nNo such file or directory.";
        QTest::newRow("target is a directory")
            << "folder.xml" << qint64(0) << "Cannot open file %1:\n";
        QTest::newRow("disk full part way")
            << "plan.xml" << qint64(200) << "Cannot write file %1:\nFile too large.";
    }

    void aFailedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, name);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, text);
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.xml")));
        const QByteArray previous = "previous contents, byte for byte\n";
        QVERIFY(writeFile(path(QStringLiteral("plan.xml")), previous));
        saveAs(window, prompter, path(QStringLiteral("mine.xml")));
        buildRun(window);
        const QString workingDirectory = QDir::currentPath();
        const QString log = logText(window);

        const QString target = path(name);
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (sizeLimit)
                limit = std::make_unique<FileSizeLimit>(rlim_t(sizeLimit));
            saveAs(window, prompter, target);
        }
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes.at(0).caption, QStringLiteral("Save Error"));
        QVERIFY2(prompter.boxes.at(0).text.startsWith(text.arg(target)),
            qPrintable(prompter.boxes.at(0).text));
        QCOMPARE(statusText(window), "Failed to save configuration: " + target);
        QCOMPARE(contents(path(QStringLiteral("plan.xml"))), previous);
        QCOMPARE(logText(window), log);
        QCOMPARE(window.currentFileDisplayName(), QStringLiteral("mine.xml"));
        QCOMPARE(QDir::currentPath(), workingDirectory);
        QVERIFY(!QApplication::overrideCursor());
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"mine.xml", "plan.xml"}));
    }

    void restoresTheWorkingDirectory()
    {
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        const QString workingDirectory = QDir::currentPath();
        saveAs(window, prompter, path(QStringLiteral("plan")));
        QCOMPARE(QDir::currentPath(), workingDirectory);
        QVERIFY(!QApplication::overrideCursor());
        open(window, prompter, path(QStringLiteral("plan.xml")));
        QCOMPARE(QDir::currentPath(), workingDirectory);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(prompter.boxes.size(), 0);
    }
};

WATTLAN_TEST_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
