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
    return QProcess::execute(program, arguments) == 0;
}

// A tmpfs of its own for the lifetime of the object; mounting needs root.
struct SmallFileSystem
{
    explicit SmallFileSystem(const QString &options)
        : mounted(geteuid() == 0
            && run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", options, "tmpfs", dir.path()}))
    { }
    ~SmallFileSystem()
    {
        // Lazily, should a file on it still be open.
        if (mounted && !run(QStringLiteral("umount"), {dir.path()}))
            run(QStringLiteral("umount"), {"-l", dir.path()});
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
    const bool mounted;
};
} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

    IsolatedSettings m_settings;

private slots:
    void failedSaveKeepsThePreviousFile_data()
    {
        addColumns<QString, QString>("fault", "message");
        const QString full = QStringLiteral("Cannot write file %1:\nNo space left on device.");
        QTest::newRow("disk full part way") << "full" << full;
        QTest::newRow("disk full from the first byte") << "empty" << full;
        QTest::newRow("no inode left for the temporary file")
            << "inodes"
            << "Cannot open file %1:\nNo space left on device.";
        QTest::newRow("file system read-only")
            << "readonly"
            << "Cannot open file %1:\nExisting file %1 is not writable.";
    }

    void failedSaveKeepsThePreviousFile()
    {
        const auto [fault, message] = fetch<QString, QString>("fault", "message");
        SmallFileSystem disk(
            fault == QLatin1String("inodes") ? "size=256k,nr_inodes=8" : "size=256k");
        if (!disk.mounted)
            QSKIP("mounting a tmpfs needs root; tst_projects' lowered file size limit stands in");
        WindowFixture f;
        f.offerDocumentActions();
        f.prompter.clear();
        const QString plan = disk.dir.filePath(QStringLiteral("plan.xml"));
        f.saveAs(plan);
        QCOMPARE(f.prompter.texts(), QStringList());
        const QByteArray previous = Readers::fileBytes(plan);
        // A run whose file is far larger than what is left on disk.
        YmFixture *fixture = f.window->zelvaneFixtureNamed(QStringLiteral("Vessik Cove 4 ft"));
        for (int i = 0; i < 400; ++i) {
            auto *cell = new CWidget;
            cell->setFixture(fixture, f.run()->fixtureCount() + 1);
            f.run()->addCell(cell);
        }

        QFile filler(disk.dir.filePath(QStringLiteral("filler")));
        if (fault == QLatin1String("readonly")) {
            QVERIFY(run(QStringLiteral("mount"), {"-o", "remount,ro", disk.dir.path()}));
        } else if (fault == QLatin1String("inodes")) {
            for (int i = 0;
                 QFile(disk.dir.filePath(QString::number(i))).open(QIODevice::WriteOnly);)
                ++i;
        } else {
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'f')) == 4096) { }
            // Give back whole pages, which is what tmpfs counts in.
            QVERIFY(filler.resize(filler.size() - (fault == QLatin1String("full") ? 8192 : 0)));
            filler.close();
        }
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
        if (filler.exists()) {
            QVERIFY(filler.remove());
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
