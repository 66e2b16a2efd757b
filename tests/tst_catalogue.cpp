// The readers of files from outside: the product catalogue, its records and
// the update file. Every input of tests/readers/ (and the huge ones made
// here) is read, and what the reader said and kept must be what
// tests/readers/expected/ keeps for it, within bounded time and memory.
#include "database.h"
#include "readersupport.h"
#include "testsupport.h"
#include "updatefile.h"
#include "wattlan.h"
#include "xmlnesting.h"

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

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    Expected m_databases {QStringLiteral("database")};
    Expected m_records {QStringLiteral("records")};
    Expected m_updates {QStringLiteral("update")};
    Expected m_nesting {QStringLiteral("nesting")};

private slots:
    // A kept outcome without its input would prove nothing.
    void cleanupTestCase()
    {
        QCOMPARE(
            m_databases.unmatched() + m_records.unmatched() + m_updates.unmatched(), QStringList());
    }

    void databases_data();
    // A file is read as the first of the three, the other two holding only a
    // version; a folder is read as the catalogue it is. Loaded twice into the
    // same database, which must then hold the second load alone.
    void databases()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, path);
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
        QFETCH(QByteArray, bytes);
        QFETCH(QString, path); // the kind
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

    void updates_data();
    void updates()
    {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        const auto file = ReVazodiZedid::parseUpdateFile(bytes);
        QStringList entries {QStringLiteral("refused")};
        if (file) {
            entries.clear();
            for (auto it = file->cbegin(); it != file->cend(); ++it)
                entries << QStringLiteral("%1 %2 [%3]")
                               .arg(
                                   shown(it.key()), it->version.toString(), shown(it->downloadUrl));
            entries.sort();
        }
        READERS_CHECK(m_updates, shortened(entries));
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

    void nestingGlance_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("path");
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

void TestCatalogue::databases_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    Expected &rows = m_databases;
    rows.fileRows();
    rows.row("sample catalogue", {}, sourcePath("data"));
    const QByteArray head = "<Database><DBVersion>1.0</DBVersion>";
    QByteArray many = head + "<PowerSupplyList>";
    for (int i = 0; i < 30000; ++i)
        many += "<PowerSupply><Name>S" + QByteArray::number(i)
            + "</Name><Type>ombrel</Type></PowerSupply><Unknown/>";
    many += "</PowerSupplyList><FixtureList><Fixture><Name>All</Name><Type>ombrel</Type>"
            "<ValidSupplyList>";
    for (int i = 0; i < 30000; ++i)
        many += "<Supply>s" + QByteArray::number(i) + "</Supply>";
    rows.row("tens of thousands of elements",
        many + "</ValidSupplyList></Fixture></FixtureList></Database>");
    rows.row("megabyte attribute and name",
        fixtureFile(QByteArray(1024 * 1024, 'n'))
            .replace("<Database>", "<Database note=\"" + QByteArray(4 << 20, 'x') + "\">"));
    rows.row("nested without bound", QByteArray("<a>").repeated(100000));
    // One entity of 64 KiB used many times: no nesting, yet gigabytes.
    rows.row("quadratic entity expansion",
        "<?xml version=\"1.0\"?><!DOCTYPE Database [<!ENTITY a \"" + QByteArray(64 * 1024, 'a')
            + "\">]>" + fixtureFile(QByteArray("&a;").repeated(20000)));
    rows.row("larger than the limit",
        head + "<!--" + QByteArray(Database::MaxFileSize, ' ') + "--></Database>");
    QByteArray records = head
        + "<PowerSupplyList><PowerSupply><Name>S</Name><Type>ombrel</Type>"
          "</PowerSupply></PowerSupplyList><FixtureList>";
    for (int i = 0; i < 20000; ++i)
        records += "<Fixture><Name>Fixture " + QByteArray::number(i)
            + "</Name><Type>ombrel</Type><ValidSupplyList><Supply>S</Supply></ValidSupplyList>"
              "<Note>"
            + QByteArray(100, 'x') + "</Note></Fixture>";
    rows.row("several megabytes of records", records + "</FixtureList></Database>");
}

void TestCatalogue::records_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    QDomDocument cases;
    QVERIFY(cases.setContent(fileBytes(sourcePath("tests/readers/records.xml"))));
    for (QDomElement c = cases.documentElement().firstChildElement(); !c.isNull();
         c = c.nextSiblingElement()) {
        QString xml;
        QTextStream stream(&xml);
        c.firstChildElement().save(stream, -1);
        m_records.row(c.attribute("name"), xml.toUtf8(), c.attribute("kind"));
    }
}

void TestCatalogue::updates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    Expected &rows = m_updates;
    rows.fileRows();
    const QByteArray entry = "<Application name=\"WATTLAN\" series=\"3\" major=\"2\" minor=\"1\" "
                             "revision=\"7\" build=\"20120510\" download=\"https://example.test/";
    rows.row("megabyte download address",
        "<YmAppVersions>" + entry + QByteArray(1024 * 1024, 'p') + "\"/></YmAppVersions>");
    QByteArray many = "<YmAppVersions>";
    for (int i = 0; i < 50000; ++i)
        many += "<Application name=\"APP" + QByteArray::number(i)
            + "\" series=\"3\" major=\"2\" minor=\"1\" revision=\"7\" build=\"1\"/>";
    rows.row("tens of thousands of entries", many + "</YmAppVersions>");
    rows.row("deep nesting inside an unknown element",
        "<YmAppVersions><Notice>" + QByteArray("<n>").repeated(100000)
            + QByteArray("</n>").repeated(100000) + "</Notice>" + entry + "\"/></YmAppVersions>");
    rows.row("quadratic entity expansion in an address",
        "<?xml version=\"1.0\"?><!DOCTYPE YmAppVersions [<!ENTITY a \"" + QByteArray(64 * 1024, 'a')
            + "\">]><YmAppVersions>" + entry + QByteArray("&a;").repeated(20000)
            + "\"/></YmAppVersions>");
}

WATTLAN_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
