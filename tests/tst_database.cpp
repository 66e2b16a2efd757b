#include "database.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
const QString zvFile = QStringLiteral("ym_config_zv.xml");
const QString obFile = QStringLiteral("ym_config_ob.xml");
const QString tsFile = QStringLiteral("ym_config_ts.xml");

QString dbFile(const QString &version, const QString &body)
{
    const QString versionElement
        = version.isNull() ? QString() : QStringLiteral("<DBVersion>%1</DBVersion>").arg(version);
    return QStringLiteral("<YmConfig>%1%2</YmConfig>").arg(versionElement, body);
}

QString supplies(const QString &items)
{
    return QStringLiteral("<PowerSupplyList>%1</PowerSupplyList>").arg(items);
}

QString fixtures(const QString &items)
{
    return QStringLiteral("<FixtureList>%1</FixtureList>").arg(items);
}

QString validSupplies(const QStringList &names)
{
    QString items;
    for (const QString &name : names)
        items += QStringLiteral("<Supply>%1</Supply>").arg(name);
    return QStringLiteral("<ValidSupplyList>%1</ValidSupplyList>").arg(items);
}

QString obSupply(const QString &name)
{
    return QStringLiteral("<PowerSupply><Name>%1</Name><Type>ombrel</Type></PowerSupply>")
        .arg(name);
}

// A fixture of the given type with nothing but its base fields.
QString fixture(const QString &name, const QString &type, const QStringList &supplyNames = {},
    const QString &extra = QString())
{
    return QStringLiteral("<Fixture><Name>%1</Name><Type>%2</Type>%3%4</Fixture>")
        .arg(name, type, validSupplies(supplyNames), extra);
}

template<typename Record> QStringList names(const QList<Record *> &records)
{
    QStringList result;
    for (const Record *record : records)
        result << record->Name;
    return result;
}

// A prepared database in a folder of its own, loaded with every warning captured.
class Prepared
{
public:
    Prepared()
    {
        database.setReporter([this](const QString &text) { warnings << text; });
    }

    void write(const QString &fileName, const QByteArray &contents)
    {
        QFile file(dir.filePath(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), qint64(contents.size()));
    }
    void write(const QString &fileName, const QString &contents)
    {
        write(fileName, contents.toUtf8());
    }
    // All three files, each with the given body and the same version.
    void writeAll(const QString &zv, const QString &ob, const QString &ts)
    {
        write(zvFile, dbFile("1.0", zv));
        write(obFile, dbFile("1.0", ob));
        write(tsFile, dbFile("1.0", ts));
    }
    // The three files of a catalogue in tests/data/database/<name>.
    void copyCase(const QString &name)
    {
        const QDir source(qEnvironmentVariable("WATTLAN_SOURCE_DIR")
            + QStringLiteral("/tests/data/database/") + name);
        for (const QString &file : {zvFile, obFile, tsFile})
            QVERIFY(QFile::copy(source.filePath(file), dir.filePath(file)));
    }
    bool load() { return database.load(QDir(dir.path())); }
    QString path(const QString &fileName) const { return dir.filePath(fileName); }

    QTemporaryDir dir;
    Database database;
    QStringList warnings;
};

