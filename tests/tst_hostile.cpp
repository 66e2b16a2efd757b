// Files from anywhere: a colleague's e-mail, a damaged disk, another version.
// Each hostile input of tests/hostile/ (and the huge ones, made here) is fed
// to its reader, which must report what it refused in a clear message, keep
// what the rules keep and nothing else, within bounded time and memory.
#include "database.h"
#include "projecttesting.h"
#include "testsupport.h"
#include "updatefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <sys/resource.h>

using ReVazodiZedid::parseUpdateFile;

namespace {
const QString zvFile = QStringLiteral("ym_config_zv.xml");

// Every case ends within this many milliseconds, and the test's peak resident
// memory stays below this: bounds with room for the unoptimised sanitizer
// build on a busy machine (the slowest case takes about 1.3 s in build/ and
// 3.5 s in build-asan/), far below what a runaway reader would need.
qint64 timeLimitMsecs()
{
    // valgrind runs about fifty times slower; let its command raise the limit.
    bool ok = false;
    const int scale = qEnvironmentVariableIntValue("WATTLAN_SLOW_FACTOR", &ok);
    return 30000 * (ok && scale > 1 ? scale : 1);
}
constexpr long MemoryLimitKiB = 1536 * 1024;

long peakResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QString hostileDir()
{
    return qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/tests/hostile");
}

QByteArray hostileFile(const QString &relativePath)
{
    QFile file(hostileDir() + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing hostile file %s", qPrintable(relativePath));
    return file.readAll();
}

// The same bytes every run, so that a failure can be replayed.
QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

QByteArray repeated(const QByteArray &pattern, int count)
{
    QByteArray result;
    result.reserve(pattern.size() * count);
    for (int i = 0; i < count; ++i)
        result += pattern;
    return result;
}

// The file-name part of a case's row name: "database/truncated.xml".
QSet<QString> &filesWithACase()
{
    static QSet<QString> files;
    return files;
}

// Prints an outcome so that a changed one can be judged, and pasted if right.
void printOutcome(const QStringList &outcome)
{
    QString text;
    for (const QString &line : outcome) {
        QString quoted = line;
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""))
            .replace(QLatin1Char('\n'), QLatin1String("\\n"));
        text += QStringLiteral("    \"%1\",\n").arg(quoted);
    }
    qInfo().noquote() << "outcome:\n" << text;
}

// A text as a line of an outcome: control characters made visible, and
// huge texts shortened to their start and their length.
QString shown(const QString &text, int limit = 80)
{
    QString visible;
    for (const QChar c : text.left(limit)) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n'))
            visible += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            visible += c;
    }
    if (text.size() > limit)
        visible += QStringLiteral("... (%1 characters)").arg(text.size());
    return visible;
}

template<typename Record> QString namesOf(const QList<Record *> &records)
{
    QStringList names;
    for (const Record *record : records)
        names << shown(record->Name);
    if (names.size() > 6)
        names = QStringList(
            {names.first(), QStringLiteral("... %1 in all").arg(names.size()), names.last()});
    return names.join(QLatin1String(" | "));
}

template<typename Record> QString listed(const char *list, const QList<Record *> &records)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(list), namesOf(records));
}

QString cablesOf(const QList<YmJumper *> &cables)
{
    QStringList described;
    for (const YmJumper *cable : cables) {
        described << (cable->IsCustom
                ? QStringLiteral("%1 (wires: %2)").arg(cable->Name, namesOf(cable->CustomWireList))
                : cable->Name);
    }
    return described.join(QLatin1String(", "));
}

// The valid supplies and the cable types of each fixture that has any.
template<typename Fixture> QStringList detailsOf(const QList<Fixture *> &fixtures)
{
    QStringList lines;
    for (const YmFixture *fixture : fixtures) {
        if (!fixture->ValidSupplyList.isEmpty())
            lines << QStringLiteral("valid supplies of %1: %2")
                         .arg(shown(fixture->Name), namesOf(fixture->ValidSupplyList));
        if (!fixture->LeaderList.isEmpty() || !fixture->JumperList.isEmpty())
            lines << QStringLiteral("cables of %1: leaders %2; jumpers %3")
                         .arg(shown(fixture->Name), cablesOf(fixture->LeaderList),
                             cablesOf(fixture->JumperList));
    }
    return lines;
}

