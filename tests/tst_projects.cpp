// Project files and the document commands in the window: what a file read back shows, the
// saved bytes, refused files, failed saves and the offer to save. What File, Open makes of
// each file of the readers' corpus is tst_readers' business, on the core.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "readersupport.h"
#include "runbound.h"
#include "windowfixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTranslator>

#include <csignal>
#include <sys/resource.h>

using namespace Readers;

namespace {
// The Zelvane settings, the run and (with figures) the calculated figures,
// their colours and the last log line.
QString zelvaneTab(const WindowFixture &f, bool figures = true)
{
    QStringList shown;
    for (const char *name : {"m_ZVFixture_Combo", "m_ZVSupply_Combo", "m_ZV_LineVoltage_Combo",
             "m_ZV_MaxLoad_Combo", "m_ZV_LeaderType_Combo", "m_ZV_LeaderSize_Combo"}) {
        const auto *combo = f.child<QComboBox>(name);
        shown << (combo->isHidden()         ? QStringLiteral("(hidden)")
                : combo->currentIndex() < 0 ? QStringLiteral("(none)")
                                            : Readers::shown(combo->currentText()));
    }
    for (const char *name :
        {"m_ZV_LineVoltage_Spin", "m_ZV_MaxLoad_Spin", "m_ZV_LeaderLength_Spin"})
        shown << QString::number(f.child<QSpinBox>(name)->value());
    shown << f.describeRun();
    if (figures) {
        for (const char *name : {"m_ZV_DerateLoad_Label", "m_ZV_TotalFixtures_Label"})
            shown << f.child<QLabel>(name)->text();
        for (const char *name : {"m_ZV_TotalPowerWatts_Edit", "m_ZV_TotalPowerAmps_Edit"}) {
            const auto *edit = f.child<QLineEdit>(name);
            shown << edit->text() << edit->palette().color(QPalette::Base).name();
        }
        shown << f.lastLogLine();
    }
    return shown.join(QLatin1String(" | "));
}

// A configuration with every setting away from its default: the second
// supply, "Other" line voltage and load, the custom leader, and a run of
// fixture, custom jumper (gauge row 2, 12 ft), fixture. By index, so that
// it is the same configuration in any language.
void configure(WindowFixture &f)
{
    f.child<QComboBox>("m_ZVSupply_Combo")->setCurrentIndex(1);
    for (const char *name : {"m_ZV_LineVoltage_Combo", "m_ZV_MaxLoad_Combo"}) {
        auto *combo = f.child<QComboBox>(name);
        combo->setCurrentIndex(combo->count() - 1);
    }
    f.child<QSpinBox>("m_ZV_LineVoltage_Spin")->setValue(230);
    f.child<QSpinBox>("m_ZV_MaxLoad_Spin")->setValue(17);
    f.choose("m_ZV_LeaderType_Combo", QStringLiteral("Custom Leader"));
    f.choose("m_ZV_LeaderSize_Combo", QStringLiteral("12 AWG"));
    f.child<QSpinBox>("m_ZV_LeaderLength_Spin")->setValue(60);
    f.click("m_ZV_AddJumper_Button");
    JWidget *jumper = f.run()->cells().at(1)->jumperWidget();
    jumper->jumperCombo()->setCurrentIndex(2);
    jumper->gaugeCombo()->setCurrentIndex(2);
    jumper->lengthSpin()->setValue(12);
    f.click("m_ZV_AddFixture_Button");
}

// A Zelvane run of the given pattern ('F', 'J') on the catalogue of
// tests/data/runfixes, written as a project file.
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

class TestProjects : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;
    std::unique_ptr<WindowFixture> m_fixture;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    WindowFixture &f() { return *m_fixture; }

private slots:
    void init()
    {
        QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
        m_settings.clear();
        m_fixture = std::make_unique<WindowFixture>();
        f().offerDocumentActions();
        f().prompter.clear();
    }
    void cleanup() { m_fixture.reset(); }
    // A file holds the settings and the run as the window shows them, the
    // same bytes every time and in every language, and reads back whole.
    void savesAndReadsBack()
    {
        configure(f());
        const QString shown = zelvaneTab(f());
        const QString workingDirectory = QDir::currentPath();
        f().saveAs(path(QStringLiteral("plan")));
        QCOMPARE(f().prompter.texts(), QStringList());
        QCOMPARE(f().lastLogLine(), QStringLiteral("Configuration saved"));
        QCOMPARE(QDir::currentPath(), workingDirectory);
        QVERIFY(!QApplication::overrideCursor());
        const QByteArray bytes = fileBytes(path(QStringLiteral("plan.xml")));
        QCOMPARE(bytes, fileBytes(sourcePath("tests/readers/expected/saved-project.xml")));
        f().trigger("actionSave");
        QCOMPARE(fileBytes(path(QStringLiteral("plan.xml"))), bytes);

        WindowFixture fresh;
        fresh.offerDocumentActions();
        fresh.open(path(QStringLiteral("plan.xml")));
        QCOMPARE(fresh.prompter.texts(), QStringList());
        QCOMPARE(zelvaneTab(fresh), shown);

        QTranslator german;
        QVERIFY(
            german.load(QStringLiteral("wattlan_de"), qEnvironmentVariable("WATTLAN_BINARY_DIR")));
        QCoreApplication::installTranslator(&german);
        WindowFixture inGerman;
        inGerman.offerDocumentActions();
        configure(inGerman);
        inGerman.saveAs(path(QStringLiteral("german.xml")));
        QCOMPARE(fileBytes(path(QStringLiteral("german.xml"))), bytes);
        // "Other" reads back from either form.
        WindowFixture readBack;
        readBack.offerDocumentActions();
        const QByteArray translated = QByteArray(bytes).replace("\"Other\"", "\"Andere\"");
        for (const QByteArray &stored : {bytes, translated}) {
            QVERIFY(writeBytes(path(QStringLiteral("read.xml")), stored));
            readBack.open(path(QStringLiteral("read.xml")));
            QCOMPARE(zelvaneTab(readBack, false), zelvaneTab(inGerman, false));
        }
        QCoreApplication::removeTranslator(&german);
    }

