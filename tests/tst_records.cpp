#include "databasewarning.h"
#include "records.h"
#include "testsupport.h"

#include <QDomDocument>

#include <cmath>
#include <limits>
#include <memory>

namespace {
// The element of a one-element document; the document stays alive with it.
struct Parsed
{
    explicit Parsed(const QString &xml)
    {
        if (!document.setContent(xml))
            qFatal("test XML does not parse: %s", qPrintable(xml));
        element = document.documentElement();
    }
    QDomDocument document;
    QDomElement element;
};

// Collects the texts that records report while it lives.
struct Warnings
{
    Warnings() : scope([this](const QString &text) { texts << text; }) { }
    QStringList texts;
    DatabaseWarning::Scope scope;
};

QString zvFixtureXml(const QString &fields)
{
    return QStringLiteral("<Fixture><Name>Lamp</Name>%1</Fixture>").arg(fields);
}

const QString completeZvFields = QStringLiteral(
    "<PowerFactor>0.95</PowerFactor><MaxTemp>50</MaxTemp><Resistance>22</Resistance>"
    "<ElectricalLength>4</ElectricalLength><Power>18</Power><FudgeFactor>1.1</FudgeFactor>"
    "<SafetyRequired>1</SafetyRequired><VoltageDropPercent>0.05</VoltageDropPercent>"
    "<MaxPower>1200</MaxPower><MaxFixtureCurrent>10</MaxFixtureCurrent>"
    "<MaxFixtureLength>200</MaxFixtureLength><JumperRequired>1</JumperRequired>"
    "<LeaderList><Leader><Name>L</Name><Resistance>5</Resistance>"
    "<ElectricalLength>10</ElectricalLength></Leader></LeaderList>"
    "<JumperList><Jumper><Name>J</Name><Resistance>5</Resistance>"
    "<ElectricalLength>1</ElectricalLength></Jumper></JumperList>");

QString fieldMessage(const QString &field, const QString &record)
{
    return QStringLiteral("Error parsing \"%1\" field for %2").arg(field, record);
}
} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void numbersAreReadOnlyWhenFinite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "150.5" << true << 150.5;
        QTest::newRow("blanks around") << "  42 " << true << 42.0;
        QTest::newRow("exponent") << "1.5e2" << true << 150.0;
        QTest::newRow("negative zero") << "-0" << true << 0.0;
        QTest::newRow("negative") << "-3" << true << -3.0;
        QTest::newRow("empty") << "" << false << 7.0;
        QTest::newRow("word") << "ten" << false << 7.0;
        QTest::newRow("unit appended") << "10ft" << false << 7.0;
        QTest::newRow("decimal comma") << "1,5" << false << 7.0;
        QTest::newRow("nan") << "nan" << false << 7.0;
        QTest::newRow("inf") << "inf" << false << 7.0;
        QTest::newRow("-inf") << "-inf" << false << 7.0;
        QTest::newRow("overflow") << "1e400" << false << 7.0;
    }

    // A NaN or infinite figure would pass every limit check unnoticed, so it
    // is refused like any other unreadable figure.
    void numbersAreReadOnlyWhenFinite()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QFETCH(double, value);
        Warnings warnings;
        Parsed wire(QStringLiteral("<CustomWire><Resistance>5</Resistance>"
                                   "<MaxLength>%1</MaxLength></CustomWire>")
                        .arg(text));
        YmWire record(QStringLiteral("12 AWG"));
        record.MaxLength = 7;
        QCOMPARE(record.fromXml(wire.element), read);
        QCOMPARE(record.MaxLength, value);
        QVERIFY(std::isfinite(record.MaxLength));
        QCOMPARE(warnings.texts,
            read ? QStringList() : QStringList(fieldMessage("MaxLength", "12 AWG")));
    }

    void integersAndFlags_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("family");
        QTest::addColumn<bool>("disabled");
        QTest::newRow("one") << "1" << 1 << true;
        QTest::newRow("zero") << "0" << 0 << false;
        QTest::newRow("two") << "2" << 2 << true;
        QTest::newRow("minus one") << "-1" << -1 << true;
        QTest::newRow("word true") << "true" << 0 << false;
        QTest::newRow("fraction") << "1.5" << 0 << false;
        QTest::newRow("hex") << "0x1" << 0 << false;
        QTest::newRow("huge") << "99999999999999999999" << 0 << false;
        QTest::newRow("just past int") << "2147483648" << 0 << false;
        QTest::newRow("int maximum") << "2147483647" << 2147483647 << true;
    }

    void integersAndFlags()
    {
        QFETCH(QString, text);
        QFETCH(int, family);
        QFETCH(bool, disabled);
        Warnings warnings;
        Parsed element(QStringLiteral("<Fixture><Family>%1</Family><Disable>%1</Disable></Fixture>")
                           .arg(text));
        OBFixture fixture(QStringLiteral("Sconce"));
        QVERIFY(fixture.fromXml(element.element));
        QCOMPARE(fixture.Family, family);
        QCOMPARE(fixture.Disable, disabled);
        QVERIFY(warnings.texts.isEmpty());
    }

    void fieldsAreDirectChildElementsOnly()
    {
        Warnings warnings;
        Parsed element(QStringLiteral(
            "<Fixture Family=\"3\" DefaultJumper=\"2\"><Group><Family>4</Family></Group>"
            "<ShortName></ShortName><DefaultLeader>1</DefaultLeader></Fixture>"));
        OBFixture fixture(QStringLiteral("Sconce"));
        QVERIFY(fixture.fromXml(element.element));
        QCOMPARE(fixture.Family, 0);
        QCOMPARE(fixture.DefaultJumper, 0);
        QCOMPARE(fixture.DefaultLeader, 1);
        QCOMPARE(fixture.ShortName, QStringLiteral("Sconce"));
        QVERIFY(warnings.texts.isEmpty());

        Parsed named(QStringLiteral("<Fixture><ShortName>SC</ShortName></Fixture>"));
        QVERIFY(fixture.fromXml(named.element));
        QCOMPARE(fixture.ShortName, QStringLiteral("SC"));
        QCOMPARE(fixture.Name, QStringLiteral("Sconce"));
    }

    void standardCableTypes_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<double>("resistance");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("maxLeader");
        QTest::addColumn<int>("inARow");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        QTest::newRow("all fields") << "<Resistance>125</Resistance><ElectricalLength>4"
                                       "</ElectricalLength><MaxLeaderLength>50</MaxLeaderLength>"
                                       "<MaxInARow>3</MaxInARow>"
                                    << true << 0.125 << 4.0 << 50.0 << 3 << none;
        QTest::newRow("no max leader length")
            << "<Resistance>5</Resistance><ElectricalLength>1</ElectricalLength>" << true << 0.005
            << 1.0 << 999.0 << 0 << none;
        QTest::newRow("max leader length not a number")
            << "<Resistance>5</Resistance><ElectricalLength>1</ElectricalLength>"
               "<MaxLeaderLength>long</MaxLeaderLength>"
            << true << 0.005 << 1.0 << 999.0 << 0 << none;
        QTest::newRow("max leader length zero")
            << "<Resistance>5</Resistance><ElectricalLength>1</ElectricalLength>"
               "<MaxLeaderLength>0</MaxLeaderLength>"
            << true << 0.005 << 1.0 << 0.0 << 0 << none;
        QTest::newRow("no resistance")
            << "<ElectricalLength>1</ElectricalLength><MaxInARow>2</MaxInARow>" << false << 0.0
            << 0.0 << 999.0 << 2 << QStringList(fieldMessage("Resistance", "Jumper 1 ft"));
        QTest::newRow("no electrical length")
            << "<Resistance>5</Resistance>" << false << 0.005 << 0.0 << 999.0 << 0
            << QStringList(fieldMessage("ElectricalLength", "Jumper 1 ft"));
    }

    void standardCableTypes()
    {
        QFETCH(QString, fields);
        QFETCH(bool, complete);
        QFETCH(double, resistance);
        QFETCH(double, length);
        QFETCH(double, maxLeader);
        QFETCH(int, inARow);
        QFETCH(QStringList, messages);
        Warnings warnings;
        Parsed element(QStringLiteral("<Jumper><Name>Jumper 1 ft</Name>%1</Jumper>").arg(fields));
        YmJumper jumper(QStringLiteral("Jumper 1 ft"));
        QCOMPARE(jumper.fromXml(element.element), complete);
        QVERIFY(!jumper.IsCustom);
        QCOMPARE(jumper.Resistance, resistance);
        QCOMPARE(jumper.ElectricalLength, length);
        QCOMPARE(jumper.MaxLeaderLength, maxLeader);
        QCOMPARE(jumper.MaxInARow, inARow);
        QCOMPARE(warnings.texts, messages);

        std::unique_ptr<YmJumper> read(YmItem::readJumper(element.element));
        QCOMPARE(bool(read), complete);
    }

    void customCableTypes()
    {
        Warnings warnings;
        Parsed element(QStringLiteral(
            "<Leader><Name>Custom Leader</Name><Resistance>5</Resistance>"
            "<ElectricalLength>10</ElectricalLength><MaxInARow>2</MaxInARow>"
            "<DefaultCustomWire>1</DefaultCustomWire><DefaultCustomLength>25.5"
            "</DefaultCustomLength><Deep><CustomWireList>"
            "<CustomWire><Name>16 AWG</Name><Resistance>8</Resistance><MaxLength>50</MaxLength>"
            "</CustomWire><CustomWire><Resistance>5</Resistance></CustomWire>"
            "<Bundle><CustomWire><Name>14 AWG</Name><Resistance>5</Resistance>"
            "<MaxLength>100</MaxLength></CustomWire></Bundle>"
            "<CustomWire><Name>12 AWG</Name><Resistance>3</Resistance></CustomWire>"
            "<CustomWire><Name>10 AWG</Name><MaxLength>250</MaxLength></CustomWire>"
            "</CustomWireList></Deep><CustomWireList><CustomWire><Name>8 AWG</Name>"
            "<Resistance>1.25</Resistance><MaxLength>300</MaxLength></CustomWire>"
            "</CustomWireList></Leader>"));
        std::unique_ptr<YmJumper> leader(YmItem::readJumper(element.element));
        QVERIFY(leader);
        QVERIFY(leader->IsCustom);
        QCOMPARE(leader->ElectricalLength, 0.0);
        QCOMPARE(leader->Resistance, 0.0);
        QCOMPARE(leader->MaxLeaderLength, 0.0);
        QCOMPARE(leader->MaxInARow, 0);
        QCOMPARE(leader->DefaultCustomWire, 1);
        QCOMPARE(leader->DefaultCustomLength, 25.5);
        QStringList names;
        for (const YmWire *wire : leader->CustomWireList)
            names << wire->Name;
        QCOMPARE(names, QStringList({"16 AWG", "14 AWG", "8 AWG"}));
        QCOMPARE(leader->CustomWireList.at(0)->Resistance, 0.008);
        QCOMPARE(leader->CustomWireList.at(2)->Resistance, 0.00125);
        QCOMPARE(leader->CustomWireList.at(2)->MaxLength, 300.0);
        QCOMPARE(leader->CustomWireList.at(0)->techType, int(TechNone));
        QCOMPARE(warnings.texts,
            QStringList({"Error in database file:\nCustomWire element with no Name",
                fieldMessage("MaxLength", "12 AWG"), fieldMessage("Resistance", "10 AWG")}));
    }

    void emptyCustomListStillMakesACustomCable()
    {
        Warnings warnings;
        Parsed element(QStringLiteral("<Jumper><Name>Custom Jumper</Name><CustomWireList/>"
                                      "</Jumper>"));
        YmJumper jumper(QStringLiteral("Custom Jumper"));
        QVERIFY(jumper.fromXml(element.element));
        QVERIFY(jumper.IsCustom);
        QVERIFY(jumper.CustomWireList.isEmpty());
        QCOMPARE(jumper.DefaultCustomLength, 1.0);
        QVERIFY(warnings.texts.isEmpty());
    }

    void cableWithoutNameIsSkipped()
    {
        Warnings warnings;
        Parsed element(QStringLiteral("<Jumper><Name></Name><Resistance>5</Resistance></Jumper>"));
        QCOMPARE(YmItem::readJumper(element.element), nullptr);
        QCOMPARE(warnings.texts,
            QStringList("Error in database file:\nJumper/Leader element with no Name"));
    }

    void completeZelvaneFixture()
    {
        Warnings warnings;
        Parsed element(zvFixtureXml(completeZvFields));
        ZVFixture fixture(QStringLiteral("Lamp"));
        QVERIFY(fixture.fromXml(element.element));
        QCOMPARE(fixture.techType, int(TechZelvane));
        QCOMPARE(fixture.PowerFactor, 0.95);
        QCOMPARE(fixture.MaxTemp, 50.0);
        QCOMPARE(fixture.Resistance, 0.022);
        QCOMPARE(fixture.ElectricalLength, 4.0);
        QCOMPARE(fixture.Power, 18.0);
        QCOMPARE(fixture.FudgeFactor, 1.1);
        QVERIFY(fixture.SafetyRequired);
        QCOMPARE(fixture.VoltageDropPercent, 0.05);
        QCOMPARE(fixture.MaxVoltageDrop, 0.0);
        QCOMPARE(fixture.MinVoltage, 0.0);
        QCOMPARE(fixture.MaxPower, 1200.0);
        QCOMPARE(fixture.MaxFixtureCurrent, 10.0);
        QCOMPARE(fixture.MaxFixtureLength, 200.0);
        QVERIFY(fixture.JumperRequired);
        QCOMPARE(fixture.LeaderList.size(), 1);
        QCOMPARE(fixture.JumperList.size(), 1);
        QCOMPARE(fixture.LeaderList.at(0)->Resistance, 0.005);
        QVERIFY(warnings.texts.isEmpty());
    }

    void zelvaneFixtureStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("message");
        QTest::addColumn<double>("resistance");
        QTest::addColumn<double>("power");
        QTest::addColumn<double>("maxPower");
        const QString zero = QStringLiteral(
            "Error parsing Lamp\nMaxVoltageDrop, MinVoltage, and VoltageDropPercent are zero");
        QTest::newRow("power factor")
            << "<PowerFactor>0.95</PowerFactor>"
            << "" << fieldMessage("PowerFactor", "Lamp") << 0.0 << 0.0 << 0.0;
        QTest::newRow("max temp") << "<MaxTemp>50</MaxTemp>"
                                  << "" << fieldMessage("MaxTemp", "Lamp") << 0.0 << 0.0 << 0.0;
        QTest::newRow("resistance") << "<Resistance>22</Resistance>"
                                    << "<Resistance>low</Resistance>"
                                    << fieldMessage("Resistance", "Lamp") << 0.0 << 0.0 << 0.0;
        QTest::newRow("power") << "<Power>18</Power>"
                               << "" << fieldMessage("Power", "Lamp") << 0.022 << 0.0 << 0.0;
        QTest::newRow("safety word")
            << "<SafetyRequired>1</SafetyRequired>"
            << "<SafetyRequired>yes</SafetyRequired>" << fieldMessage("SafetyRequired", "Lamp")
            << 0.022 << 18.0 << 0.0;
        QTest::newRow("no voltage limit")
            << "<VoltageDropPercent>0.05</VoltageDropPercent>"
            << "<MinVoltage>0</MinVoltage>" << zero << 0.022 << 18.0 << 0.0;
        QTest::newRow("voltage limit nan")
            << "<VoltageDropPercent>0.05</VoltageDropPercent>"
            << "<VoltageDropPercent>nan</VoltageDropPercent>" << zero << 0.022 << 18.0 << 0.0;
    }

    void zelvaneFixtureStopsAtTheFirstFailure()
    {
        QFETCH(QString, removed);
        QFETCH(QString, replacement);
        QFETCH(QString, message);
        QFETCH(double, resistance);
        QFETCH(double, power);
        QFETCH(double, maxPower);
        QString fields = completeZvFields;
        QVERIFY(fields.contains(removed));
        fields.replace(removed, replacement);
        Warnings warnings;
        Parsed element(zvFixtureXml(fields));
        ZVFixture fixture(QStringLiteral("Lamp"));
        QVERIFY(!fixture.fromXml(element.element));
        QCOMPARE(warnings.texts, QStringList(message));
        QCOMPARE(fixture.Resistance, resistance);
        QCOMPARE(fixture.Power, power);
        QCOMPARE(fixture.MaxPower, maxPower);
        QVERIFY(!fixture.JumperRequired);
        QVERIFY(fixture.LeaderList.isEmpty());
        QVERIFY(fixture.JumperList.isEmpty());
    }

    void anyOneVoltageLimitCompletesAFixture_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::newRow("drop") << "<MaxVoltageDrop>6</MaxVoltageDrop>";
        QTest::newRow("minimum") << "<MinVoltage>108</MinVoltage>";
        QTest::newRow("negative percent") << "<VoltageDropPercent>-0.05</VoltageDropPercent>";
    }

    void anyOneVoltageLimitCompletesAFixture()
    {
        QFETCH(QString, limit);
        QString fields = completeZvFields;
        fields.replace(QStringLiteral("<VoltageDropPercent>0.05</VoltageDropPercent>"), limit);
        Warnings warnings;
        Parsed element(zvFixtureXml(fields));
        ZVFixture fixture(QStringLiteral("Lamp"));
        QVERIFY(fixture.fromXml(element.element));
        QVERIFY(warnings.texts.isEmpty());
    }

    void zelvaneSupplies_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<double>("length");
        QTest::addColumn<int>("count");
        QTest::newRow("count only") << "<MaxNumFixtures>12</MaxNumFixtures>" << true << 0.0 << 12;
        QTest::newRow("length only")
            << "<MaxElectricalLength>150.5</MaxElectricalLength>" << true << 150.5 << 0;
        QTest::newRow("fractional count")
            << "<MaxNumFixtures>12.5</MaxNumFixtures>" << false << 0.0 << 0;
        QTest::newRow("both zero") << "<MaxNumFixtures>0</MaxNumFixtures>"
                                      "<MaxElectricalLength>-0</MaxElectricalLength>"
                                   << false << 0.0 << 0;
        QTest::newRow("infinite length")
            << "<MaxElectricalLength>inf</MaxElectricalLength>" << false << 0.0 << 0;
    }

    void zelvaneSupplies()
    {
        QFETCH(QString, fields);
        QFETCH(bool, complete);
        QFETCH(double, length);
        QFETCH(int, count);
        Warnings warnings;
        Parsed element(QStringLiteral("<PowerSupply>%1</PowerSupply>").arg(fields));
        ZVPowerSupply supply(QStringLiteral("PD-150"));
        QCOMPARE(supply.fromXml(element.element), complete);
        QCOMPARE(supply.MaxElectricalLength, length);
        QCOMPARE(supply.MaxNumFixtures, count);
        QCOMPARE(warnings.texts,
            complete ? QStringList()
                     : QStringList("Error parsing PD-150\nMaxElectricalLength and "
                                   "MaxNumFixtures are both zero"));
    }

    void tessanSupplies_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("ports");
        QTest::addColumn<double>("portPower");
        QTest::newRow("complete") << "<Voltage>24</Voltage><Power>240</Power><Ports>4</Ports>"
                                     "<MaxPortPower>60</MaxPortPower>"
                                  << "" << 4 << 60.0;
        QTest::newRow("no power")
            << "<Voltage>24</Voltage><Ports>4</Ports><MaxPortPower>60</MaxPortPower>"
            << "Power" << 0 << 0.0;
        QTest::newRow("fractional ports")
            << "<Voltage>24</Voltage><Power>240</Power><Ports>2.5</Ports>"
               "<MaxPortPower>60</MaxPortPower>"
            << "Ports" << 0 << 0.0;
    }

    void tessanSupplies()
    {
        QFETCH(QString, fields);
        QFETCH(QString, failing);
        QFETCH(int, ports);
        QFETCH(double, portPower);
        Warnings warnings;
        Parsed element(QStringLiteral("<PowerSupply>%1</PowerSupply>").arg(fields));
        TSPowerSupply supply(QStringLiteral("Hub"));
        QCOMPARE(supply.fromXml(element.element), failing.isEmpty());
        QCOMPARE(supply.Ports, ports);
        QCOMPARE(supply.MaxPortPower, portPower);
        QCOMPARE(supply.techType, int(TechTessan));
        QCOMPARE(warnings.texts,
            failing.isEmpty() ? QStringList() : QStringList(fieldMessage(failing, "Hub")));
    }

    void tessanFixtureResistanceInOhmsAndCables()
    {
        Warnings warnings;
        const QString cables
            = QStringLiteral("<LeaderList><Leader><Name>L</Name><Resistance>8</Resistance>"
                             "<ElectricalLength>6</ElectricalLength></Leader></LeaderList>");
        Parsed complete(QStringLiteral("<Fixture><Voltage>24</Voltage><MinVoltage>21</MinVoltage>"
                                       "<Current>0.35</Current><Length>0.5</Length>"
                                       "<Resistance>80</Resistance>%1</Fixture>")
                            .arg(cables));
        TSFixture fixture(QStringLiteral("Puck"));
        QVERIFY(fixture.fromXml(complete.element));
        QCOMPARE(fixture.Resistance, 0.08);
        QCOMPARE(fixture.Current, 0.35);
        QCOMPARE(fixture.LeaderList.size(), 1);

        Parsed noLength(QStringLiteral("<Fixture><Voltage>24</Voltage><MinVoltage>21</MinVoltage>"
                                       "<Current>0.35</Current><Resistance>80</Resistance>%1"
                                       "</Fixture>")
                            .arg(cables));
        TSFixture stopped(QStringLiteral("Puck"));
        QVERIFY(!stopped.fromXml(noLength.element));
        QCOMPARE(stopped.Resistance, 0.0);
        QVERIFY(stopped.LeaderList.isEmpty());
        QCOMPARE(warnings.texts, QStringList(fieldMessage("Length", "Puck")));
    }

    void flexStringKeepsItsCableResistanceAndNoCables()
    {
        Warnings warnings;
        Parsed element(QStringLiteral(
            "<Fixture><Voltage>24</Voltage><MinVoltage>18</MinVoltage><Current>0.02</Current>"
            "<StringCableResistance>80</StringCableResistance><LeaderList><Leader><Name>L</Name>"
            "<Resistance>8</Resistance><ElectricalLength>6</ElectricalLength></Leader>"
            "</LeaderList></Fixture>"));
        FlexString flex(QStringLiteral("Node"));
        QVERIFY(flex.fromXml(element.element));
        QCOMPARE(flex.StringCableResistance, 80.0);
        QCOMPARE(flex.techType, int(TechFlex));
        QVERIFY(flex.LeaderList.isEmpty());
        QVERIFY(warnings.texts.isEmpty());
    }

    void fixtureElementOfAFixture()
    {
        ZVFixture fixture(QStringLiteral("Cove <4 ft> & \"more\""));
        fixture.Family = 2;
        fixture.DefaultLeader = 1;
        fixture.DefaultJumper = 3;
        QDomDocument document;
        bool ok = false;
        const QDomElement element = fixture.toXml(document, &ok);
        QVERIFY(ok);
        QCOMPARE(element.tagName(), QStringLiteral("YmFixture"));
        QCOMPARE(element.attribute("YmFixtureName"), fixture.Name);
        QCOMPARE(element.attribute("YmFixtureTecthType"), QStringLiteral("1"));
        QCOMPARE(element.attribute("YmFixtureFamily"), QStringLiteral("2"));
        QCOMPARE(element.attribute("YmFixtureDefaultAttribute"), QStringLiteral("1"));
        QCOMPARE(element.attribute("YmFixtureDefaultJumper"), QStringLiteral("3"));
        QCOMPARE(element.attributes().count(), 5);
        QVERIFY(fixture.matchesXml(element));
        Parsed other(QStringLiteral("<Fixture YmFixtureName=\"x\"/>"));
        QVERIFY(!fixture.matchesXml(other.element));
    }
};

WATTLAN_TEST_MAIN(TestRecords)
#include "tst_records.moc"