// What a load kept and said, one line each: the result, every warning in
// order (the hostile file's path written as FILE), each list that holds
// records, and the valid supplies of each fixture that has any.
QStringList outcomeOf(
    const Database &db, bool loaded, const QStringList &warnings, const QString &path)
{
    QStringList outcome {loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded")};
    for (QString warning : warnings)
        outcome << QStringLiteral("warning: ")
                + shown(warning.replace(path, QLatin1String("FILE")), 300);
    if (!db.m_dbVersion.isEmpty())
        outcome << QStringLiteral("version: ") + db.m_dbVersion;
    const QStringList lists {listed("ZV supplies", db.m_zvSupplies),
        listed("OB supplies", db.m_obSupplies), listed("TS supplies", db.m_tsSupplies),
        listed("ZV fixtures", db.m_zvFixtures), listed("OB fixtures", db.m_obFixtures),
        listed("TS fixtures", db.m_tsFixtures), listed("flex strings", db.m_flexStrings)};
    for (const QString &line : lists) {
        if (!line.endsWith(QLatin1String(": ")))
            outcome << line;
    }
    outcome << detailsOf(db.m_zvFixtures) << detailsOf(db.m_obFixtures)
            << detailsOf(db.m_tsFixtures) << detailsOf(db.m_flexStrings);
    return outcome;
}

class HostileDatabase
{
public:
    // Loads bytes as the first database file; the other two hold only a version.
    HostileDatabase(const QByteArray &bytes)
    {
        write(zvFile, bytes);
        const QByteArray minimal = "<Database><DBVersion>1.0</DBVersion></Database>";
        write(QStringLiteral("ym_config_ob.xml"), minimal);
        write(QStringLiteral("ym_config_ts.xml"), minimal);
        db.setReporter([this](const QString &text) { warnings << text; });
        loaded = db.load(QDir(dir.path()));
    }
    QStringList outcome() const { return outcomeOf(db, loaded, warnings, dir.filePath(zvFile)); }

    QTemporaryDir dir;
    Database db;
    QStringList warnings;
    bool loaded = false;

private:
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
};

// What opening a project file left in a fresh main window on the sample
// catalogue: every box shown and the status line (the file's path written as
// FILE), the Zelvane settings, the run and the window's current file.
QStringList projectOutcome(const QByteArray &bytes)
{
    using namespace ProjectTesting;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.xml"));
    if (!writeFile(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    CapturingPrompter prompter;
    Wattlan window;
    offerDocumentActions(window);
    prompter.fileNames = QStringList {path};
    trigger(window, "actionOpen");

    QStringList outcome;
    for (const CapturedBox &box : prompter.boxes)
        outcome << QStringLiteral("box %1: %2")
                       .arg(box.caption,
                           shown(QString(box.text).replace(path, QLatin1String("FILE")), 300));
    if (!statusText(window).isEmpty())
        outcome << QStringLiteral("status: ")
                + QString(statusText(window)).replace(path, QLatin1String("FILE"));
    QStringList settings;
    for (const char *name : {"m_ZVFixture_Combo", "m_ZVSupply_Combo", "m_ZV_LineVoltage_Combo",
             "m_ZV_MaxLoad_Combo", "m_ZV_LeaderType_Combo", "m_ZV_LeaderSize_Combo"}) {
        const auto *combo = child<QComboBox>(window, name);
        settings << (combo->currentIndex() < 0 ? QStringLiteral("(none)")
                                               : shown(combo->currentText()));
    }
    for (const char *name :
        {"m_ZV_LineVoltage_Spin", "m_ZV_MaxLoad_Spin", "m_ZV_LeaderLength_Spin"})
        settings << QString::number(child<QSpinBox>(window, name)->value());
    outcome << QStringLiteral("settings: ") + settings.join(QLatin1String(" | "));
    const CFrame *frame = run(window);
    QString cells = describe(frame);
    if (cells.size() > 120)
        cells = cells.left(60)
            + QStringLiteral("... %1 fixtures, %2 jumpers")
                  .arg(frame->fixtureCount())
                  .arg(frame->jumperCount());
    outcome << QStringLiteral("run: ") + cells;
    outcome << QStringLiteral("current file: ") + window.currentFileDisplayName();
    return outcome;
}

QStringList updateOutcome(const QByteArray &bytes)
{
    const auto file = parseUpdateFile(bytes);
    if (!file)
        return {QStringLiteral("refused")};
    QStringList entries;
    for (auto it = file->cbegin(); it != file->cend(); ++it) {
        entries << QStringLiteral("%1 %2 [%3]")
                       .arg(shown(it.key()), it->version.toString(), shown(it->downloadUrl));
    }
    entries.sort();
    if (entries.size() > 6)
        entries = QStringList(
            {entries.first(), QStringLiteral("... %1 in all").arg(entries.size()), entries.last()});
    return entries;
}
} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private:
    // Adds a row fed from a file of tests/hostile/.
    static void fileRow(const QString &path, const QStringList &outcome)
    {
        filesWithACase().insert(path);
        QTest::newRow(qPrintable(path)) << hostileFile(path) << outcome;
    }
    static void madeRow(const char *name, const QByteArray &bytes, const QStringList &outcome)
    {
        QTest::newRow(name) << bytes << outcome;
    }

    // Runs one case within the bounds and compares its outcome.
    template<typename Read> void checkBounded(Read read)
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, outcome);
        QElapsedTimer timer;
        timer.start();
        const QStringList actual = read(bytes);
        const qint64 elapsed = timer.elapsed();
        if (actual != outcome)
            printOutcome(actual);
        QCOMPARE(actual, outcome);
        QVERIFY2(elapsed < timeLimitMsecs(), qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        QVERIFY2(peakResidentKiB() < MemoryLimitKiB,
            qPrintable(QStringLiteral("peak %1 MiB").arg(peakResidentKiB() / 1024)));
    }

private slots:
    void databaseFiles_data();
    void databaseFiles()
    {
        checkBounded([](const QByteArray &bytes) { return HostileDatabase(bytes).outcome(); });
    }

    void projectFiles_data();
    void projectFiles()
    {
        checkBounded([](const QByteArray &bytes) { return projectOutcome(bytes); });
    }

    void updateFiles_data();
    void updateFiles()
    {
        checkBounded([](const QByteArray &bytes) { return updateOutcome(bytes); });
    }

    // A file left in tests/hostile/ without a case would prove nothing.
    void everyFileHasACase()
    {
        // The kinds whose cases ran: all three when the whole test runs.
        QSet<QString> kindsRun;
        for (const QString &file : std::as_const(filesWithACase()))
            kindsRun.insert(file.section(QLatin1Char('/'), 0, 0));
        const QStringList kinds = QDir(hostileDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(kinds, QStringList({"database", "project", "update"}));
        for (const QString &kind : kinds) {
            const QStringList names
                = QDir(hostileDir() + QLatin1Char('/') + kind).entryList(QDir::Files);
            QVERIFY(!names.isEmpty());
            if (!kindsRun.contains(kind))
                continue;
            for (const QString &name : names)
                QVERIFY2(filesWithACase().contains(kind + QLatin1Char('/') + name),
                    qPrintable(kind + QLatin1Char('/') + name));
        }
        if (kindsRun.size() < kinds.size())
            QSKIP("only the files of the kinds whose cases ran were checked");
    }
};

void TestHostile::databaseFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("outcome");

    fileRow("database/truncated.xml",
        {"not loaded",
            "warning: Error parsing database file FILE:\nPremature end of document.\nLine 8 Column "
            "29"});
    // A figure that is not finite is unreadable: a required one is reported, an
    // optional one is left unset; the record stays listed with what was read.
    fileRow("database/nan-and-infinity.xml",
        {"loaded", "warning: Error parsing \"Voltage\" field for TS inf",
            "warning: Error parsing \"Power\" field for TS huge",
            "warning: Error parsing \"PowerFactor\" field for ZV nan",
            "warning: Error parsing \"Current\" field for Flex tiny", "version: 1.0",
            "ZV supplies: ZV nan", "TS supplies: TS inf | TS huge",
            "ZV fixtures: ZV nan | ZV minus inf", "flex strings: Flex tiny"});
    // Negative figures are taken as written (a negative limit counts as given);
    // an integer past 32 bits is unreadable; any non-zero Disable disables.
    fileRow("database/negative-and-overflowing.xml",
        {"loaded",
            "warning: Error parsing ZV none\nMaxElectricalLength and MaxNumFixtures are both zero",
            "warning: Error parsing \"Ports\" field for TS ports", "version: 1.0",
            "ZV supplies: ZV many | ZV none", "TS supplies: TS ports | TS negative",
            "OB fixtures: Disabled by overflow", "TS fixtures: TS negative",
            "cables of TS negative: leaders ; jumpers J row"});
    // The first of a repeated field counts; names need not be unique, and a
    // supply is found by the first of its name in any letter case.
    fileRow("database/duplicate-names.xml",
        {"loaded", "version: 1.0", "OB supplies: Driver | DRIVER | driver",
            "OB fixtures: Spot | Spot", "valid supplies of Spot: Driver | Driver"});
    // Fields are child elements found in their own lists only; a field is all
    // the text below it; numbers are read in the C locale, blanks around allowed.
    fileRow("database/wrong-element-types.xml",
        {"loaded", "warning: Error in database file FILE:\nPowerSupply element with no Name",
            "warning: Error in database file FILE:\nPowerSupply element with no Name",
            "warning: Error parsing \"Voltage\" field for Words",
            "warning: Error parsing \"Current\" field for Blanks",
            "warning: Error parsing \"Voltage\" field for Comma", "version: 1.0",
            "OB supplies: Bold driver", "OB fixtures: Flag words",
            "flex strings: Words | Blanks | Comma"});
    // Entities, CDATA, comments and processing instructions are markup, not text.
    fileRow("database/markup-inside-values.xml",
        {"loaded", "version: 1.0", "OB supplies: Orvane & co <1> | PI driver",
            "OB fixtures: ☃ snow A", "valid supplies of ☃ snow A: Orvane & co <1>"});
    // External entities are never fetched: no file reaches a name.
    fileRow("database/external-entity.xml", {"loaded", "version: 1.0", "OB fixtures: Leak  here"});
    fileRow("database/undefined-entity.xml",
        {"not loaded",
            "warning: Error parsing database file FILE:\nEntity 'nowhere' not declared.\nLine 3 "
            "Column 39"});
    fileRow("database/forbidden-characters.xml",
        {"not loaded",
            "warning: Error parsing database file FILE:\nInvalid character reference.\nLine 3 "
            "Column 39"});
    fileRow("database/unknown-encoding.xml",
        {"not loaded",
            "warning: Error parsing database file FILE:\nEncoding x-no-such-encoding is "
            "unsupported\nLine 1 Column 51"});
    fileRow("database/namespaced.xml",
        {"loaded", "warning: Error in database file FILE:\nDBVersion  not found.", "version: 1.0",
            "OB fixtures: Plain"});
    // A cable type or wire without its name or a required figure is reported and
    // left out; a list below a jumper still belongs to the fixture.
    fileRow("database/cable-faults.xml",
        {"loaded", "warning: Error in database file:\nJumper/Leader element with no Name",
            "warning: Error parsing \"ElectricalLength\" field for No length",
            "warning: Error in database file:\nCustomWire element with no Name",
            "warning: Error parsing \"Resistance\" field for nan wire",
            "warning: Error in database file:\nJumper/Leader element with no Name", "version: 1.0",
            "TS fixtures: TS cables",
            QStringLiteral("cables of TS cables: leaders Empty wires (wires: ), ")
                + "Wire faults (wires: Good), Nested leader; jumpers J"});

    const QByteArray head = "<Database><DBVersion>1.0</DBVersion>";
    madeRow("binary after a start tag", head + noise(64 * 1024, 1),
        {"not loaded",
            "warning: Error parsing database file FILE:\nEncountered incorrectly encoded "
            "content.\nLine 1 Column 2"});
    static const char withNul[]
        = "<FixtureList><Fixture><Name>A\0B</Name><Type>ombrel</Type></Fixture></FixtureList>"
          "</Database>";
    madeRow("NUL inside a name", head + QByteArray(withNul, sizeof withNul - 1),
        {"not loaded",
            "warning: Error parsing database file FILE:\nUnexpected ''.\nLine 1 Column 66"});
    {
        const QString text = QStringLiteral("<Database><DBVersion>1.0</DBVersion><FixtureList>"
                                            "<Fixture><Name>Gr\u00fcn</Name><Type>ombrel</Type>"
                                            "</Fixture></FixtureList></Database>");
        QByteArray utf16("\xff\xfe", 2);
        utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        madeRow("UTF-16 with a byte order mark", utf16,
            {"loaded", "version: 1.0", "OB fixtures: Grün"});
    }
    {
        QByteArray many = head + "<PowerSupplyList>";
        for (int i = 0; i < 30000; ++i)
            many += "<PowerSupply><Name>S" + QByteArray::number(i)
                + "</Name><Type>ombrel</Type></PowerSupply><Unknown/>";
        many += "</PowerSupplyList><FixtureList><Fixture><Name>All</Name><Type>ombrel</Type>"
                "<ValidSupplyList>";
        for (int i = 0; i < 30000; ++i)
            many += "<Supply>s" + QByteArray::number(i) + "</Supply>";
        many += "</ValidSupplyList></Fixture></FixtureList></Database>";
        madeRow("tens of thousands of elements", many,
            {"loaded", "version: 1.0", "OB supplies: S0 | ... 30000 in all | S29999",
                "OB fixtures: All", "valid supplies of All: S0 | ... 30000 in all | S29999"});
    }
    madeRow("megabyte attribute and name",
        "<Database note=\"" + QByteArray(4 * 1024 * 1024, 'x') + "\"><DBVersion>1.0</DBVersion>"
            + "<FixtureList><Fixture><Name>" + QByteArray(1024 * 1024, 'n')
            + "</Name><Type>ombrel</Type></Fixture></FixtureList></Database>",
        {"loaded", "version: 1.0",
            "OB fixtures: " + QString(80, QLatin1Char('n')) + "... (1048576 characters)"});
    {
        // The lists at the deepest level a file may use.
        const int depth = Database::MaxElementDepth - 3;
        const QByteArray lists = repeated("<g>", depth - 1)
            + "<FixtureList><Fixture><Name>Deep</Name><Type>ombrel</Type></Fixture>"
              "</FixtureList>"
            + repeated("</g>", depth - 1);
        madeRow("nesting at the limit",
            "<Database><DBVersion>1.0</DBVersion>" + lists + "</Database>",
            {"loaded", "version: 1.0", "OB fixtures: Deep"});
    }
    {
        // One entity of 64 KiB used many times: no nesting, yet gigabytes.
        const QByteArray quadratic = "<?xml version=\"1.0\"?><!DOCTYPE Database [<!ENTITY a \""
            + QByteArray(64 * 1024, 'a') + "\">]><Database><DBVersion>1.0</DBVersion>"
            + "<FixtureList><Fixture><Name>" + repeated("&a;", 20000)
            + "</Name><Type>ombrel</Type></Fixture></FixtureList></Database>";
        madeRow("quadratic entity expansion", quadratic,
            {"not loaded",
                "warning: Error parsing database file FILE:\nEntity expands to more characters "
                "than the entity expansion limit.\nLine 1 Column 65660"});
    }
}

