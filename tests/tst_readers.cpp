// The core's readers of files from outside: the product catalogue, its
// records and the project file. Every input of tests/readers/ (and the huge
// ones made here) is read, and what the reader said and kept must be what
// tests/readers/expected/ keeps for it, within bounded time and memory.
#include "coretest.h"
#include "database.h"
#include "projectformat.h"
#include "readersupport.h"
#include "runbound.h"
#include "xmlnesting.h"
#include "zelvanetab.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

using namespace Readers;

namespace {
QString n(double value)
{
    return QString::number(value, 'g', 12);
}

QString cable(const char *kind, const YmJumper *cable)
{
    QString line = QStringLiteral("  %1 %2: ").arg(QLatin1String(kind), shown(cable->Name));
    if (!cable->IsCustom)
        return line
            + QStringLiteral("R %1, length %2, max leader %3, in a row %4")
                  .arg(n(cable->Resistance), n(cable->ElectricalLength), n(cable->MaxLeaderLength))
                  .arg(cable->MaxInARow);
    QStringList wires;
    for (const YmWire *wire : cable->CustomWireList)
        wires << QStringLiteral("%1 R %2 max %3")
                     .arg(shown(wire->Name), n(wire->Resistance), n(wire->MaxLength));
    return line
        + QStringLiteral("custom, wire %1, length %2, wires %3")
              .arg(cable->DefaultCustomWire)
              .arg(n(cable->DefaultCustomLength), wires.join(QLatin1String(" | ")));
}
// A record as its fields, one line; a fixture with its cables and supplies.
QStringList describe(const YmItem *record)
{
    if (const auto *cableRecord = qobject_cast<const YmJumper *>(record))
        return {cable("cable", cableRecord).trimmed()};
    QString line = shown(record->Name);
    if (const auto *wire = qobject_cast<const YmWire *>(record))
        line += QStringLiteral(": R %1 max %2").arg(n(wire->Resistance), n(wire->MaxLength));
    if (const auto *s = qobject_cast<const ZVPowerSupply *>(record))
        line += QStringLiteral(": length %1, fixtures %2")
                    .arg(n(s->MaxElectricalLength))
                    .arg(s->MaxNumFixtures);
    if (const auto *s = qobject_cast<const TSPowerSupply *>(record))
        line += QStringLiteral(": %1 V, %2 W, %3 ports of %4 W")
                    .arg(n(s->Voltage), n(s->Power))
                    .arg(s->Ports)
                    .arg(n(s->MaxPortPower));
    const auto *fixture = qobject_cast<const YmFixture *>(record);
    if (!fixture)
        return {line};
    line += QStringLiteral(" [%1, family %2, defaults %3/%4%5]")
                .arg(shown(fixture->ShortName))
                .arg(fixture->Family)
                .arg(fixture->DefaultLeader)
                .arg(fixture->DefaultJumper)
                .arg(fixture->Disable ? QStringLiteral(", disabled") : QString());
    if (const auto *f = qobject_cast<const ZVFixture *>(record))
        line += QStringLiteral(": pf %1, temp %2, R %3, length %4, %5 W, fudge %6, safety %7, "
                               "drop %8, min %9, percent %10, max %11 W, %12 A, %13 ft, jumper %14")
                    .arg(n(f->PowerFactor), n(f->MaxTemp), n(f->Resistance), n(f->ElectricalLength),
                        n(f->Power), n(f->FudgeFactor), QString::number(f->SafetyRequired),
                        n(f->MaxVoltageDrop), n(f->MinVoltage))
                    .arg(n(f->VoltageDropPercent), n(f->MaxPower), n(f->MaxFixtureCurrent),
                        n(f->MaxFixtureLength), QString::number(f->JumperRequired));
    if (const auto *f = qobject_cast<const TSFixture *>(record))
        line += QStringLiteral(": %1 V, min %2 V, %3 A, %4 ft, R %5")
                    .arg(n(f->Voltage), n(f->MinVoltage), n(f->Current), n(f->Length),
                        n(f->Resistance));
    if (const auto *f = qobject_cast<const FlexString *>(record))
        line += QStringLiteral(": %1 V, min %2 V, %3 A, cable R %4")
                    .arg(n(f->Voltage), n(f->MinVoltage), n(f->Current),
                        n(f->StringCableResistance));
    QStringList lines {line};
    for (const YmJumper *leader : fixture->LeaderList)
        lines << cable("leader", leader);
    for (const YmJumper *jumper : fixture->JumperList)
        lines << cable("jumper", jumper);
    QStringList supplies;
    for (const YmItem *supply : fixture->ValidSupplyList)
        supplies << shown(supply->Name);
    if (!supplies.isEmpty())
        lines << QStringLiteral("  supplies: ") + shortened(supplies).join(QLatin1String(" | "));
    return lines;
}

// What a load said and kept: the result, each warning with folder written as
// DIR, the version and every record of every list.
QStringList outcomeOf(
    const Database &db, bool loaded, const QStringList &warnings, const QString &folder)
{
    QStringList outcome {loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded")};
    for (QString warning : warnings)
        outcome << QStringLiteral("warning: ")
                + shown(warning.replace(folder, QLatin1String("DIR")), 300);
    if (!db.m_dbVersion.isEmpty())
        outcome << QStringLiteral("version: ") + db.m_dbVersion;
    // Each record with its cables and supplies; of a long list the first and last.
    const auto list = [&](const char *title, const auto &records) {
        QStringList described;
        for (const YmItem *record : records)
            described << QLatin1String(title) + QStringLiteral(": ") + describe(record).join('\n');
        for (const QString &entry : shortened(described))
            outcome << entry.split(QLatin1Char('\n'));
    };
    list("ZV supply", db.m_zvSupplies);
    list("OB supply", db.m_obSupplies);
    list("TS supply", db.m_tsSupplies);
    list("ZV fixture", db.m_zvFixtures);
    list("OB fixture", db.m_obFixtures);
    list("TS fixture", db.m_tsFixtures);
    list("flex string", db.m_flexStrings);
    return outcome;
}

QByteArray fixtureFile(const QByteArray &name, const QByteArray &extra = {})
{
    return "<Database><DBVersion>1.0</DBVersion>" + extra + "<FixtureList><Fixture><Name>" + name
        + "</Name><Type>ombrel</Type></Fixture></FixtureList></Database>";
}

// The deepest nesting an XML reader meets before the document ends or its
// first fault stops it: what the glance must never understate.
int readerDepth(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    int depth = 0, deepest = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement)
            deepest = qMax(deepest, ++depth);
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return deepest;
}

// The Zelvane tab as the window shows it: its selectors ("(none)" where none
// is chosen; the leader's gauge shows for a custom leader only), its number
// boxes, and its run as the cells' texts, a long one shortened.
QString shownTab(const ZelvaneTab &tab)
{
    const ZelvaneSettings s = tab.settings();
    QStringList shownParts;
    for (const QString &text : {s.fixtureName, s.supplyName, s.lineVoltage, s.maxCircuitLoad,
             s.leaderType, s.customLeaderGauge})
        shownParts << (text.isEmpty() ? QStringLiteral("(none)") : shown(text));
    if (!tab.leader() || !tab.leader()->IsCustom)
        shownParts.last() = QStringLiteral("(hidden)");
    for (int box : {s.customLineVoltage, s.customMaxCircuitLoad, s.leaderLength})
        shownParts << QString::number(box);
    QStringList cells;
    int fixtures = 0;
    for (const RunCell &c : tab.cells())
        cells << (c.kind == RunCell::Fixture
                ? QString::number(++fixtures) + QStringLiteral(": ") + c.fixture->ShortName
                : QString::asprintf(
                    "J%d/%d/%d", c.jumper.typeRow, c.jumper.gaugeRow, c.jumper.length));
    QString run = cells.join(QLatin1Char(' '));
    if (run.size() > 120)
        run = run.left(60)
            + QString::asprintf(
                "... %d fixtures, %d jumpers", fixtures, int(cells.size()) - fixtures);
    return (shownParts << run).join(QLatin1String(" | "));
}

} // namespace

