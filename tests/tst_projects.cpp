// Project files and the document commands, as a user reaches them: every
// project file of tests/readers/project/ (and the huge ones made here) is
// opened in a fresh main window, and what the window then shows must be what
// tests/readers/expected/project.txt keeps for it.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "projectformat.h"
#include "readersupport.h"
#include "runbound.h"
#include "windowfixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTranslator>

#include <csignal>
#include <sys/resource.h>

using namespace Readers;

namespace {
const char *const Selectors[] = {"m_ZVFixture_Combo", "m_ZVSupply_Combo", "m_ZV_LineVoltage_Combo",
    "m_ZV_MaxLoad_Combo", "m_ZV_LeaderType_Combo", "m_ZV_LeaderSize_Combo"};
const char *const Spins[]
    = {"m_ZV_LineVoltage_Spin", "m_ZV_MaxLoad_Spin", "m_ZV_LeaderLength_Spin"};

// The Zelvane settings, the run and (with figures) the calculated figures,
// their colours and the last log line.
QString zelvaneTab(const WindowFixture &f, bool figures = true)
{
    QStringList shown;
    for (const char *name : Selectors) {
        const auto *combo = f.child<QComboBox>(name);
        shown << (combo->isHidden()         ? QStringLiteral("(hidden)")
                : combo->currentIndex() < 0 ? QStringLiteral("(none)")
                                            : Readers::shown(combo->currentText()));
    }
    for (const char *name : Spins)
        shown << QString::number(f.child<QSpinBox>(name)->value());
    const CFrame *frame = f.run();
    QString cells = f.describeRun();
    if (cells.size() > 120)
        cells = cells.left(60)
            + QStringLiteral("... %1 fixtures, %2 jumpers")
                  .arg(frame->fixtureCount())
                  .arg(frame->jumperCount());
    shown << cells;
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

void open(WindowFixture &f, const QString &fileName)
{
    f.prompter.fileNames = QStringList {fileName};
    f.trigger("actionOpen");
}

void saveAs(WindowFixture &f, const QString &fileName)
{
    f.prompter.fileNames = QStringList {fileName};
    f.trigger("actionSave_As");
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

} // namespace

class TestProjects : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;
    Expected m_projects {QStringLiteral("project")};
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
    void cleanupTestCase() { QCOMPARE(m_projects.unmatched(), QStringList()); }

    void projects_data();
    // Every box and the status line, the settings, the run and the current file.
    void projects()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("project.xml"));
        QVERIFY(writeBytes(file, bytes));
        QElapsedTimer timer;
        timer.start();
        open(f(), file);
        QStringList outcome;
        for (const CapturedBox &box : f().prompter.boxes)
            outcome << QStringLiteral("box %1: %2")
                           .arg(box.caption,
                               shown(QString(box.text).replace(file, QLatin1String("FILE")), 300));
        if (!f().statusText().isEmpty())
            outcome << QStringLiteral("status: ") + f().statusText().replace(file, "FILE");
        outcome << zelvaneTab(f(), false) << f().window->currentFileDisplayName();
        READERS_CHECK(m_projects, outcome);
    }

    // A file holds the settings and the run as the window shows them, the
    // same bytes every time and in every language, and reads back whole.
    void savesAndReadsBack()
    {
        configure(f());
        const QString shown = zelvaneTab(f());
        const QString workingDirectory = QDir::currentPath();
        saveAs(f(), path(QStringLiteral("plan")));
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
        open(fresh, path(QStringLiteral("plan.xml")));
        QCOMPARE(fresh.prompter.texts(), QStringList());
        QCOMPARE(zelvaneTab(fresh), shown);

        QTranslator german;
        QVERIFY(
            german.load(QStringLiteral("wattlan_de"), qEnvironmentVariable("WATTLAN_BINARY_DIR")));
        QCoreApplication::installTranslator(&german);
        WindowFixture inGerman;
        inGerman.offerDocumentActions();
        configure(inGerman);
        saveAs(inGerman, path(QStringLiteral("german.xml")));
        QCOMPARE(fileBytes(path(QStringLiteral("german.xml"))), bytes);
        // "Other" reads back from either form.
        WindowFixture readBack;
        readBack.offerDocumentActions();
        const QByteArray translated = QByteArray(bytes).replace("\"Other\"", "\"Andere\"");
        for (const QByteArray &stored : {bytes, translated}) {
            QVERIFY(writeBytes(path(QStringLiteral("read.xml")), stored));
            open(readBack, path(QStringLiteral("read.xml")));
            QCOMPARE(zelvaneTab(readBack, false), zelvaneTab(inGerman, false));
        }
        QCoreApplication::removeTranslator(&german);
    }

    void refusedFileLeavesTheWindowAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
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
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        configure(f());
        f().click("m_ZV_AddFixture_Button");
        saveAs(f(), path(QStringLiteral("mine.xml")));
        const QString before = zelvaneTab(f());
        const QString foreign = path(QStringLiteral("foreign.xml"));
        if (!bytes.isEmpty())
            QVERIFY(writeBytes(foreign, bytes));
        open(f(), foreign);
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
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("sizeLimit"); // 0: none
        QTest::addColumn<QString>("text");
        QTest::newRow("folder missing") << "nowhere/plan.xml" << qint64(0)
                                        << "Cannot open file %1:\nNo such file or directory.";
        QTest::newRow("target is a folder")
            << "folder.xml" << qint64(0) << "Cannot open file %1:\n";
        QTest::newRow("disk full part way")
            << "plan.xml" << qint64(200) << "Cannot write file %1:\nFile too large.";
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, name);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, text);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.xml")));
        const QByteArray previous = "previous contents, byte for byte\n";
        QVERIFY(writeBytes(path(QStringLiteral("plan.xml")), previous));
        saveAs(f(), path(QStringLiteral("mine.xml")));
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
        saveAs(f(), path(name));
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
        saveAs(f(), path(QStringLiteral("plan")));
        QCOMPARE(f().child<QAction>("actionSave")->text(), QStringLiteral("&Save plan"));
        QCOMPARE(f().child<QAction>("actionSave_As")->text(), QStringLiteral("Save plan &As..."));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("plan"))));
        QVERIFY(QFile::remove(path(QStringLiteral("plan.xml"))));
        f().prompter.fileDialogDirs.clear();
        f().trigger("actionSave");
        QCOMPARE(f().prompter.fileDialogDirs, QStringList());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("plan.xml"))));
        saveAs(f(), path(QStringLiteral("PLAN.XML")));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("PLAN.XML.xml"))));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        saveAs(f(), path(QStringLiteral("sub/plan")));
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
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer"); // the button clicked, if asked
        QTest::addColumn<QString>("written");
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
        saveAs(f(), path(QStringLiteral("plan.xml")));
        f().prompter.messageResponder = CapturingPrompter::pressing(Qt::Key_D);
        f().trigger("actionNew");
        QCOMPARE(f().prompter.boxes.size(), 1);
        QVERIFY(!f().run()->isModified());
        open(f(), path(QStringLiteral("plan.xml")));
        QCOMPARE(f().prompter.boxes.size(), 1);
        QVERIFY(f().run()->isModified());
        f().trigger("actionNew");
        QCOMPARE(f().prompter.boxes.size(), 2);
    }

    void answersTheOffer_data()
    {
        QTest::addColumn<int>("key"); // 0: an answer the box does not know
        QTest::addColumn<QString>("file"); // the save dialog's answer
        QTest::addColumn<bool>("newMade");
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
        QFETCH(int, key);
        QFETCH(QString, file);
        QFETCH(bool, newMade);
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
};