QString errorIn(const QString &path, const QString &what)
{
    return QStringLiteral("Error in database file %1:\n%2").arg(path, what);
}
} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void sampleCatalogueLoadsWithoutWarnings()
    {
        Database database;
        QStringList warnings;
        database.setReporter([&](const QString &text) { warnings << text; });
        const QString sample = QFINDTESTDATA("../data/ym_config_zv.xml");
        QVERIFY(!sample.isEmpty());
        QVERIFY(database.load(QFileInfo(sample).dir()));
        QCOMPARE(warnings, QStringList());
        QCOMPARE(database.m_dbVersion, QStringLiteral("2012.01"));

        // Zelvane fixtures of the last file come after those of the first;
        // the disabled one is in no list.
        QCOMPARE(names(database.m_zvFixtures).first(), QStringLiteral("Vessik Cove 4 ft"));
        QCOMPARE(names(database.m_zvFixtures).last(), QStringLiteral("Quenby Wash 1 ft"));
        QVERIFY(!names(database.m_zvFixtures).contains("Corlith Flood 2 ft"));
        QVERIFY(database.m_tsSupplies.size() >= 3);
        QVERIFY(database.m_obSupplies.size() >= 2);
        QVERIFY(database.m_obFixtures.size() >= 2);
        QVERIFY(database.m_tsFixtures.size() >= 2);
        QVERIFY(database.m_flexStrings.size() >= 2);

        bool familyOne = false, familyZero = false, jumperRequired = false, safety = false;
        bool customLeader = false, standardLeader = false, customJumper = false;
        bool standardJumper = false;
        for (const ZVFixture *fixture : database.m_zvFixtures) {
            QVERIFY2(!fixture->ValidSupplyList.isEmpty(), qPrintable(fixture->Name));
            familyOne |= fixture->Family == 1;
            familyZero |= fixture->Family == 0;
            jumperRequired |= fixture->JumperRequired;
            safety |= fixture->SafetyRequired;
            for (const YmJumper *leader : fixture->LeaderList) {
                if (leader->IsCustom) {
                    QCOMPARE(leader->Name, QStringLiteral("Custom Leader"));
                    QVERIFY(leader->CustomWireList.size() >= 2);
                    customLeader = true;
                } else {
                    standardLeader = true;
                }
            }
            for (const YmJumper *jumper : fixture->JumperList)
                (jumper->IsCustom ? customJumper : standardJumper) = true;
            // Fixtures of one family share their supplies and leaders.
            for (const ZVFixture *other : database.m_zvFixtures) {
                if (fixture->Family != 0 && other->Family == fixture->Family) {
                    QCOMPARE(names(other->ValidSupplyList), names(fixture->ValidSupplyList));
                    QCOMPARE(names(other->LeaderList), names(fixture->LeaderList));
                }
            }
        }
        QVERIFY(familyOne && familyZero && jumperRequired && safety);
        QVERIFY(customLeader && standardLeader && customJumper && standardJumper);

        bool inARow = false;
        for (const TSFixture *fixture : database.m_tsFixtures) {
            QVERIFY(!fixture->ValidSupplyList.isEmpty());
            for (const YmJumper *jumper : fixture->JumperList)
                inARow |= jumper->MaxInARow > 0;
        }
        QVERIFY(inARow);
        for (const FlexString *flex : database.m_flexStrings)
            QVERIFY(!flex->ValidSupplyList.isEmpty());
        for (const OBFixture *ombrel : database.m_obFixtures)
            QVERIFY(ombrel->ValidSupplyList.size() >= 2);
    }

    void fileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("readBefore");
        QTest::newRow("first") << zvFile << QStringList();
        QTest::newRow("second") << obFile << QStringList({"Z"});
        QTest::newRow("third") << tsFile << QStringList({"Z", "O"});
    }

    // Reading stops at the failing file: the later ones are not read.
    void fileThatCannotBeRead()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, readBefore);
        Prepared db;
        const QMap<QString, QString> bodies {{zvFile, fixture("Z", "ombrel")},
            {obFile, fixture("O", "ombrel")}, {tsFile, fixture("T", "ombrel")}};
        for (auto it = bodies.cbegin(); it != bodies.cend(); ++it) {
            if (it.key() != failing)
                db.write(it.key(), dbFile("1.0", fixtures(it.value())));
        }
        QVERIFY(!db.load());
        QCOMPARE(db.warnings,
            QStringList(QStringLiteral("Cannot read database file %1:\nNo such file or directory.")
                            .arg(db.path(failing))));
        QCOMPARE(names(db.database.m_obFixtures), readBefore);
    }

    void fileThatCannotBeParsed_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("reason");
        QTest::newRow("tags mismatch")
            << QByteArray("<YmConfig>\n<DBVersion>1.0</DBVersion>\n<FixtureList>\n</YmConfig>")
            << "Opening and ending tag mismatch.\nLine 4 Column 11";
        QTest::newRow("empty file")
            << QByteArray() << "Premature end of document.\nLine 1 Column 0";
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe\x80garbage\x00\x00",
            14) << "Encountered incorrectly encoded content.\nLine 1 Column 1";
        QTest::newRow("two roots")
            << QByteArray("<a/><b/>") << "Extra content at end of document.\nLine 1 Column 8";
        QByteArray deep;
        for (int i = 0; i < 100000; ++i)
            deep += "<a>";
        QTest::newRow("nested without bound")
            << deep
            << QStringLiteral("Elements are nested more than %1 deep\nLine 1 Column %2")
                   .arg(Database::MaxElementDepth)
                   .arg((Database::MaxElementDepth + 1) * 3);
        // Entities expanding to gigabytes are refused by the parser.
        QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\">";
        for (char c = 'b'; c <= 'j'; ++c)
            laughs += QByteArray("<!ENTITY ") + c + " \"" + QByteArray("&") + char(c - 1) + ";"
                + QByteArray("&") + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&"
                + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&" + char(c - 1) + ";&"
                + char(c - 1) + ";&" + char(c - 1) + ";\">";
        laughs += "]><r><DBVersion>&j;</DBVersion></r>";
        QTest::newRow("entity expansion") << laughs << QString();
    }

    void fileThatCannotBeParsed()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, reason);
        Prepared db;
        db.write(zvFile, dbFile("1.0", fixtures(fixture("Z", "ombrel"))));
        db.write(obFile, contents);
        db.write(tsFile, dbFile("1.0", fixtures(fixture("T", "ombrel"))));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!db.load());
        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(db.warnings.size(), 1);
        const QString prefix
            = QStringLiteral("Error parsing database file %1:\n").arg(db.path(obFile));
        QVERIFY2(db.warnings.first().startsWith(prefix), qPrintable(db.warnings.first()));
        if (!reason.isEmpty())
            QCOMPARE(db.warnings.first(), prefix + reason);
        else
            QVERIFY(db.warnings.first().contains(QRegularExpression("\nLine \\d+ Column \\d+$")));
        QCOMPARE(names(db.database.m_obFixtures), QStringList({"Z"}));
    }

    void fileLargerThanTheLimit()
    {
        Prepared db;
        QByteArray big = "<YmConfig><DBVersion>1.0</DBVersion><!--";
        big += QByteArray(Database::MaxFileSize, ' ');
        big += "--></YmConfig>";
        db.write(zvFile, big);
        QVERIFY(!db.load());
        QCOMPARE(db.warnings,
            QStringList(QStringLiteral("Cannot read database file %1:\nThe file is larger than "
                                       "64 MB.")
                            .arg(db.path(zvFile))));
    }

    void severalMegabytesOfRecords()
    {
        Prepared db;
        QString many;
        for (int i = 0; i < 20000; ++i)
            many += fixture(QStringLiteral("Fixture %1").arg(i), "ombrel", {"S"},
                QStringLiteral("<Note>%1</Note>").arg(QString(100, QChar('x'))));
        db.writeAll(supplies(obSupply("S")) + fixtures(many), QString(), QString());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(db.load());
        QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(db.warnings, QStringList());
        QCOMPARE(db.database.m_obFixtures.size(), 20000);
        QCOMPARE(db.database.m_obFixtures.last()->ValidSupplyList.size(), 1);
    }

    void versionRules_data()
    {
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("same") << QStringList({"2.0", "2.0", "2.0"}) << "2.0" << QStringList();
        QTest::newRow("third differs")
            << QStringList({"2.0", "2.0", "2.1"}) << "2.0"
            << QStringList(QStringLiteral(
                   "ym_config_ts.xml:\nDBVersion 2.1 does not match previous (2.0)"));
        QTest::newRow("trailing zero differs")
            << QStringList({"2.0", "2.00", "2.0"}) << "2.0"
            << QStringList(QStringLiteral(
                   "ym_config_ob.xml:\nDBVersion 2.00 does not match previous (2.0)"));
        QTest::newRow("case differs")
            << QStringList({"R2a", "R2A", "R2a"}) << "R2a"
            << QStringList(QStringLiteral(
                   "ym_config_ob.xml:\nDBVersion R2A does not match previous (R2a)"));
        QTest::newRow("first has none")
            << QStringList({QString(), "2.0", "2.1"}) << "2.0"
            << QStringList({QStringLiteral("ym_config_zv.xml:\nDBVersion  not found."),
                   QStringLiteral(
                       "ym_config_ts.xml:\nDBVersion 2.1 does not match previous (2.0)")});
        QTest::newRow("second empty")
            << QStringList({"2.0", "", "2.0"}) << "2.0"
            << QStringList(QStringLiteral("ym_config_ob.xml:\nDBVersion  not found."));
    }

    // A version problem is reported and the file is read on.
    void versionRules()
    {
        QFETCH(QStringList, versions);
        QFETCH(QString, kept);
        QFETCH(QStringList, messages);
        Prepared db;
        const QStringList files {zvFile, obFile, tsFile};
        for (int i = 0; i < 3; ++i)
            db.write(files[i], dbFile(versions[i], fixtures(fixture(files[i], "ombrel"))));
        QVERIFY(db.load());
        QCOMPARE(db.database.m_dbVersion, kept);
        QStringList expected;
        for (const QString &message : messages)
            expected << QStringLiteral("Error in database file %1/%2").arg(db.dir.path(), message);
        QCOMPARE(db.warnings, expected);
        QCOMPARE(names(db.database.m_obFixtures), files);
    }

    void typeDecidesTheList_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("list");
        QTest::newRow("lower case") << "ombrel" << 0;
        QTest::newRow("mixed case") << "OmBrel" << 0;
        QTest::newRow("upper case") << "OMBREL" << 0;
        QTest::newRow("trailing blank") << "ombrel " << -1;
        QTest::newRow("leading blank") << " ombrel" << -1;
        QTest::newRow("absent") << QString() << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("other word") << "ombrelle" << -1;
    }

    void typeDecidesTheList()
    {
        QFETCH(QString, type);
        QFETCH(int, list);
        Prepared db;
        const QString typeElement
            = type.isNull() ? QString() : QStringLiteral("<Type>%1</Type>").arg(type);
        db.writeAll(
            supplies(QStringLiteral("<PowerSupply><Name>S</Name>%1</PowerSupply>").arg(typeElement))
                + fixtures(QStringLiteral("<Fixture><Name>F</Name>%1</Fixture>").arg(typeElement)),
            QString(), QString());
        QVERIFY(db.load());
        if (list == 0) {
            QCOMPARE(db.warnings, QStringList());
            QCOMPARE(names(db.database.m_obSupplies), QStringList("S"));
            QCOMPARE(names(db.database.m_obFixtures), QStringList("F"));
        } else {
            QCOMPARE(db.warnings,
                QStringList({errorIn(db.path(zvFile), "PowerSupply S has unknown type"),
                    errorIn(db.path(zvFile), "Fixture F has unknown type")}));
            QVERIFY(db.database.m_obSupplies.isEmpty());
            QVERIFY(db.database.m_obFixtures.isEmpty());
        }
    }

    void supplyOfFlexTypeIsUnknown()
    {
        Prepared db;
        db.writeAll(supplies("<PowerSupply><Name>Flexy</Name><Type>tsflex</Type>"
                             "<MaxElectricalLength>150</MaxElectricalLength></PowerSupply>"),
            QString(), QString());
        QVERIFY(db.load());
        QCOMPARE(db.warnings,
            QStringList(errorIn(db.path(zvFile), "PowerSupply Flexy has unknown type")));
        QVERIFY(db.database.m_tsSupplies.isEmpty());
    }

    void elementsWithoutName()
    {
        Prepared db;
        db.copyCase("unnamed");
        QVERIFY(db.load());
        const QString supply = errorIn(db.path(obFile), "PowerSupply element with no Name");
        const QString fixtureMessage = errorIn(db.path(obFile), "Fixture element with no Name");
        QCOMPARE(
            db.warnings, QStringList({supply, supply, supply, fixtureMessage, fixtureMessage}));
        QVERIFY(db.database.m_obSupplies.isEmpty());
        QVERIFY(db.database.m_obFixtures.isEmpty());
    }

    // The Type of each entry decides its list; files only decide the order.
    void readingOrderAcrossFiles()
    {
        Prepared db;
        db.copyCase("readingorder");
        QVERIFY(db.load());
        QCOMPARE(db.warnings, QStringList());
        QCOMPARE(names(db.database.m_zvSupplies), QStringList({"Z1", "Z2"}));
        QCOMPARE(names(db.database.m_obSupplies), QStringList({"O1", "O2"}));
        QCOMPARE(names(db.database.m_tsSupplies), QStringList({"T1", "T2"}));
        QCOMPARE(names(db.database.m_zvFixtures), QStringList({"zv-a", "zv-b", "zv-c"}));
        QCOMPARE(names(db.database.m_obFixtures), QStringList({"ob-a", "ob-b", "ob-c"}));
        QCOMPARE(names(db.database.m_tsFixtures), QStringList({"ts-a"}));
        QCOMPARE(names(db.database.m_flexStrings), QStringList({"flex-a", "flex-b"}));
        QCOMPARE(names(db.database.m_zvFixtures[1]->ValidSupplyList), QStringList({"Z2"}));
        QCOMPARE(names(db.database.m_flexStrings[1]->ValidSupplyList), QStringList({"T2", "T1"}));
        QCOMPARE(names(db.database.m_obFixtures[2]->ValidSupplyList), QStringList({"O1", "O2"}));
        QCOMPARE(db.database.m_flexStrings[1]->techType, int(TechFlex));
    }

    void validSupplyLookup()
    {
        Prepared db;
        const QString notDefined
            = QStringLiteral("Error parsing \"Valid Supply\" item for fixture %1.\nSupply %2 not "
                             "defined.");
        db.copyCase("validsupplies");
        QVERIFY(db.load());
        QCOMPARE(db.warnings,
            QStringList({notDefined.arg("Sconce", "HUB"), notDefined.arg("Sconce", "LATER"),
                notDefined.arg("Sconce", ""), notDefined.arg("Cove", "HUB"),
                notDefined.arg("Flex", "DRIVER 20")}));
        const OBFixture *sconce = db.database.m_obFixtures.first();
        // The first supply of a name in list order, and as often as it is named.
        QCOMPARE(sconce->ValidSupplyList,
            QList<YmItem *>({db.database.m_obSupplies[0], db.database.m_obSupplies[1],
                db.database.m_obSupplies[1]}));
        QVERIFY(db.database.m_zvFixtures.first()->ValidSupplyList.isEmpty());
        QCOMPARE(db.database.m_flexStrings.first()->ValidSupplyList,
            QList<YmItem *>({db.database.m_tsSupplies[0]}));
    }

    void validSuppliesAtAnyDepthAndNestedListsOnce()
    {
        Prepared db;
        db.copyCase("nestedlists");
        QVERIFY(db.load());
        QCOMPARE(db.warnings, QStringList());
        // An item inside nested lists of one name is one record, not two.
        QCOMPARE(names(db.database.m_obSupplies), QStringList({"A", "B", "C"}));
        QCOMPARE(names(db.database.m_obFixtures), QStringList({"F", "G"}));
        QCOMPARE(names(db.database.m_obFixtures[0]->ValidSupplyList), QStringList({"A", "B", "C"}));
    }

    void incompleteRecordsAreKept()
    {
        Prepared db;
        db.copyCase("incomplete");
        QVERIFY(db.load());
        QCOMPARE(db.warnings,
            QStringList({"Error parsing Zero\nMaxElectricalLength and MaxNumFixtures are both zero",
                "Error parsing \"Power\" field for Hub",
                "Error parsing \"MaxTemp\" field for Cove"}));
        QCOMPARE(names(db.database.m_zvSupplies), QStringList("Zero"));
        QCOMPARE(names(db.database.m_tsSupplies), QStringList("Hub"));
        QCOMPARE(db.database.m_tsSupplies.first()->Voltage, 24.0);
        QCOMPARE(names(db.database.m_zvFixtures), QStringList("Cove"));
        const ZVFixture *cove = db.database.m_zvFixtures.first();
        QCOMPARE(cove->PowerFactor, 0.9);
        QCOMPARE(cove->Resistance, 0.0);
        QCOMPARE(names(cove->ValidSupplyList), QStringList("Zero"));
    }

    void disabledFixturesAreReadInFullAndDropped()
    {
        Prepared db;
        db.copyCase("disabled");
        QVERIFY(db.load());
        QCOMPARE(db.warnings,
            QStringList({"Error parsing \"Valid Supply\" item for fixture Old.\nSupply GONE not "
                         "defined.",
                "Error parsing \"PowerFactor\" field for Cove"}));
        QCOMPARE(names(db.database.m_obFixtures), QStringList({"Kept", "Word"}));
        QVERIFY(db.database.m_zvFixtures.isEmpty());
    }

    void longNamesAndSupplyNamedTwice()
    {
        Prepared db;
        const QString longName(20000, QChar(0x00e9));
        db.writeAll(supplies(obSupply(longName) + obSupply(longName.toUpper()))
                + fixtures(fixture(longName, "ombrel", {longName.toUpper(), longName})),
            QString(), QString());
        QVERIFY(db.load());
        QCOMPARE(db.warnings, QStringList());
        QCOMPARE(db.database.m_obSupplies.size(), 2);
        QCOMPARE(db.database.m_obFixtures.first()->Name, longName);
        QCOMPARE(db.database.m_obFixtures.first()->ValidSupplyList,
            QList<YmItem *>({db.database.m_obSupplies[0], db.database.m_obSupplies[0]}));
    }

    // Without a reporter of its own the loader shows each problem in a box.
    void defaultReporterShowsAWarningBox()
    {
        CapturingPrompter prompter;
        QTemporaryDir dir;
        Database database;
        QVERIFY(!database.load(QDir(dir.path())));
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes[0].icon, QMessageBox::Warning);
        QCOMPARE(prompter.boxes[0].caption, QStringLiteral("Wattlan"));
        QCOMPARE(prompter.boxes[0].buttons, QStringList("OK"));
        QCOMPARE(prompter.boxes[0].text,
            QStringLiteral("Cannot read database file %1:\nNo such file or directory.")
                .arg(dir.filePath(zvFile)));
    }
};

WATTLAN_TEST_MAIN(TestDatabase)
#include "tst_database.moc"
