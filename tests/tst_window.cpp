// The main window around the tabs, and the application's start-up.
#include "commandline.h"
#include "readersupport.h"
#include "startup.h"
#include "windowfixture.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

namespace {
// Counts the main windows that are shown while it lives.
class ShowCounter : public QObject
{
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        shown += event->type() == QEvent::Show && qobject_cast<Wattlan *>(watched);
        return false;
    }
};

const QString Release = QStringLiteral("Wattlan Release 2.1.6 [Build 20120202-18]");

// The menus of the menu bar that list action, by their titles.
QStringList menusListing(const Wattlan &window, const QAction *action)
{
    QStringList titles;
    for (QAction *menu : window.menuBar()->actions())
        if (!action || menu->menu()->actions().contains(action))
            titles << menu->text();
    return titles;
}

// Whether each entry's item data is an int, its position in the record list.
bool dataIsPosition(const QComboBox *combo)
{
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemData(i).typeId() != QMetaType::Int || combo->itemData(i).toInt() != i)
            return false;
    return true;
}
} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startsWithOnlyTheZelvaneTabAndTwoActions()
    {
        // A combo box has no textChanged signal, so these three slots stay unconnected.
        for (const char *slot :
            {"m_ZV_LineVoltage_Combo", "m_ZV_MaxLoad_Combo", "m_ZVFixture_Combo"})
            QTest::ignoreMessage(QtWarningMsg,
                qPrintable(QStringLiteral("QMetaObject::connectSlotsByName: No matching signal "
                                          "for on_%1_textChanged(QString)")
                               .arg(QLatin1String(slot))));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        WindowFixture w;
        auto *tabs = w.child<QTabWidget>("tabWidget");
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Zelvane"));
        for (const char *page : {"Flextab", "TSFtab", "OBTab"})
            QVERIFY(!w.child<QWidget>(page)->isEnabled());
        QCOMPARE(w.window->focusWidget(), w.child<QComboBox>("m_ZVFixture_Combo"));
        QVERIFY(!w.child<QToolBar>("toolBar")->isVisibleTo(w.window.get()));
        QStringList offered;
        for (QAction *menu : w.window->menuBar()->actions())
            for (QAction *action : menu->menu()->actions())
                if (action->isVisible())
                    offered << menu->text() + QLatin1Char('/') + action->text();
        QCOMPARE(offered, QStringList({"File/Exit", "Help/About..."}));
        QCOMPARE(
            w.window->windowTitle(), QStringLiteral("Wattlan Release 2.1.6 [Build 20120202-18]"));
        QCOMPARE(
            w.log().first(), QStringLiteral("Orvane Wattlan Version  2.1.6 Build 20120202-18"));
    }

    void aboutBoxNamesVersionsAndToolkit_data()
    {
        addColumns<QString, QString>("catalogue", "version");
        QTest::newRow("sample") << QString() << "2012.01";
        // A version that looks like markup is shown as written.
        QTest::newRow("markup") << "markupversion"
                                << "<b>7</b> & up";
    }

    void aboutBoxNamesVersionsAndToolkit()
    {
        const auto [catalogue, version] = fetch<QString, QString>("catalogue", "version");
        WindowFixture w(testCatalogue(catalogue));
        QVERIFY(w.window->databaseLoaded());
        QCOMPARE(w.log().value(1), "Database version " + version);
        w.prompter.clear();
        w.trigger("actionAbout");
        QCOMPARE(w.prompter.boxes.size(), 1);
        const CapturedBox &box = w.prompter.boxes.first();
        QCOMPARE(box.caption + box.buttons.join(' '), QStringLiteral("AboutOK"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QVERIFY(box.text.startsWith(QStringLiteral("<p><b>Wattlan</b></p><p>Orvane<br>")));
        QVERIFY(box.text.contains(QStringLiteral("<p>Version  2.1.6 Build 20120202-18</p>")));
        QVERIFY(box.text.contains("<p>Database version " + version.toHtmlEscaped() + "</p>"));
        QVERIFY(box.text.endsWith(QStringLiteral("<p>QT version ") + qVersion() + "</p>"));
    }

    void logScrollsToItsEndAndKeepsColours()
    {
        WindowFixture w;
        w.window->show();
        for (int i = 0; i < 100; ++i)
            w.window->statusMessage(QStringLiteral("line %1").arg(i));
        w.window->statusMessage(QStringLiteral("red line"), Qt::red);
        auto *log = w.child<QTextEdit>("m_messageBox");
        QScrollBar *bar = log->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(w.lastLogLine(), QStringLiteral("red line"));
        QTextCursor cursor(log->document()->lastBlock());
        cursor.movePosition(QTextCursor::EndOfBlock);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(Qt::red));
    }

    // Each selector, its entries, and those of a catalogue whose other lists are empty.
    void selectorsListTheCatalogue_data()
    {
        addColumns<QString, QString>("texts", "emptyTexts");
        QTest::newRow("m_ZVFixture_Combo")
            << "Plain|Jumpered|Fam A|Fam B|Counted|Endless|Guarded|Wireless|Bare"
            << "";
        QTest::newRow("m_TSFixture_Combo") << "Puck|Puck Twin|Free|Dark|Orphan|Lossy"
                                           << "";
        QTest::newRow("m_Flex_Combo") << "Flex Example|Flex Dark|Flex Bare|Flex Starved|Flex Orphan"
                                      << "A|B|C";
        QTest::newRow("m_OBFixture_Combo") << "Trio|Solo"
                                           << "";
    }
    void selectorsListTheCatalogue()
    {
        const auto [texts, emptyTexts] = fetch<QString, QString>("texts", "emptyTexts");
        const char *name = QTest::currentDataTag();
        WindowFixture w(testCatalogue(QStringLiteral("tabs")));
        WindowFixture empty(testCatalogue(QStringLiteral("emptylists")));
        QCOMPARE(entries(w.child<QComboBox>(name)), texts);
        QCOMPARE(entries(empty.child<QComboBox>(name)), emptyTexts);
        QVERIFY(dataIsPosition(w.child<QComboBox>(name)));
        QVERIFY(dataIsPosition(empty.child<QComboBox>(name)));
        QCOMPARE(w.child<QComboBox>(name)->currentIndex(), 0);
    }

    // The window shows each problem of the catalogue in a box.
    void windowShowsCatalogueProblemsInBoxes()
    {
        CapturingPrompter prompter;
        QTemporaryDir dir;
        Wattlan window(QDir(dir.path()));
        QVERIFY(!window.databaseLoaded());
        QCOMPARE(prompter.texts(),
            QStringList(QStringLiteral("Cannot read database file %1:\nNo such file or directory.")
                            .arg(dir.filePath(QStringLiteral("ym_config_zv.xml")))));
    }

    void startUp_data()
    {
        addColumns<int, int>("files", "status");
        QTest::newRow("third file missing") << 2 << 1;
        QTest::newRow("complete sample") << 3 << 0;
    }

    void startUp()
    {
        const auto [files, status] = fetch<int, int>("files", "status");
        const QStringList names {"ym_config_zv.xml", "ym_config_ob.xml", "ym_config_ts.xml"};
        QTemporaryDir dir;
        for (int i = 0; i < files; ++i)
            QVERIFY(QFile::copy(testCatalogue().filePath(names[i]), dir.filePath(names[i])));
        CapturingPrompter prompter;
        ShowCounter counter;
        QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);
        QCOMPARE(runMainWindow(QDir(dir.path())), status);
        QCOMPARE(counter.shown, 1 - status);
        if (status == 0) {
            QCOMPARE(prompter.texts(), QStringList());
            return;
        }
        QCOMPARE(prompter.texts(),
            QStringList(QStringLiteral("Cannot read database file %1:\nNo such file or directory.")
                            .arg(dir.filePath(names[2]))));
        QCOMPARE(prompter.boxes.first().caption, QStringLiteral("Wattlan"));
        QCOMPARE(prompter.boxes.first().icon, QMessageBox::Warning);
    }

    void fullWindowCommands_data()
    {
        // document: acts on the Zelvane configuration
        addColumns<QString, QString, QString, bool, bool>(
            "action", "menu", "keys", "icon", "document");
        const auto row
            = [](const char *action, const char *menu, const char *keys, bool icon, bool document) {
                  QTest::newRow(action) << action << menu << keys << icon << document;
              };
        row("actionNew", "File", "Ctrl+N", true, true);
        row("actionOpen", "File", "Ctrl+O", true, true);
        row("actionSave", "File", "Ctrl+S", true, true);
        row("actionSave_As", "File", "Ctrl+A; Ctrl+Shift+S", false, true); // form's, platform's
        row("actionExportRunSheet", "File", "", false, true);
        row("actionPrint", "File", "Ctrl+P", false, true); // the platform's
        row("actionPreferences", "Edit", "", false, false);
        row("actionQuit", "File", "Ctrl+X", false, false);
    }

    // wattlan --full: the tabs with a calculation in the form's order, the
    // tool bar, and each command enabled in its menu and triggered by each of
    // its keys; on the other tabs the document commands' status tips say
    // that they act on the Zelvane configuration.
    void fullWindowCommands()
    {
        const auto [action, menu, keys, icon, document]
            = fetch<QString, QString, QString, bool, bool>(
                "action", "menu", "keys", "icon", "document");
        WindowFixture w;
        w.offerAllTools();
        auto *tabs = w.child<QTabWidget>("tabWidget");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i) + (tabs->widget(i)->isEnabled() ? "" : " (disabled)");
        QCOMPARE(titles, QStringList({"Zelvane", "Flex String", "Tessan Fixture"}));
        QVERIFY(w.child<QToolBar>("toolBar")->isVisible());
        QCOMPARE(menusListing(*w.window, nullptr), QStringList({"File", "Edit", "Help"}));
        auto *command = w.child<QAction>(qPrintable(action));
        QCOMPARE(menusListing(*w.window, command), QStringList(menu));
        QVERIFY(command->isVisible() && command->isEnabled());
        QCOMPARE(!command->icon().isNull(), icon);
        QCOMPARE(QKeySequence::listToString(command->shortcuts()), keys);
        const QString tip = command->statusTip();
        tabs->setCurrentIndex(2);
        QCOMPARE(command->statusTip().contains("Zelvane tab"), document);
        tabs->setCurrentIndex(0);
        QCOMPARE(command->statusTip(), tip);
        QSignalSpy triggered(command, &QAction::triggered);
        for (const QKeySequence &key : command->shortcuts())
            QTest::keySequence(w.window.get(), key);
        QCOMPARE(triggered.count(), command->shortcuts().size());
    }

    void closingOffersUnsavedChanges_data()
    {
        // steps: the last one closes ("close" or "exit"); key: the answer to the
        // offer; saveTo: the file dialog's answer
        addColumns<QString, int, QString, QString, bool, bool>(
            "steps", "key", "saveTo", "boxes", "closed", "written");
        const auto row = [](const char *name, const char *steps, int key, const char *saveTo,
                             const char *boxes, bool closed, bool written) {
            QTest::newRow(name) << steps << key << saveTo << boxes << closed << written;
        };
        row("untouched closes without asking", "close", 0, "", "", true, false);
        row("a changed voltage alone is offered, D discards", "voltage close", Qt::Key_D, "",
            "offer", true, false);
        row("Esc cancels", "voltage exit", Qt::Key_Escape, "", "offer", false, false);
        row("Enter saves, then closes", "fixture close", Qt::Key_Return, "plan.xml", "offer", true,
            true);
        row("a failed save keeps the window", "fixture close", Qt::Key_Return, "missing/plan.xml",
            "offer|Save Error", false, false);
        row("a cancelled save dialog keeps the window", "voltage exit", Qt::Key_Return, "", "offer",
            false, false);
        row("saved changes are not offered", "voltage save close", 0, "plan.xml", "", true, true);
        row("Save after New asks for a name", "new save close", 0, "plan.xml", "", true, true);
    }

    void closingOffersUnsavedChanges()
    {
        const auto [steps, key, saveTo, boxes, closed, written]
            = fetch<QString, int, QString, QString, bool, bool>(
                "steps", "key", "saveTo", "boxes", "closed", "written");
        QTemporaryDir dir;
        const QString workingDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        WindowFixture w;
        w.offerAllTools();
        w.prompter.clear();
        w.prompter.messageResponder = CapturingPrompter::pressing(Qt::Key(key));
        w.prompter.fileNames << (saveTo.isEmpty() ? QString() : dir.filePath(saveTo));
        for (const QString &step : steps.split(' ')) {
            if (step == "voltage")
                w.choose("m_ZV_LineVoltage_Combo", "208");
            else if (step == "fixture")
                w.click("m_ZV_AddFixture_Button");
            else if (step == "new")
                w.trigger("actionNew");
            else if (step == "save")
                QTest::keySequence(w.window.get(), QKeySequence::fromString("Ctrl+S"));
            else if (step == "exit")
                w.trigger("actionQuit");
            else
                w.window->close();
        }
        QDir::setCurrent(workingDirectory);
        QStringList shown;
        for (const CapturedBox &box : w.prompter.boxes)
            shown << (box.caption.isEmpty() ? "offer" : box.caption);
        QCOMPARE(shown.join('|'), boxes);
        QCOMPARE(!w.window->isVisible(), closed);
        QCOMPARE(!saveTo.isEmpty() && QFileInfo(dir.filePath(saveTo)).isFile(), written);
        QVERIFY(!QFileInfo::exists(dir.filePath("Untitled.xml")));
        QCOMPARE(w.window->isWindowModified(), !written && !boxes.isEmpty());
        if (!closed)
            QCOMPARE(w.window->windowTitle(), "Untitled.xml[*] – " + Release);
    }

    void commandLine_data()
    {
        // shown: the first line printed, or the window started
        addColumns<QStringList, int, QString>("arguments", "status", "shown");
        const auto row
            = [](const char *name, const QStringList &arguments, int status, const QString &shown) {
                  QTest::newRow(name) << arguments << status << shown;
              };
        const QString opened = "plan.xml[*] – " + Release + ", 3 tabs";
        row("none: the plain window", {}, 0, Release + ", 1 tabs");
        row("--full", {"--full"}, 0, "Untitled.xml[*] – " + Release + ", 3 tabs");
        row("-f and a file", {"-f", "sub/../plan.xml"}, 0, opened);
        row("a file, the toolkit's options", {"-style", "fusion", "-reverse", "plan.xml"}, 0,
            opened);
        row("--help", {"--help"}, 0, "Usage: wattlan [options] [FILE]\n");
        row("--version", {"-platform", "xcb", "--version"}, 0, "Wattlan 2.1.6 Build 20120202-18\n");
        row("unknown option", {"--ful"}, 2,
            "wattlan: Unknown option 'ful'. (see wattlan --help)\n");
        row("two files", {"a.xml", "b.xml"}, 2,
            "wattlan: one project file at most, not 2 (see wattlan --help)\n");
    }

    // Help, version and bad arguments are answered with no display; a file
    // opens as File, Open does: saved again from there it is the same file.
    void commandLine()
    {
        const auto [arguments, status, shown]
            = fetch<QStringList, int, QString>("arguments", "status", "shown");
        QTemporaryDir dir;
        const QString plan = dir.filePath("plan.xml");
        QVERIFY(QFile::copy(Readers::sourcePath("tests/readers/expected/saved-project.xml"), plan));
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        const StartRequest request
            = readCommandLine(QStringList("wattlan") + arguments, dir.path());
        QString printed;
        if (request.exits) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                environment.remove(name);
            program.setProcessEnvironment(environment);
            program.start(qEnvironmentVariable("WATTLAN_BINARY_DIR") + "/wattlan", arguments);
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitCode(), status);
            printed = program.readAllStandardOutput() + program.readAllStandardError();
            QCOMPARE(printed.count('\n') == 1, !arguments.contains("--help"));
            printed.truncate(printed.indexOf('\n') + 1);
        } else {
            CapturingPrompter prompter;
            prompter.fileNames << dir.filePath("again.xml");
            QTimer::singleShot(0, qApp, [&] {
                for (QWidget *window : QApplication::topLevelWidgets())
                    if (auto *started = qobject_cast<Wattlan *>(window)) {
                        printed = started->windowTitle() + (started->isWindowModified() ? " *" : "")
                            + QString(", %1 tabs").arg(started->findChild<QTabWidget *>()->count());
                        started->findChild<QAction *>("actionSave_As")->trigger();
                    }
                QApplication::closeAllWindows();
            });
            QCOMPARE(runMainWindow(testCatalogue(), request), status);
            if (!request.projectFile.isEmpty())
                QCOMPARE(Readers::fileBytes(dir.filePath("again.xml")), Readers::fileBytes(plan));
        }
        QCOMPARE(printed, shown);
    }
};

WATTLAN_TEST_MAIN(TestWindow)
#include "tst_window.moc"