class TestReaders : public QObject
{
    Q_OBJECT

    Expected m_databases {QStringLiteral("database")};
    Expected m_records {QStringLiteral("records")};
    Expected m_nesting {QStringLiteral("nesting")};
    Expected m_projects {QStringLiteral("project")};
    QTemporaryDir m_dir;
    Database m_sample;

private slots:
    void initTestCase()
    {
        m_sample.setReporter([](const QString &text) { qFatal("%s", qPrintable(text)); });
        QVERIFY(m_sample.load(testCatalogue()));
    }

    // A kept outcome without its input would prove nothing.
    void cleanupTestCase()
    {
        for (const Expected *kind : {&m_databases, &m_records, &m_nesting, &m_projects})
            QCOMPARE(kind->unmatched(), QStringList());
    }

    void databases_data();
    // A file is read as the first of the three, the other two holding only a
    // version; a folder is read as the catalogue it is. Loaded twice into the
    // same database, which must then hold the second load alone.
    void databases()
    {
        auto [bytes, path] = fetch<QByteArray, QString>("bytes", "path");
        QTemporaryDir dir;
        if (!QFileInfo(path).isDir()) {
            path = dir.path();
            QVERIFY(writeBytes(dir.filePath(QStringLiteral("ym_config_zv.xml")), bytes));
            for (const char *other : {"ym_config_ob.xml", "ym_config_ts.xml"})
                QVERIFY(writeBytes(dir.filePath(QLatin1String(other)),
                    "<Database><DBVersion>1.0</DBVersion></Database>"));
        }
        QElapsedTimer timer;
        timer.start();
        Database db;
        QStringList warnings;
        db.setReporter([&](const QString &text) { warnings << text; });
        db.load(QDir(path));
        warnings.clear();
        const bool loaded = db.load(QDir(path));
        READERS_CHECK(m_databases, outcomeOf(db, loaded, warnings, QDir(path).absolutePath()));
    }