// The outcome of a project file that is refused: the box and the status line
// say why, and the window keeps its settings, its run and its current file.
QStringList refusedProject(const char *reason)
{
    return {QStringLiteral("box Open Error: FILE is not a Wattlan configuration.\n")
            + QLatin1String(reason),
        "status: Failed to open configuration FILE",
        "settings: "
            + QStringList({"Vessik Cove 4 ft", "Quellor PD-150", "120", "15",
                              "Standard Leader 10 ft", "(none)", "120", "15", "10"})
                  .join(QLatin1String(" | ")),
        "run: 1: VC4", "current file: Untitled.xml"};
}

void TestHostile::projectFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("outcome");

    // A cell that names no fixture of the catalogue, or has no kind of its own,
    // ends the run after the cells before it.
    fileRow("project/unknown-fixture-mid-run.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | 120 | 20 | (none) | (none) | 120 | 15 | 10",
            "run: 1: VC4", "current file: hostile.xml"});
    fileRow("project/cell-kinds.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | 120 | 20 | (none) | (none) | 120 | 15 | 10",
            "run: 1: VC4 2: VC4 J0/-1/1", "current file: hostile.xml"});
    fileRow("project/jumper-figures-out-of-range.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | 120 | 20 | (none) | (none) | 120 | 15 | 10",
            "run: 1: VC4 J0/-1/100 2: VC4 J0/-1/1 3: VC4 J2/1/1 4: VC4",
            "current file: hostile.xml"});
    // A number that does not read as a 32-bit integer reads as 0 (never wraps
    // around), and the spin box clamps it to its range.
    fileRow("project/numbers-overflowing.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | Other | Other | (none) | (none) | 100 | 1 "
         "| 1",
            "run: ", "current file: hostile.xml"});
    fileRow("project/nan-and-infinity.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | Other | Other | (none) | (none) | 100 | 1 "
         "| 1",
            "run: 1: VC4 J2/0/1", "current file: hostile.xml"});
    fileRow("project/other-in-another-case.xml",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | (none) | (none) | (none) | (none) | 120 | "
         "15 | 10",
            "run: ", "current file: hostile.xml"});
    // The first run element in document order counts, at any depth.
    fileRow("project/run-elsewhere-and-twice.xml",
        {"settings: Vessik Cove 2 ft | Quellor PD-150 | 208 | 15 | (none) | (none) | 120 | 15 | 20",
            "run: 1: VC2", "current file: hostile.xml"});
    fileRow("project/namespaced-root.xml",
        {"settings: Vessik Cove 2 ft | Quellor PD-150 | 208 | (none) | (none) | (none) | 120 | 15 "
         "| 1",
            "run: ", "current file: hostile.xml"});
    // A file that is refused leaves the window and its current file as they were.
    fileRow("project/external-entity.xml",
        refusedProject(
            "Line 3, column 35: Reference to external entity 'host' in attribute value."));
    fileRow("project/duplicate-attribute.xml",
        refusedProject("Line 2, column 104: Attribute 'CurrentFixtureName' redefined."));
    fileRow("project/truncated-in-run.xml",
        refusedProject("Line 6, column 0: Premature end of document."));
    // Settings are attributes and cells the run element's own CWidget children,
    // names matched exactly; everything else is passed over.
    fileRow("project/wrong-element-types.xml",
        {"settings: (none) | Quellor PD-150 | 208 | (none) | (none) | (none) | 120 | 15 | 1",
            "run: 1: VC2", "current file: hostile.xml"});

    const QByteArray root = "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan "
                            "CurrentFixtureName=\"Vessik Cove 4 ft\" LineVoltage=\"120\" "
                            "MaxCircuitLoad=\"20\" LeaderLength=\"10\">";
    const QByteArray fixture
        = "<CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\"Vessik Cove 4 ft\"/>";
    madeRow("binary", noise(16 * 1024, 4),
        refusedProject("Line 1, column 1: Encountered incorrectly encoded content."));
    madeRow("binary inside the run", root + "<CFrame>" + fixture + noise(4096, 5),
        refusedProject("Line 1, column 2: Encountered incorrectly encoded content."));
    madeRow("a run of a hundred thousand cells",
        root + "<CFrame>" + repeated(fixture + "<Note/>", 100000) + "</CFrame></Wattlan>",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | 120 | 20 | (none) | (none) | 120 | 15 | 10",
            "run: 1: VC4 2: VC4 3: VC4 4: VC4 5: VC4 6: VC4 7: VC4 8: VC4 9: V... 1000 fixtures, 0 "
            "jumpers",
            "current file: hostile.xml"});
    madeRow("megabyte fixture name",
        root + "<CFrame><CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\""
            + QByteArray(1024 * 1024, 'f') + "\"/></CFrame></Wattlan>",
        {"settings: Vessik Cove 4 ft | Quellor PD-150 | 120 | 20 | (none) | (none) | 120 | 15 | 10",
            "run: ", "current file: hostile.xml"});
    {
        const QString text = QStringLiteral("<Wattlan CurrentFixtureName=\"Vessik Cove 2 ft\" "
                                            "LineVoltage=\"208\"><CFrame><CWidget "
                                            "CWidgetItemType=\"2\" CWidgetFixtureName=\"Vessik "
                                            "Cove 2 ft\"/></CFrame></Wattlan>");
        QByteArray utf16("\xff\xfe", 2);
        utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        madeRow("UTF-16 with a byte order mark", utf16,
            {"settings: Vessik Cove 2 ft | Quellor PD-150 | 208 | (none) | (none) | (none) | 120 | "
             "15 | 1",
                "run: 1: VC2", "current file: hostile.xml"});
    }
}

