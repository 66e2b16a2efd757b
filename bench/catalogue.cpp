#include "catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace Catalogue {

namespace {

const QStringList FileNames {QStringLiteral("ym_config_zv.xml"), QStringLiteral("ym_config_ob.xml"),
    QStringLiteral("ym_config_ts.xml")};

using Body = std::function<void(QTextStream &)>;

// Writes one database file: the version, then whatever body adds.
bool writeFile(const QString &folder, const QString &name, const Body &body)
{
    QFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<YmConfig>\n"
        << "  <DBVersion>" << Version << "</DBVersion>\n";
    if (body)
        body(out);
    out << "</YmConfig>\n";
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

QString zelvaneSupplyName(int i)
{
    return QStringLiteral("Quellor PD-%1").arg(i, 5, 10, QLatin1Char('0'));
}

QString tessanSupplyName(int i)
{
    return QStringLiteral("Tessan Hub %1x60").arg(i, 5, 10, QLatin1Char('0'));
}

// Four supplies of a list of `count`, a quarter of the list apart, so that
// names near its end are looked up as often as names near its start.
void validSupplies(QTextStream &out, int fixture, int count, QString (*name)(int))
{
    out << "      <ValidSupplyList>\n";
    for (int k = 0; k < 4; ++k) {
        const QString supply = name((fixture * 37 + k * (count / 4)) % count);
        out << "        <Supply>" << (k == 1 ? supply.toLower() : supply) << "</Supply>\n";
    }
    out << "      </ValidSupplyList>\n";
}

void customWires(QTextStream &out, int wires)
{
    static const char *const gauges[] = {"18 AWG", "16 AWG", "14 AWG", "12 AWG"};
    static const char *const resistances[] = {"12.8", "8.03", "5.05", "3.18"};
    out << "          <CustomWireList>\n";
    for (int w = 0; w < wires; ++w)
        out << "            <CustomWire><Name>" << gauges[w] << "</Name><Resistance>"
            << resistances[w] << "</Resistance><MaxLength>" << 50 * (w + 1)
            << "</MaxLength></CustomWire>\n";
    out << "          </CustomWireList>\n";
}

// A standard leader and a custom one, two standard jumpers and a custom one.
void cableLists(QTextStream &out)
{
    out << "      <LeaderList>\n"
           "        <Leader><Name>Standard Leader 10 ft</Name><ElectricalLength>10"
           "</ElectricalLength><MaxLeaderLength>50</MaxLeaderLength><Resistance>5.05"
           "</Resistance></Leader>\n"
           "        <Leader>\n          <Name>Custom Leader</Name><DefaultCustomWire>1"
           "</DefaultCustomWire><DefaultCustomLength>25</DefaultCustomLength>\n";
    customWires(out, 4);
    out << "        </Leader>\n      </LeaderList>\n      <JumperList>\n"
           "        <Jumper><Name>Jumper 1 ft</Name><ElectricalLength>1</ElectricalLength>"
           "<Resistance>5.05</Resistance><MaxInARow>3</MaxInARow></Jumper>\n"
           "        <Jumper><Name>Jumper 4 ft</Name><ElectricalLength>4</ElectricalLength>"
           "<Resistance>20.2</Resistance></Jumper>\n"
           "        <Jumper>\n          <Name>Custom Jumper</Name><DefaultCustomWire>0"
           "</DefaultCustomWire><DefaultCustomLength>6</DefaultCustomLength>\n";
    customWires(out, 2);
    out << "        </Jumper>\n      </JumperList>\n";
}

void zelvaneSupply(QTextStream &out, int i)
{
    out << "    <PowerSupply><Name>" << zelvaneSupplyName(i) << "</Name><Type>zelvane</Type>";
    if (i % 2)
        out << "<MaxNumFixtures>" << 12 + i % 37 << "</MaxNumFixtures>";
    out << "<MaxElectricalLength>" << 150 + i % 250 << "</MaxElectricalLength></PowerSupply>\n";
}

void tessanSupply(QTextStream &out, int i)
{
    out << "    <PowerSupply><Name>" << tessanSupplyName(i) << "</Name><Type>tessan</Type>"
        << "<Voltage>24</Voltage><Power>" << 60 * (1 + i % 8) << "</Power><Ports>" << 1 + i % 8
        << "</Ports><MaxPortPower>60</MaxPortPower></PowerSupply>\n";
}

void zelvaneFixture(QTextStream &out, int i, int supplies)
{
    out << "    <Fixture>\n      <Name>Vessik Cove " << i << "</Name><Type>zelvane</Type>"
        << "<ShortName>VC" << i << "</ShortName><Family>" << i % 5 << "</Family>\n"
        << "      <Power>" << 5 + i % 40 << "</Power><PowerFactor>0.95</PowerFactor>"
        << "<MaxTemp>50</MaxTemp><Resistance>" << 6 + i % 30 << "</Resistance>"
        << "<ElectricalLength>" << 1 + i % 4 << "</ElectricalLength><FudgeFactor>1.1"
        << "</FudgeFactor><SafetyRequired>" << (i % 7 == 0) << "</SafetyRequired>"
        << "<JumperRequired>" << (i % 3 == 0) << "</JumperRequired>\n"
        << "      <MaxVoltageDrop>0</MaxVoltageDrop><MinVoltage>0</MinVoltage>"
        << "<VoltageDropPercent>0.05</VoltageDropPercent><MaxPower>1200</MaxPower>"
        << "<MaxFixtureCurrent>10</MaxFixtureCurrent><MaxFixtureLength>200"
        << "</MaxFixtureLength>\n";
    validSupplies(out, i, supplies, zelvaneSupplyName);
    cableLists(out);
    out << "    </Fixture>\n";
}

void tessanFixture(QTextStream &out, int i, int supplies)
{
    out << "    <Fixture>\n      <Name>Tessan Linear " << i << "</Name><Type>tessan</Type>"
        << "<ShortName>TL" << i << "</ShortName><Family>0</Family>\n"
        << "      <Voltage>24</Voltage><MinVoltage>20</MinVoltage><Current>" << 0.25 * (1 + i % 4)
        << "</Current><Length>1</Length><Resistance>120</Resistance>\n";
    validSupplies(out, i, supplies, tessanSupplyName);
    cableLists(out);
    out << "    </Fixture>\n";
}

void flexString(QTextStream &out, int i, int supplies)
{
    out << "    <Fixture>\n      <Name>Flex String " << i << "</Name><Type>tsflex</Type>"
        << "<ShortName>FS" << i << "</ShortName>\n"
        << "      <Voltage>24</Voltage><MinVoltage>19</MinVoltage><Current>0.02</Current>"
        << "<StringCableResistance>0.0" << 1 + i % 9 << "</StringCableResistance>\n";
    validSupplies(out, i, supplies, tessanSupplyName);
    out << "    </Fixture>\n";
}

} // namespace

bool writeScaled(const QString &folder, int fixtures, int supplies)
{
    // Half of the supplies are Zelvane ones; of every ten fixtures six are
    // Zelvane fixtures, three Tessan fixtures and one a flex string.
    const int zelvaneSupplies = supplies / 2;
    const int tessanSupplies = supplies - zelvaneSupplies;
    const Body zelvane = [&](QTextStream &out) {
        out << "  <PowerSupplyList>\n";
        for (int i = 0; i < zelvaneSupplies; ++i)
            zelvaneSupply(out, i);
        out << "  </PowerSupplyList>\n  <FixtureList>\n";
        for (int i = 0; i < fixtures; ++i) {
            if (i % 10 < 6)
                zelvaneFixture(out, i, zelvaneSupplies);
        }
        out << "  </FixtureList>\n";
    };
    const Body tessan = [&](QTextStream &out) {
        out << "  <PowerSupplyList>\n";
        for (int i = 0; i < tessanSupplies; ++i)
            tessanSupply(out, i);
        out << "  </PowerSupplyList>\n  <FixtureList>\n";
        for (int i = 0; i < fixtures; ++i) {
            if (i % 10 >= 6 && i % 10 < 9)
                tessanFixture(out, i, tessanSupplies);
            else if (i % 10 == 9)
                flexString(out, i, tessanSupplies);
        }
        out << "  </FixtureList>\n";
    };
    return writeFile(folder, FileNames[0], zelvane) && writeFile(folder, FileNames[1], {})
        && writeFile(folder, FileNames[2], tessan);
}

bool writeZelvane(const QString &folder, int fixtures, int supplies)
{
    const Body zelvane = [&](QTextStream &out) {
        out << "  <PowerSupplyList>\n";
        for (int i = 0; i < supplies; ++i)
            zelvaneSupply(out, i);
        out << "  </PowerSupplyList>\n  <FixtureList>\n";
        for (int i = 0; i < fixtures; ++i)
            zelvaneFixture(out, i, supplies);
        out << "  </FixtureList>\n";
    };
    return writeFile(folder, FileNames[0], zelvane) && writeFile(folder, FileNames[1], {})
        && writeFile(folder, FileNames[2], {});
}

bool writeMaximizeRun(const QString &folder, int fixtureLimit)
{
    const Body zelvane = [&](QTextStream &out) {
        out << "  <PowerSupplyList>\n    <PowerSupply><Name>Quellor Node</Name>"
            << "<Type>zelvane</Type><MaxNumFixtures>" << fixtureLimit
            << "</MaxNumFixtures></PowerSupply>\n  </PowerSupplyList>\n"
            << "  <FixtureList>\n    <Fixture>\n      <Name>Vessik Dot</Name>"
            << "<Type>zelvane</Type><ShortName>VD</ShortName><Family>1</Family>\n"
            << "      <Power>1</Power><PowerFactor>1</PowerFactor><MaxTemp>50</MaxTemp>"
            << "<Resistance>1</Resistance><ElectricalLength>1</ElectricalLength>"
            << "<FudgeFactor>1</FudgeFactor><SafetyRequired>0</SafetyRequired>"
            << "<JumperRequired>1</JumperRequired><MaxVoltageDrop>100</MaxVoltageDrop>\n"
            << "      <ValidSupplyList><Supply>Quellor Node</Supply></ValidSupplyList>\n"
            << "      <LeaderList><Leader><Name>Leader 10 ft</Name><ElectricalLength>10"
            << "</ElectricalLength><MaxLeaderLength>50</MaxLeaderLength><Resistance>1"
            << "</Resistance></Leader></LeaderList>\n"
            << "      <JumperList><Jumper><Name>Jumper 1 ft</Name><ElectricalLength>1"
            << "</ElectricalLength><Resistance>1</Resistance></Jumper></JumperList>\n"
            << "    </Fixture>\n  </FixtureList>\n";
    };
    return writeFile(folder, FileNames[0], zelvane) && writeFile(folder, FileNames[1], {})
        && writeFile(folder, FileNames[2], {});
}

bool copySample(const QString &folder)
{
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &name : FileNames) {
        const QString target = QDir(folder).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(here.filePath(name), target))
            return false;
    }
    return true;
}

} // namespace Catalogue