    void records_data();
    // One record element read by the record of its kind: whether it is
    // complete, what it reported and every field it kept.
    void records()
    {
        // path: the kind
        const auto [bytes, path] = fetch<QByteArray, QString>("bytes", "path");
        static const QMap<QString, std::function<YmItem *(const QString &)>> kinds {
            {"wire", [](const QString &name) { return new YmWire(name); }},
            {"cable", [](const QString &name) { return new YmJumper(name); }},
            {"zv-supply", [](const QString &name) { return new ZVPowerSupply(name); }},
            {"ts-supply", [](const QString &name) { return new TSPowerSupply(name); }},
            {"zv-fixture", [](const QString &name) { return new ZVFixture(name); }},
            {"ts-fixture", [](const QString &name) { return new TSFixture(name); }},
            {"ob-fixture", [](const QString &name) { return new OBFixture(name); }},
            {"flex", [](const QString &name) { return new FlexString(name); }}};
        QVERIFY2(kinds.contains(path), qPrintable(path));
        QDomDocument document;
        QVERIFY(document.setContent(bytes));
        const QDomElement element = document.documentElement();
        QElapsedTimer timer;
        timer.start();
        QStringList outcome;
        const DatabaseWarning::Scope scope([&](const QString &text) { outcome << text; });
        std::unique_ptr<YmItem> record(kinds[path](YmItem::childText(element, "Name")));
        const bool complete = record->fromXml(element);
        outcome.prepend(QStringLiteral("%1, technology %2")
                            .arg(complete ? "complete" : "incomplete")
                            .arg(record->techType));
        READERS_CHECK(m_records, outcome + describe(record.get()));
    }

    void nestingGlance_data()
    {
        addColumns<QByteArray, QString>("bytes", "path");
        m_nesting.fileRows();
    }

