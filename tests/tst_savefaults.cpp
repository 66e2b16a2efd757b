// Saves that fail on a real file system: a small memory file system mounted
// by the test, then filled up, robbed of its last inode or made read-only.
// Each failed save must be reported, never "Configuration saved", and leave
// the previous file byte for byte as it was, with no temporary file behind.
#include "cframe.h"
#include "cwidget.h"
#include "readersupport.h"
#include "windowfixture.h"

#include <QProcess>

#include <unistd.h>

namespace {
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// A tmpfs of its own for the lifetime of the object; mounting needs root.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString &options)
    {
        m_mounted = geteuid() == 0
            && run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", m_dir.path()});
    }
    ~SmallFileSystem()
    {
        // Lazily, should a file on it still be open.
        if (m_mounted && !run(QStringLiteral("umount"), {m_dir.path()}))
            run(QStringLiteral("umount"), {"-l", m_dir.path()});
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    // Brings the file system into the state of the fault; returns a file
    // whose removal makes room again, if there is one.
    QString bringAbout(const QString &fault) const
    {
        if (fault == QLatin1String("readonly"))
            return run(QStringLiteral("mount"), {"-o", "remount,ro", m_dir.path()}) ? QString()
                                                                                    : "failed";
        if (fault == QLatin1String("inodes")) {
            for (int i = 0;
                 QFile(path(QStringLiteral("inode%1").arg(i))).open(QIODevice::WriteOnly); ++i) { }
            return QString();
        }
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return "failed";
        const QByteArray page(4096, 'f');
        while (filler.write(page) == page.size()) { }
        // Give back whole pages, which is what tmpfs counts in.
        filler.resize(qMax<qint64>(0, filler.size() - (fault == QLatin1String("full") ? 8192 : 0)));
        return filler.fileName();
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// Grows the run so that its file is far larger than what is left on disk.
void addFixtures(WindowFixture &f, int count)
{
    YmFixture *fixture = f.window->zelvaneFixtureNamed(QStringLiteral("Vessik Cove 4 ft"));
    for (int i = 0; i < count; ++i) {
        auto *cell = new CWidget;
        cell->setFixture(fixture, f.run()->fixtureCount() + 1);
        f.run()->addCell(cell);
    }
}
} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;

private slots:
    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full part way") << "size=256k"
                                            << "full"
                                            << "Cannot write file %1:\nNo space left on device.";
        QTest::newRow("disk full from the first byte")
            << "size=256k"
            << "empty"
            << "Cannot write file %1:\nNo space left on device.";
        QTest::newRow("no inode left for the temporary file")
            << "size=256k,nr_inodes=8"
            << "inodes"
            << "Cannot open file %1:\nNo space left on device.";
        QTest::newRow("file system read-only")
            << "size=256k"
            << "readonly"
            << "Cannot open file %1:\nExisting file %1 is not writable.";
    }

    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, options);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        SmallFileSystem disk(options);
        if (!disk.mounted())
            QSKIP("mounting a tmpfs needs root; tst_projects' lowered file size limit stands in "
                  "for a full disk");

        WindowFixture f;
        f.offerDocumentActions();
        f.prompter.clear();
        addFixtures(f, 2);
        const QString plan = disk.path(QStringLiteral("plan.xml"));
        f.prompter.fileNames = QStringList {plan};
        f.trigger("actionSave_As");
        QCOMPARE(f.prompter.texts(), QStringList());
        const QByteArray previous = Readers::fileBytes(plan);
        QVERIFY(previous.contains("CWidget"));

        addFixtures(f, 400);
        const QString filler = disk.bringAbout(fault);
        QVERIFY(filler != QLatin1String("failed"));
        const QStringList entriesBefore = disk.entries();
        const QStringList log = f.log();

        f.trigger("actionSave");
        QCOMPARE(f.prompter.boxes.size(), 1);
        QCOMPARE(f.prompter.boxes.at(0).caption, QStringLiteral("Save Error"));
        QCOMPARE(f.prompter.boxes.at(0).icon, QMessageBox::Warning);
        QCOMPARE(f.prompter.boxes.at(0).text, message.arg(plan));
        QCOMPARE(f.statusText(), "Failed to save configuration: " + plan);
        QCOMPARE(f.log(), log); // never "Configuration saved"
        QCOMPARE(Readers::fileBytes(plan), previous);
        QCOMPARE(disk.entries(), entriesBefore); // no temporary file left
        QCOMPARE(f.window->currentFileDisplayName(), QStringLiteral("plan.xml"));

        // With room again the same Save goes through.
        if (!filler.isEmpty()) {
            QVERIFY(QFile::remove(filler));
            f.prompter.clear();
            f.trigger("actionSave");
            QCOMPARE(f.prompter.texts(), QStringList());
            QCOMPARE(f.lastLogLine(), QStringLiteral("Configuration saved"));
            QCOMPARE(Readers::fileBytes(plan).count("<CWidget "), f.run()->cells().size());
        }
    }
};

WATTLAN_TEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
