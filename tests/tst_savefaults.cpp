// Saves that fail on a real file system: a small memory file system mounted
// by the test, then filled up, robbed of its last inode or made read-only.
// Each failed save must be reported, never "Configuration saved", and leave
// the previous file byte for byte as it was, with no temporary file behind.
#include "projecttesting.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

using namespace ProjectTesting;

namespace {
const QString VC4 = QStringLiteral("Vessik Cove 4 ft");

// A tmpfs of its own for the lifetime of the object; mounting needs root.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString &options)
    {
        if (geteuid() != 0)
            return;
        m_mounted = run({"-t", "tmpfs", "-o", options, "tmpfs", m_dir.path()});
    }
    ~SmallFileSystem()
    {
        // Lazily, should a file on it still be open.
        if (m_mounted && !run({m_dir.path()}, QStringLiteral("umount")))
            run({"-l", m_dir.path()}, QStringLiteral("umount"));
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    bool makeReadOnly() { return run({"-o", "remount,ro", m_dir.path()}); }

    // Fills the file system up, leaving about free bytes; returns the filler.
    QString fill(qint64 free) const
    {
        QString filler = path(QStringLiteral("filler"));
        QFile file(filler);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return filler;
        const QByteArray page(4096, 'f');
        while (file.write(page) == page.size()) { }
        file.close();
        // Give back whole pages, which is what tmpfs counts in.
        file.resize(qMax<qint64>(0, file.size() - free));
        return filler;
    }
    // Uses up every inode left.
    void exhaustInodes() const
    {
        for (int i = 0;; ++i) {
            QFile file(path(QStringLiteral("inode%1").arg(i)));
            if (!file.open(QIODevice::WriteOnly))
                return;
        }
    }

private:
    static bool run(const QStringList &arguments, const QString &program = QStringLiteral("mount"))
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// Grows the run so that its file is far larger than what is left on disk.
void addFixtures(Wattlan &window, int count)
{
    YmFixture *fixture = window.zelvaneFixtureNamed(VC4);
    QVERIFY(fixture);
    CFrame *frame = run(window);
    for (int i = 0; i < count; ++i)
        frame->addCell(fixtureCell(fixture, frame->fixtureCount() + 1));
}
} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        const auto row
            = [](const char *name, const char *options, const char *fault, const char *message) {
                  QTest::newRow(name) << QString(options) << QString(fault) << QString(message);
              };
        row("disk full part way", "size=256k", "full",
            "Cannot write file %1:\nNo space left on device.");
        row("disk full from the first byte", "size=256k", "empty",
            "Cannot write file %1:\nNo space left on device.");
        row("no inode left for the temporary file", "size=256k,nr_inodes=8", "inodes",
            "Cannot open file %1:\nNo space left on device.");
        row("file system read-only", "size=256k", "readonly",
            "Cannot open file %1:\nExisting file %1 is not writable.");
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, options);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        SmallFileSystem disk(options);
        if (!disk.mounted())
            QSKIP("mounting a tmpfs needs root; the injected write limit of tst_projectfile "
                  "stands in for a full disk");

        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        addFixtures(window, 3);
        const QString plan = disk.path(QStringLiteral("plan.xml"));
        prompter.fileNames = QStringList {plan};
        trigger(window, "actionSave_As");
        QCOMPARE(prompter.boxes.size(), 0);
        const QByteArray previous = contents(plan);
        QVERIFY(previous.contains("CWidget"));

        addFixtures(window, 400);
        QString filler;
        if (fault == QLatin1String("full"))
            filler = disk.fill(8192);
        else if (fault == QLatin1String("empty"))
            filler = disk.fill(0);
        else if (fault == QLatin1String("inodes"))
            disk.exhaustInodes();
        else
            QVERIFY(disk.makeReadOnly());
        const QStringList entriesBefore = disk.entries();
        const QString log = logText(window);

        trigger(window, "actionSave");
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes.at(0).caption, QStringLiteral("Save Error"));
        QCOMPARE(prompter.boxes.at(0).icon, QMessageBox::Warning);
        QCOMPARE(prompter.boxes.at(0).text, message.arg(plan));
        QCOMPARE(statusText(window), "Failed to save configuration: " + plan);
        QCOMPARE(logText(window), log); // never "Configuration saved"
        QCOMPARE(contents(plan), previous);
        QCOMPARE(disk.entries(), entriesBefore); // no temporary file left
        QCOMPARE(window.currentFileDisplayName(), QStringLiteral("plan.xml"));

        // With room again the same Save goes through.
        if (!filler.isEmpty()) {
            QVERIFY(QFile::remove(filler));
            prompter.clear();
            trigger(window, "actionSave");
            QCOMPARE(prompter.texts(), QStringList());
            QVERIFY(logText(window).endsWith(QLatin1String("Configuration saved")));
            QCOMPARE(contents(plan).count("<CWidget "), run(window)->cells().size());
        }
    }
};

WATTLAN_TEST_MAIN(TestSaveFaults)

#include "tst_savefaults.moc"