    // The limits from 0 to 4 within which the glance that spares a shallow
    // file the parser's depth check vouches for each file; a reader must
    // never find a vouched file deeper.
    void nestingGlance()
    {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        QStringList vouched;
        for (int limit = 0; limit <= 4; ++limit) {
            if (nestsSurelyWithin(bytes, limit)) {
                vouched << QString::number(limit);
                QVERIFY(readerDepth(bytes) <= limit);
            }
        }
        READERS_CHECK(m_nesting,
            QStringList(vouched.isEmpty() ? QStringLiteral("never vouched for")
                                          : QStringLiteral("within ") + vouched.join(' ')));
    }

    void projects_data();
    // What File, Open leaves of each file in a window just started on the
    // sample catalogue, the file opened into the core's Zelvane tab: the box
    // and status line of a refusal (the file written FILE), the Zelvane
    // selectors, number boxes and run, and the current file.
    void projects()
    {
        QFETCH(QByteArray, bytes);
        const QString file = m_dir.filePath(QStringLiteral("project.xml"));
        QVERIFY(writeBytes(file, bytes));
        QElapsedTimer timer;
        timer.start();
        ZelvaneTab tab(m_sample);
        QDomDocument document;
        QString reason;
        const ProjectFormat::LoadResult loaded = ProjectFormat::load(file, document, &reason);
        const bool opened = loaded == ProjectFormat::LoadResult::Loaded;
        QStringList outcome;
        if (opened)
            tab.open(document.documentElement());
        else
            outcome << QStringLiteral("box Open Error: ")
                    + shown(ProjectFormat::refusal(loaded, file, reason).replace(file, "FILE"), 300)
                    << QStringLiteral("status: Failed to open configuration FILE");
        outcome << shownTab(tab) << (opened ? "project.xml" : "Untitled.xml");
        READERS_CHECK(m_projects, outcome);
    }

    // Random documents, well-formed or not, truncated anywhere: whenever the
    // glance vouches for one, a reader finds it no deeper.
    void nestingGlanceNeverUnderstatesAReader()
    {
        static const QByteArray pieces[]
            = {"<a>", "</a>", "<b x='1'>", "</b>", "<c/>", "<d y=\"/>\"/>", "text", "&lt;",
                "<!-- <a><a> -->", "<![CDATA[ <a><a> ]]>", "<?pi <a> ?>", "<e z=\"'>'\">", "</e>",
                ">", "\"", "'", "<", "/>", "<!--", "]]>", "?>", "\r\n"};
        QRandomGenerator random(20120202);
        int vouched = 0;
        for (int round = 0; round < 20000; ++round) {
            QByteArray document;
            const int count = random.bounded(1, 40);
            for (int i = 0; i < count; ++i)
                document += pieces[random.bounded(int(std::size(pieces)))];
            document.truncate(random.bounded(document.size() + 1));
            const int maxDepth = random.bounded(0, 5);
            if (nestsSurelyWithin(document, maxDepth)) {
                ++vouched;
                QVERIFY2(readerDepth(document) <= maxDepth, document.constData());
            }
        }
        QVERIFY(vouched > 1000); // the quick answer is the common one
    }
};

