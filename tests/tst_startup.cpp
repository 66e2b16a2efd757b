#include "startup.h"
#include "testsupport.h"
#include "wattlan.h"

#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

namespace {
const QStringList sampleFiles {"ym_config_zv.xml", "ym_config_ob.xml", "ym_config_ts.xml"};

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
        if (event->type() == QEvent::Show && qobject_cast<Wattlan *>(watched))
            ++shown;
        return false;
    }
};

// A folder holding the first files of the sample catalogue.
bool copySample(const QTemporaryDir &dir, int files)
{
    const QString here = QCoreApplication::applicationDirPath();
    for (int i = 0; i < files; ++i) {
        if (!QFile::copy(here + "/" + sampleFiles[i], dir.filePath(sampleFiles[i])))
            return false;
    }
    return true;
}

QString missingThirdFile(const QTemporaryDir &dir)
{
    return QStringLiteral("Cannot read database file %1:\nNo such file or directory.")
        .arg(dir.filePath(sampleFiles[2]));
}

// A catalogue of tests/data/startup.
QDir startupCatalogue(const char *name)
{
    return QDir(qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/tests/data/startup/")
        + QLatin1String(name));
}

template<typename Record> QStringList names(const QList<Record *> &records)
{
    QStringList result;
    for (const Record *record : records)
        result << record->Name;
    return result;
}

QStringList entries(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

// Each entry's item data is an int: its position, which is its position in the list.
bool dataIsPosition(const QComboBox *combo)
{
    for (int i = 0; i < combo->count(); ++i) {
        const QVariant data = combo->itemData(i);
        if (data.typeId() != QMetaType::Int || data.toInt() != i)
            return false;
    }
    return true;
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void failedLoadEndsWithStatusOneAndNoWindow()
    {
        QTemporaryDir dir;
        QVERIFY(copySample(dir, 2));
        CapturingPrompter prompter;
        ShowCounter counter;
        QCOMPARE(runMainWindow(QDir(dir.path())), 1);
        QCOMPARE(counter.shown, 0);
        QCOMPARE(prompter.texts(), QStringList(missingThirdFile(dir)));
        QCOMPARE(prompter.boxes.first().caption, QStringLiteral("Wattlan"));
        QCOMPARE(prompter.boxes.first().icon, QMessageBox::Warning);
    }

    void successfulStartShowsTheWindowAndRunsTheLoop()
    {
        QTemporaryDir dir;
        QVERIFY(copySample(dir, 3));
        CapturingPrompter prompter;
        ShowCounter counter;
        QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);
        QCOMPARE(runMainWindow(QDir(dir.path())), 0);
        QCOMPARE(counter.shown, 1);
        QCOMPARE(prompter.texts(), QStringList());
    }

    void sampleStartLogsTheVersionAndFillsTheSelectors()
    {
        CapturingPrompter prompter;
        Wattlan window;
        QVERIFY(window.databaseLoaded());
        QCOMPARE(prompter.texts(), QStringList());
        const QStringList log
            = window.findChild<QTextEdit *>("m_messageBox")->toPlainText().split('\n');
        QVERIFY(log.size() >= 2);
        QCOMPARE(log[1], QStringLiteral("Database version 2012.01"));

        Database database;
        QVERIFY(database.load());
        const QList<QPair<const char *, QStringList>> selectors {
            {"m_TSFixture_Combo", names(database.m_tsFixtures)},
            {"m_Flex_Combo", names(database.m_flexStrings)},
            {"m_ZVFixture_Combo", names(database.m_zvFixtures)},
            {"m_OBFixture_Combo", names(database.m_obFixtures)},
        };
        for (const auto &[name, records] : selectors) {
            const QComboBox *combo = window.findChild<QComboBox *>(name);
            QVERIFY(combo);
            QVERIFY2(records.size() >= 2, name);
            QCOMPARE(entries(combo), records);
            QVERIFY2(dataIsPosition(combo), name);
            QCOMPARE(combo->currentIndex(), 0);
        }

        CapturingPrompter about;
        window.findChild<QAction *>("actionAbout")->trigger();
        QVERIFY(about.texts().first().contains("<p>Database version 2012.01</p>"));
    }

    void emptyListLeavesItsSelectorEmpty()
    {
        CapturingPrompter prompter;
        Wattlan window {startupCatalogue("emptylists")};
        QVERIFY(window.databaseLoaded());
        const QComboBox *flex = window.findChild<QComboBox *>("m_Flex_Combo");
        QCOMPARE(entries(flex), QStringList({"A", "B", "C"}));
        QVERIFY(dataIsPosition(flex));
        for (const char *name : {"m_TSFixture_Combo", "m_ZVFixture_Combo", "m_OBFixture_Combo"})
            QCOMPARE(window.findChild<QComboBox *>(name)->count(), 0);
    }

    // A version text that looks like markup is shown as written, in the log
    // and in the about box.
    void versionTextIsShownAsWritten()
    {
        CapturingPrompter prompter;
        Wattlan window {startupCatalogue("markupversion")};
        QVERIFY(window.databaseLoaded());
        QCOMPARE(prompter.texts(), QStringList());
        const QStringList log
            = window.findChild<QTextEdit *>("m_messageBox")->toPlainText().split('\n');
        QVERIFY(log.size() >= 2);
        QCOMPARE(log[1], QStringLiteral("Database version <b>7</b> & up"));

        CapturingPrompter about;
        window.findChild<QAction *>("actionAbout")->trigger();
        QVERIFY(about.texts().first().contains(
            "<p>Database version &lt;b&gt;7&lt;/b&gt; &amp; up</p>"));
    }

    void processExitStatus_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("shown");
        QTest::newRow("third file missing") << 2 << 1 << false;
        QTest::newRow("complete sample") << 3 << 0 << true;
    }

    // The start-up in a process of its own, reading the files beside its executable.
    void processExitStatus()
    {
        QFETCH(int, files);
        QFETCH(int, status);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        QVERIFY(copySample(dir, files));
        const QString probe = dir.filePath("wattlan_startup_probe");
        QVERIFY(
            QFile::copy(QCoreApplication::applicationDirPath() + "/wattlan_startup_probe", probe));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.start(probe, {});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        const QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
        QCOMPARE(output.contains("shown\n"), shown);
        QCOMPARE(output.contains("box: "), !shown);
        if (!shown)
            QVERIFY(output.contains("box: " + missingThirdFile(dir)));
    }
};

WATTLAN_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
