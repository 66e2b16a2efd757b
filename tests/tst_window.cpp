// The main window around the tabs, and the application's start-up.
#include "startup.h"
#include "windowfixture.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>

#include <tuple>

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

QString entries(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result.join(QLatin1Char('|'));
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
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("version");
        QTest::newRow("sample") << QString() << "2012.01";
        // A version that looks like markup is shown as written.
        QTest::newRow("markup") << "markupversion"
                                << "<b>7</b> & up";
    }

    void aboutBoxNamesVersionsAndToolkit()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, version);
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

    void selectorsListTheCatalogue()
    {
        WindowFixture w(testCatalogue(QStringLiteral("tabs")));
        WindowFixture empty(testCatalogue(QStringLiteral("emptylists")));
        // Each selector, its entries, and those of a catalogue whose other lists are empty.
        const std::tuple<const char *, const char *, const char *> lists[] = {
            {"m_ZVFixture_Combo",
                "Plain|Jumpered|Fam A|Fam B|Counted|Endless|Guarded|Wireless|Bare", ""},
            {"m_TSFixture_Combo", "Puck|Puck Twin|Free|Dark|Orphan|Lossy", ""},
            {"m_Flex_Combo", "Flex Example|Flex Dark|Flex Bare|Flex Starved|Flex Orphan", "A|B|C"},
            {"m_OBFixture_Combo", "Trio|Solo", ""}};
        for (const auto &[name, texts, emptyTexts] : lists) {
            QCOMPARE(entries(w.child<QComboBox>(name)), QLatin1String(texts));
            QCOMPARE(entries(empty.child<QComboBox>(name)), QLatin1String(emptyTexts));
            QVERIFY(dataIsPosition(w.child<QComboBox>(name)));
            QVERIFY(dataIsPosition(empty.child<QComboBox>(name)));
            QCOMPARE(w.child<QComboBox>(name)->currentIndex(), 0);
        }
    }

    void startUp_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("status");
        QTest::newRow("third file missing") << 2 << 1;
        QTest::newRow("complete sample") << 3 << 0;
    }

    void startUp()
    {
        QFETCH(int, files);
        QFETCH(int, status);
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
};

WATTLAN_TEST_MAIN(TestWindow)
#include "tst_window.moc"