void TestProjects::projects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    Expected &rows = m_projects;
    rows.fileRows();
    const QByteArray root = "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan "
                            "CurrentFixtureName=\"Vessik Cove 4 ft\" LineVoltage=\"120\" "
                            "MaxCircuitLoad=\"20\" LeaderLength=\"10\">";
    const QByteArray fixture
        = "<CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\"Vessik Cove 4 ft\"/>";
    const QByteArray jumper = "<CWidget CWidgetItemType=\"3\" CWidgetFixtureName=\"Vessik Cove 4 "
                              "ft\" CWidgetJumperIndex=\"0\"/>";
    rows.row("a run of a hundred thousand cells",
        root + "<CFrame>" + (fixture + "<Note/>").repeated(100000) + "</CFrame></Wattlan>");
    // The largest run the application builds reads back whole, a fixture more is not read.
    rows.row("the longest run",
        root + "<CFrame>" + fixture + (jumper + fixture).repeated(MaxRunFixtures)
            + "</CFrame></Wattlan>");
    rows.row("a hundred thousand jumpers",
        root + "<CFrame>" + jumper.repeated(100000) + "</CFrame></Wattlan>");
    rows.row("megabyte fixture name",
        root + "<CFrame><CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\""
            + QByteArray(1024 * 1024, 'f') + "\"/></CFrame></Wattlan>");
    rows.row("nested without bound", "<Wattlan>" + QByteArray("<CFrame>").repeated(100000));
    rows.row("too many elements",
        "<Wattlan>" + QByteArray("<a/>").repeated(ProjectFormat::MaxElements) + "</Wattlan>");
    rows.row("too large", "<Wattlan x=\"" + QByteArray(ProjectFormat::MaxFileBytes, 'x') + "\"/>");
}

WATTLAN_TEST_MAIN(TestProjects)
#include "tst_projects.moc"