    void refusedFileLeavesTheWindowAlone_data()
    {
        addColumns<QByteArray, QString>("bytes", "text");
        QTest::newRow("not well-formed")
            << QByteArray("<Wattlan LineVoltage=\"208\">\n<CFrame>")
            << "%1 is not a Wattlan configuration.\nLine 2, column 8: Premature end of document.";
        QTest::newRow("missing") << QByteArray()
                                 << "Cannot read file %1:\nNo such file or directory.";
    }

    // A file that is refused leaves the settings, run, figures and current
    // file as they were: Save still writes the window's own file.
    void refusedFileLeavesTheWindowAlone()
    {
        const auto [bytes, text] = fetch<QByteArray, QString>("bytes", "text");
        configure(f());
        f().click("m_ZV_AddFixture_Button");
        f().saveAs(path(QStringLiteral("mine.xml")));
        const QString before = zelvaneTab(f());
        const QString foreign = path(QStringLiteral("foreign.xml"));
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(foreign, bytes));
        f().open(foreign);
        QCOMPARE(f().prompter.boxes.size(), 2); // the offer to save (saves), then the refusal
        QCOMPARE(f().prompter.boxes.at(1).caption, QStringLiteral("Open Error"));
        QCOMPARE(f().prompter.boxes.at(1).icon, QMessageBox::Warning);
        QCOMPARE(f().prompter.boxes.at(1).text, text.arg(foreign));
        QCOMPARE(f().statusText(), "Failed to open configuration " + foreign);
        QCOMPARE(zelvaneTab(f()), before);
        QCOMPARE(f().window->currentFileDisplayName(), QStringLiteral("mine.xml"));
        f().trigger("actionSave");
        QCOMPARE(fileBytes(path(QStringLiteral("mine.xml"))).count("<CWidget "), 4);
        QCOMPARE(QFileInfo::exists(foreign), !bytes.isEmpty());
    }

    void failedSaveKeepsThePreviousFile_data()
    {
        // sizeLimit: 0 for none
        addColumns<QString, qint64, QString>("name", "sizeLimit", "text");
        QTest::newRow("folder missing") << "nowhere/plan.xml" << qint64(0)
                                        << "Cannot open file %1:\nNo such file or directory.";
        QTest::newRow("target is a folder")
            << "folder.xml" << qint64(0) << "Cannot open file %1:\n";
        QTest::newRow("disk full part way")
            << "plan.xml" << qint64(200) << "Cannot write file %1:\nFile too large.";
    }

    void failedSaveKeepsThePreviousFile()
    {
        const auto [name, sizeLimit, text]
            = fetch<QString, qint64, QString>("name", "sizeLimit", "text");
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.xml")));
        const QByteArray previous = "previous contents, byte for byte\n";
        QVERIFY(writeBytes(path(QStringLiteral("plan.xml")), previous));
        f().saveAs(path(QStringLiteral("mine.xml")));
        configure(f());
        const QString workingDirectory = QDir::currentPath();
        const QStringList log = f().log();
        // A lowered limit on the size of a file makes a write stop part way
        // as on a full disk.
        rlimit previousLimit {};
        getrlimit(RLIMIT_FSIZE, &previousLimit);
        rlimit limit = previousLimit;
        limit.rlim_cur = sizeLimit ? rlim_t(sizeLimit) : limit.rlim_cur;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        f().saveAs(path(name));
        setrlimit(RLIMIT_FSIZE, &previousLimit);
        std::signal(SIGXFSZ, handler);
        QCOMPARE(f().prompter.boxes.size(), 1);
        QCOMPARE(f().prompter.boxes.at(0).caption, QStringLiteral("Save Error"));
        QVERIFY2(f().prompter.boxes.at(0).text.startsWith(text.arg(path(name))),
            qPrintable(f().prompter.boxes.at(0).text));
        QCOMPARE(f().statusText(), "Failed to save configuration: " + path(name));
        QCOMPARE(fileBytes(path(QStringLiteral("plan.xml"))), previous);
        QCOMPARE(f().log(), log);
        QCOMPARE(f().window->currentFileDisplayName(), QStringLiteral("mine.xml"));
        QCOMPARE(QDir::currentPath(), workingDirectory);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"mine.xml", "plan.xml"})); // no temporary file left
    }

    // Save and Save As name the current file; the suffix is appended to any
    // other ending, and Save writes there again without a dialog. The dialogs
    // start in the folder of the last file; Untitled.xml after New is saved in
    // the working directory.
    void savingNamesTheFile()
    {
        const QString home = QDir::homePath();
        f().trigger("actionOpen"); // cancelled
        f().trigger("actionSave_As"); // cancelled
        QCOMPARE(f().prompter.fileDialogDirs, QStringList({home, home + "/Untitled.xml"}));
        f().saveAs(path(QStringLiteral("plan")));
        QCOMPARE(f().child<QAction>("actionSave")->text(), QStringLiteral("&Save plan"));
        QCOMPARE(f().child<QAction>("actionSave_As")->text(), QStringLiteral("Save plan &As..."));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("plan"))));
        QVERIFY(QFile::remove(path(QStringLiteral("plan.xml"))));
        f().prompter.fileDialogDirs.clear();
        f().trigger("actionSave");
        QCOMPARE(f().prompter.fileDialogDirs, QStringList());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("plan.xml"))));
        f().saveAs(path(QStringLiteral("PLAN.XML")));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("PLAN.XML.xml"))));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        f().saveAs(path(QStringLiteral("sub/plan")));
        f().prompter.fileDialogDirs.clear();
        f().trigger("actionOpen");
        f().trigger("actionSave_As");
        const QString sub = QFileInfo(path(QStringLiteral("sub"))).absoluteFilePath();
        QCOMPARE(f().prompter.fileDialogDirs, QStringList({sub, sub + "/Untitled.xml"}));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        f().trigger("actionNew");
        QCOMPARE(f().child<QAction>("actionSave")->text(), QStringLiteral("&Save Untitled.xml"));
        f().trigger("actionSave");
        QDir::setCurrent(previous);
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Untitled.xml"))));
        QCOMPARE(f().prompter.fileDialogDirs.size(), 2);
        QCOMPARE(f().prompter.boxes.size(), 0);
    }

    void replacingAsksOnlyWhenTheSuffixWasAppended_data()
    {
        // answer: the button clicked, if asked
        addColumns<QString, QString, QString>("typed", "answer", "written");
        const auto row
            = [](const char *name, const char *typed, const char *answer, const char *written) {
                  QTest::newRow(name) << QString(typed) << QString(answer) << QString(written);
              };
        row("Replace", "plan", "Replace", "plan.xml");
        row("Cancel opens the dialog again", "plan", "Cancel", "other.xml");
        row("typed with the suffix", "plan.xml", "", "plan.xml");
        row("no such file", "fresh", "", "fresh.xml");
    }

    void replacingAsksOnlyWhenTheSuffixWasAppended()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        for (const char *name : {"plan.xml", "other.xml"})
            QVERIFY(writeBytes(path(QLatin1String(name)), "old\n"));
        f().prompter.messageResponder = [&](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons())
                if (button->text() == answer)
                    button->click();
            return box.result();
        };
        f().prompter.fileNames = QStringList {path(typed), path(QStringLiteral("other.xml"))};
        f().trigger("actionSave_As");
        QCOMPARE(f().prompter.boxes.size(), answer.isEmpty() ? 0 : 1);
        if (!answer.isEmpty()) {
            const CapturedBox &box = f().prompter.boxes.at(0);
            QCOMPARE(box.icon, QMessageBox::Question);
            QCOMPARE(box.buttons, QStringList({"Replace", "Cancel"}));
            QCOMPARE(box.text,
                QStringLiteral("\"plan.xml\" already exists. Do you want to replace it?"));
            QCOMPARE(box.informativeText,
                "A file or folder with the same name already exists in the folder "
                    + QDir(m_dir.path()).dirName()
                    + ". Replacing it will overwrite its current contents.");
        }
        for (const char *name : {"plan.xml", "other.xml", "fresh.xml"})
            QCOMPARE(
                QFileInfo::exists(path(name)) && fileBytes(path(name)) != "old\n", name == written);
    }

    // Only a run changed by hand or read from a file is worth the offer to
    // save it; the settings alone are not, and saving does not clear it.
    void offersToSaveOnlyAModifiedRun()
    {
        f().child<QComboBox>("m_ZVFixture_Combo")->setCurrentIndex(2);
        f().child<QSpinBox>("m_ZV_LeaderLength_Spin")->setValue(7);
        f().trigger("actionNew");
        QCOMPARE(f().prompter.boxes.size(), 0);
        QCOMPARE(f().child<QComboBox>("m_ZVFixture_Combo")->currentIndex(), 0);
        f().click("m_ZV_AddFixture_Button");
        f().saveAs(path(QStringLiteral("plan.xml")));
        f().prompter.messageResponder = CapturingPrompter::pressing(Qt::Key_D);
        f().trigger("actionNew");
        QCOMPARE(f().prompter.boxes.size(), 1);
        QVERIFY(!f().run()->isModified());
        f().open(path(QStringLiteral("plan.xml")));
        QCOMPARE(f().prompter.boxes.size(), 1);
        QVERIFY(f().run()->isModified());
        f().trigger("actionNew");
        QCOMPARE(f().prompter.boxes.size(), 2);
    }

    void answersTheOffer_data()
    {
        // key: 0 for an answer the box does not know; file: the save dialog's answer
        addColumns<int, QString, bool>("key", "file", "newMade");
        QTest::newRow("D discards") << int(Qt::Key_D) << "kept.xml" << true;
        QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << "kept.xml" << false;
        QTest::newRow("Enter saves") << int(Qt::Key_Return) << "kept.xml" << true;
        QTest::newRow("Enter, the save dialog cancelled") << int(Qt::Key_Return) << "" << false;
        QTest::newRow("unknown answer") << 0 << "kept.xml" << false;
    }

    // New after a change: the offer, and what each answer does. New restores
    // every default setting and an empty run of one fixture.
    void answersTheOffer()
    {
        const auto [key, file, newMade] = fetch<int, QString, bool>("key", "file", "newMade");
        configure(f());
        const QString before = zelvaneTab(f(), false);
        f().prompter.messageResponder = CapturingPrompter::pressing(Qt::Key(key));
        if (!key) {
            f().prompter.messageResponder = [](QMessageBox &) { return 77; };
            QTest::ignoreMessage(QtDebugMsg, "offerToSaveIfNeeded: unknown result 77");
        }
        f().prompter.fileNames = QStringList {file.isEmpty() ? QString() : path(file)};
        f().trigger("actionNew");
        QCOMPARE(f().prompter.texts(),
            QStringList("Do you want to save the changes you made to the configuration "
                        "'Untitled.xml'?"));
        QCOMPARE(
            QFileInfo::exists(path(QStringLiteral("kept.xml"))), key == Qt::Key_Return && newMade);
        QCOMPARE(zelvaneTab(f(), false),
            newMade ? QStringLiteral("Vessik Cove 4 ft | Quellor PD-150 | 120 | 15 | Standard "
                                     "Leader 10 ft | (hidden) | 230 | 17 | 50 | 1: VC4")
                    : before);
        QCOMPARE(f().run()->isModified(), !newMade);
    }

    void rowsBeyondAListSelectNoRow()
    {
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        fixture.offerDocumentActions();
        fixture.open(sourcePath(QStringLiteral("tests/data/projects/rows-beyond-lists.xml")));
        QCOMPARE(fixture.describeRun(), QStringLiteral("1: PA J-1/-1/1 2: PA J1/-1/4 3: PA"));
        QVERIFY(!fixture.run()->isValid());
        QVERIFY(fixture.child<QLineEdit>("m_ZV_TotalPowerWatts_Edit")
                    ->toolTip()
                    .startsWith(QStringLiteral(
                        "2 jumpers have no cable type or gauge, the first before fixture 2")));

        // A re-save writes what the window holds, and reads back the same.
        const QString saved = m_dir.filePath(QStringLiteral("resaved.xml"));
        fixture.saveAs(saved);
        const QByteArray bytes = fileBytes(saved);
        QCOMPARE(bytes.count("CWidgetJumperIndex=\"-1\" CWidgetGaugeIndex=\"-1\""), 1);
        QCOMPARE(bytes.count("CWidgetJumperIndex=\"1\" CWidgetGaugeIndex=\"-1\""), 1);
        fixture.open(saved);
        QCOMPARE(fixture.describeRun(), QStringLiteral("1: PA J-1/-1/1 2: PA J1/-1/4 3: PA"));
    }

    void longestRunReadsBackWhole_data()
    {
        addColumns<QString, int>("pattern", "cellsRead");
        const QString alternating = QStringLiteral("JF").repeated(MaxRunFixtures);
        QTest::newRow("1,000 fixtures, 1,001 jumpers")
            << alternating + 'J' << 2 * MaxRunFixtures + 1;
        QTest::newRow("a 1,002nd jumper is not read")
            << alternating + QStringLiteral("JJ") << 2 * MaxRunFixtures + 1;
    }
    void longestRunReadsBackWhole()
    {
        const auto [pattern, cellsRead] = fetch<QString, int>("pattern", "cellsRead");
        const QString name = m_dir.filePath(QStringLiteral("long.xml"));
        QVERIFY(writeBytes(name, runFile(pattern)));
        WindowFixture fixture(testCatalogue(QStringLiteral("runfixes")));
        fixture.offerDocumentActions();
        fixture.open(name);
        QCOMPARE(fixture.run()->cells().size(), cellsRead);
        QCOMPARE(fixture.run()->fixtureCount(), MaxRunFixtures);
    }
};

WATTLAN_TEST_MAIN(TestProjects)
#include "tst_projects.moc"