void TestReaders::databases_data()
{
    addColumns<QByteArray, QString>("bytes", "path");
    m_databases.fileRows();
    m_databases.row("sample catalogue", {}, sourcePath("data"));
    const QByteArray head = "<Database><DBVersion>1.0</DBVersion>";
    QByteArray many = head + "<PowerSupplyList>";
    for (int i = 0; i < 30000; ++i)
        many += "<PowerSupply><Name>S" + QByteArray::number(i)
            + "</Name><Type>ombrel</Type></PowerSupply><Unknown/>";
    many += "</PowerSupplyList><FixtureList><Fixture><Name>All</Name><Type>ombrel</Type>"
            "<ValidSupplyList>";
    for (int i = 0; i < 30000; ++i)
        many += "<Supply>s" + QByteArray::number(i) + "</Supply>";
    m_databases.row("tens of thousands of elements",
        many + "</ValidSupplyList></Fixture></FixtureList></Database>");
    m_databases.row("megabyte attribute and name",
        fixtureFile(QByteArray(1024 * 1024, 'n'))
            .replace("<Database>", "<Database note=\"" + QByteArray(4 << 20, 'x') + "\">"));
    m_databases.row("nested without bound", QByteArray("<a>").repeated(100000));
    // One entity of 64 KiB used many times: no nesting, yet gigabytes.
    m_databases.row("quadratic entity expansion",
        "<?xml version=\"1.0\"?><!DOCTYPE Database [<!ENTITY a \"" + QByteArray(64 * 1024, 'a')
            + "\">]>" + fixtureFile(QByteArray("&a;").repeated(20000)));
    m_databases.row("larger than the limit",
        head + "<!--" + QByteArray(Database::MaxFileSize, ' ') + "--></Database>");
    QByteArray records = head
        + "<PowerSupplyList><PowerSupply><Name>S</Name><Type>ombrel</Type>"
          "</PowerSupply></PowerSupplyList><FixtureList>";
    for (int i = 0; i < 20000; ++i)
        records += "<Fixture><Name>Fixture " + QByteArray::number(i)
            + "</Name><Type>ombrel</Type><ValidSupplyList><Supply>S</Supply></ValidSupplyList>"
              "<Note>"
            + QByteArray(100, 'x') + "</Note></Fixture>";
    m_databases.row("several megabytes of records", records + "</FixtureList></Database>");
}

void TestReaders::records_data()
{
    addColumns<QByteArray, QString>("bytes", "path");
    QDomDocument cases;
    QVERIFY(cases.setContent(fileBytes(sourcePath("tests/readers/records.xml"))));
    QVERIFY2(!cases.documentElement().firstChildElement().isNull(), "records.xml holds no case");
    for (QDomElement c = cases.documentElement().firstChildElement(); !c.isNull();
         c = c.nextSiblingElement()) {
        QString xml;
        QTextStream stream(&xml);
        c.firstChildElement().save(stream, -1);
        m_records.row(c.attribute("name"), xml.toUtf8(), c.attribute("kind"));
    }
}

void TestReaders::projects_data()
{
    addColumns<QByteArray, QString>("bytes", "path");
    m_projects.fileRows();
    const QByteArray root = "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan "
                            "CurrentFixtureName=\"Vessik Cove 4 ft\" LineVoltage=\"120\" "
                            "MaxCircuitLoad=\"20\" LeaderLength=\"10\">";
    const QByteArray fixture
        = "<CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\"Vessik Cove 4 ft\"/>";
    const QByteArray jumper = "<CWidget CWidgetItemType=\"3\" CWidgetFixtureName=\"Vessik Cove 4 "
                              "ft\" CWidgetJumperIndex=\"0\"/>";
    m_projects.row("a run of a hundred thousand cells",
        root + "<CFrame>" + (fixture + "<Note/>").repeated(100000) + "</CFrame></Wattlan>");
    // The largest run the application builds reads back whole, a fixture more is not read.
    m_projects.row("the longest run",
        root + "<CFrame>" + fixture + (jumper + fixture).repeated(MaxRunFixtures)
            + "</CFrame></Wattlan>");
    m_projects.row("a hundred thousand jumpers",
        root + "<CFrame>" + jumper.repeated(100000) + "</CFrame></Wattlan>");
    m_projects.row("megabyte fixture name",
        root + "<CFrame><CWidget CWidgetItemType=\"2\" CWidgetFixtureName=\""
            + QByteArray(1024 * 1024, 'f') + "\"/></CFrame></Wattlan>");
    m_projects.row("nested without bound", "<Wattlan>" + QByteArray("<CFrame>").repeated(100000));
    m_projects.row("too many elements",
        "<Wattlan>" + QByteArray("<a/>").repeated(ProjectFormat::MaxElements) + "</Wattlan>");
    m_projects.row(
        "too large", "<Wattlan x=\"" + QByteArray(ProjectFormat::MaxFileBytes, 'x') + "\"/>");
}

WATTLAN_TEST_MAIN_ON(QCoreApplication, TestReaders)
#include "tst_readers.moc"