void TestHostile::updateFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("outcome");

    fileRow("update/billion-laughs.xml", {"refused"});
    fileRow("update/external-entity.xml", {"refused"});
    // Defaults that the file's own document type declares count as written.
    fileRow("update/dtd-default-attributes.xml",
        {"WATTLAN 2.1.7 Build 20120510 [https://example.test/default]"});
    // Blanks, a plus sign and leading zeros still write the number; any other
    // form refuses the whole file.
    fileRow("update/numbers-in-other-forms.xml",
        {"BLANKS 2.1.7 Build 20120510 []", "PLUS 2.1.7 Build 20120510 []",
            "ZEROS 2.1.7 Build 20120510 []"});
    fileRow("update/number-in-hex.xml", {"refused"});
    fileRow("update/number-with-fraction.xml", {"refused"});
    fileRow("update/number-nan.xml", {"refused"});
    fileRow("update/minus-zero.xml", {"refused"});
    fileRow("update/duplicate-attribute.xml", {"refused"});
    // Names match exactly: another letter case or blanks name another application.
    fileRow("update/names-differ-in-case.xml",
        {" WATTLAN  9.9.9 Build 99991231 []", "WATTLAN 2.1.6 Build 20120202 []",
            "wattlan 9.9.9 Build 99991231 [https://example.test/not-ours]"});
    // What an entry holds is skipped, an entry inside it too.
    fileRow("update/entry-with-content.xml",
        {"WATTLAN 2.1.7 Build 20120510 [https://example.test/get]"});
    fileRow("update/namespaced-root.xml", {"WATTLAN 2.1.7 Build 20120510 []"});
    fileRow("update/truncated-in-attribute.xml", {"refused"});
    fileRow("update/html-error-page.xml", {"refused"});
    fileRow("update/second-root.xml", {"refused"});

    const QByteArray entry = "<Application name=\"WATTLAN\" series=\"3\" major=\"2\" minor=\"1\" "
                             "revision=\"7\" build=\"20120510\" download=\"https://example.test/";
    madeRow("binary", noise(16 * 1024, 2), {"refused"});
    madeRow("binary after the root", "<YmAppVersions>" + noise(16 * 1024, 3), {"refused"});
    static const char withNul[] = "<YmAppVersions><Application name=\"WATT\0LAN\" series=\"3\" "
                                  "major=\"2\" minor=\"1\" revision=\"7\" build=\"1\"/>"
                                  "</YmAppVersions>";
    madeRow("NUL inside a name", QByteArray(withNul, sizeof withNul - 1), {"refused"});
    {
        const QString text
            = QStringLiteral("<YmAppVersions><Application name=\"WATTLAN\" series=\"3\""
                             " major=\"2\" minor=\"1\" revision=\"7\" build=\"5\"/>"
                             "</YmAppVersions>");
        QByteArray utf16("\xfe\xff", 2);
        for (const QChar c : text) {
            utf16 += char(c.unicode() >> 8);
            utf16 += char(c.unicode() & 0xff);
        }
        madeRow("UTF-16 big-endian with a byte order mark", utf16, {"WATTLAN 2.1.7 Build 5 []"});
    }
    madeRow("megabyte download address",
        "<YmAppVersions>" + entry + QByteArray(1024 * 1024, 'p') + "\"/></YmAppVersions>",
        {"WATTLAN 2.1.7 Build 20120510 [https://example.test/" + QString(59, QLatin1Char('p'))
            + "... (1048597 characters)]"});
    {
        QByteArray many = "<YmAppVersions>";
        for (int i = 0; i < 50000; ++i)
            many += "<Application name=\"APP" + QByteArray::number(i)
                + "\" series=\"3\" major=\"2\" minor=\"1\" revision=\"7\" build=\"1\"/>";
        madeRow("tens of thousands of entries", many + "</YmAppVersions>",
            {"APP0 2.1.7 Build 1 []", "... 50000 in all", "APP9999 2.1.7 Build 1 []"});
    }
    madeRow("deep nesting inside an unknown element",
        "<YmAppVersions><Notice>" + repeated("<n>", 100000) + repeated("</n>", 100000) + "</Notice>"
            + entry + "\"/></YmAppVersions>",
        {"WATTLAN 2.1.7 Build 20120510 [https://example.test/]"});
    madeRow("quadratic entity expansion",
        "<?xml version=\"1.0\"?><!DOCTYPE YmAppVersions [<!ENTITY a \"" + QByteArray(64 * 1024, 'a')
            + "\">]><YmAppVersions>" + entry + repeated("&a;", 20000) + "\"/></YmAppVersions>",
        {"refused"});
}

WATTLAN_TEST_MAIN(TestHostile)

#include "tst_hostile.moc"
