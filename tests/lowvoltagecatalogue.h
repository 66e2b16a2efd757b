#pragma once

// A small product database for the Tessan, flex string and Ombrel tabs, with
// figures chosen so that the tabs' results can be worked out by hand.
#include <QDir>
#include <QFile>
#include <QString>

namespace LowVoltageCatalogue {

inline const char *const tessanFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<YmConfig>
  <DBVersion>LV-1</DBVersion>
  <PowerSupplyList>
    <PowerSupply><Name>OB C</Name><Type>ombrel</Type></PowerSupply>
    <PowerSupply><Name>OB A</Name><Type>ombrel</Type></PowerSupply>
    <PowerSupply><Name>OB B</Name><Type>ombrel</Type></PowerSupply>
    <PowerSupply><Name>Hub 100</Name><Type>tessan</Type><Voltage>24</Voltage>
      <Power>400</Power><Ports>4</Ports><MaxPortPower>100</MaxPortPower></PowerSupply>
    <PowerSupply><Name>Hub 0</Name><Type>tessan</Type><Voltage>24</Voltage>
      <Power>0</Power><Ports>1</Ports><MaxPortPower>0</MaxPortPower></PowerSupply>
    <PowerSupply><Name>Hub 2.5</Name><Type>tessan</Type><Voltage>24</Voltage>
      <Power>10</Power><Ports>4</Ports><MaxPortPower>2.5</MaxPortPower></PowerSupply>
  </PowerSupplyList>
  <FixtureList>
    <Fixture><Name>Puck</Name><Type>tessan</Type><ShortName>PK</ShortName><Family>5</Family>
      <Voltage>24</Voltage><MinVoltage>0</MinVoltage><Current>0.35</Current>
      <Length>0.5</Length><Resistance>0</Resistance>
      <ValidSupplyList><Supply>Hub 100</Supply><Supply>Hub 0</Supply></ValidSupplyList>
      <LeaderList>
        <Leader><Name>Leader 6 ft</Name><ElectricalLength>6</ElectricalLength>
          <MaxLeaderLength>40</MaxLeaderLength><Resistance>8.03</Resistance></Leader>
        <Leader><Name>Custom Leader</Name><DefaultCustomWire>1</DefaultCustomWire>
          <DefaultCustomLength>10</DefaultCustomLength>
          <CustomWireList>
            <CustomWire><Name>18 AWG</Name><Resistance>12.8</Resistance><MaxLength>30</MaxLength></CustomWire>
            <CustomWire><Name>16 AWG</Name><Resistance>8.03</Resistance><MaxLength>50</MaxLength></CustomWire>
          </CustomWireList></Leader>
      </LeaderList>
      <JumperList>
        <Jumper><Name>Pair</Name><ElectricalLength>1</ElectricalLength><Resistance>0</Resistance>
          <MaxInARow>2</MaxInARow></Jumper>
        <Jumper><Name>Any</Name><ElectricalLength>1</ElectricalLength><Resistance>0</Resistance>
          <MaxInARow>0</MaxInARow></Jumper>
      </JumperList>
    </Fixture>
    <Fixture><Name>Puck Twin</Name><Type>tessan</Type><ShortName>PT</ShortName><Family>5</Family>
      <Voltage>24</Voltage><MinVoltage>0</MinVoltage><Current>0.7</Current>
      <Length>0.5</Length><Resistance>0</Resistance>
      <ValidSupplyList><Supply>Hub 100</Supply></ValidSupplyList>
      <LeaderList>
        <Leader><Name>Twin Leader</Name><ElectricalLength>3</ElectricalLength>
          <MaxLeaderLength>20</MaxLeaderLength><Resistance>8.03</Resistance></Leader>
      </LeaderList>
    </Fixture>
    <Fixture><Name>Free</Name><Type>tessan</Type><ShortName>FR</ShortName><Family>0</Family>
      <DefaultJumper>1</DefaultJumper>
      <Voltage>24</Voltage><MinVoltage>0</MinVoltage><Current>0.35</Current>
      <Length>0.5</Length><Resistance>0</Resistance>
      <ValidSupplyList><Supply>Hub 100</Supply></ValidSupplyList>
      <LeaderList>
        <Leader><Name>Leader 6 ft</Name><ElectricalLength>6</ElectricalLength>
          <MaxLeaderLength>40</MaxLeaderLength><Resistance>8.03</Resistance></Leader>
      </LeaderList>
      <JumperList>
        <Jumper><Name>Pair</Name><ElectricalLength>1</ElectricalLength><Resistance>0</Resistance>
          <MaxInARow>2</MaxInARow></Jumper>
        <Jumper><Name>Any</Name><ElectricalLength>1</ElectricalLength><Resistance>0</Resistance>
          <MaxInARow>0</MaxInARow></Jumper>
      </JumperList>
    </Fixture>
    <Fixture><Name>Dark</Name><Type>tessan</Type><ShortName>DK</ShortName><Family>0</Family>
      <Voltage>24</Voltage><MinVoltage>0</MinVoltage><Current>0</Current>
      <Length>0.5</Length><Resistance>0</Resistance>
      <ValidSupplyList><Supply>Hub 0</Supply></ValidSupplyList>
      <LeaderList>
        <Leader><Name>Leader 6 ft</Name><ElectricalLength>6</ElectricalLength>
          <MaxLeaderLength>40</MaxLeaderLength><Resistance>8.03</Resistance></Leader>
      </LeaderList>
    </Fixture>
    <Fixture><Name>Orphan</Name><Type>tessan</Type><ShortName>OR</ShortName><Family>0</Family>
      <Voltage>24</Voltage><MinVoltage>0</MinVoltage><Current>0.35</Current>
      <Length>0.5</Length><Resistance>0</Resistance>
    </Fixture>
    <Fixture><Name>Flex Example</Name><Type>tsflex</Type><ShortName>FX</ShortName>
      <Voltage>24</Voltage><MinVoltage>18</MinVoltage><Current>0.02</Current>
      <StringCableResistance>0.01</StringCableResistance>
      <ValidSupplyList><Supply>Hub 100</Supply><Supply>Hub 2.5</Supply></ValidSupplyList>
    </Fixture>
    <Fixture><Name>Flex Dark</Name><Type>tsflex</Type><ShortName>FD</ShortName>
      <Voltage>24</Voltage><MinVoltage>18</MinVoltage><Current>0</Current>
      <StringCableResistance>0.01</StringCableResistance>
      <ValidSupplyList><Supply>Hub 100</Supply></ValidSupplyList>
    </Fixture>
    <Fixture><Name>Flex Bare</Name><Type>tsflex</Type><ShortName>FB</ShortName>
      <Voltage>24</Voltage><MinVoltage>18</MinVoltage><Current>0.02</Current>
      <StringCableResistance>0</StringCableResistance>
      <ValidSupplyList><Supply>Hub 100</Supply></ValidSupplyList>
    </Fixture>
    <Fixture><Name>Flex Starved</Name><Type>tsflex</Type><ShortName>FS</ShortName>
      <Voltage>24</Voltage><MinVoltage>24</MinVoltage><Current>0.02</Current>
      <StringCableResistance>0.01</StringCableResistance>
      <ValidSupplyList><Supply>Hub 100</Supply></ValidSupplyList>
    </Fixture>
    <Fixture><Name>Flex Orphan</Name><Type>tsflex</Type><ShortName>FO</ShortName>
      <Voltage>24</Voltage><MinVoltage>18</MinVoltage><Current>0.02</Current>
      <StringCableResistance>0.01</StringCableResistance>
    </Fixture>
    <Fixture><Name>Trio</Name><Type>ombrel</Type><ShortName>TR</ShortName>
      <ValidSupplyList><Supply>OB A</Supply><Supply>OB B</Supply><Supply>OB C</Supply></ValidSupplyList>
    </Fixture>
    <Fixture><Name>Solo</Name><Type>ombrel</Type><ShortName>SO</ShortName>
      <ValidSupplyList><Supply>OB C</Supply></ValidSupplyList>
    </Fixture>
  </FixtureList>
</YmConfig>
)";

inline const char *const emptyFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<YmConfig><DBVersion>LV-1</DBVersion><PowerSupplyList/><FixtureList/></YmConfig>
)";

// Writes the three database files into directory.
inline bool write(const QDir &directory)
{
    const struct
    {
        const char *name;
        const char *content;
    } files[] = {
        {"ym_config_zv.xml", emptyFile},
        {"ym_config_ob.xml", emptyFile},
        {"ym_config_ts.xml", tessanFile},
    };
    for (const auto &file : files) {
        QFile out(directory.filePath(QLatin1String(file.name)));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.content) < 0)
            return false;
    }
    return true;
}

} // namespace LowVoltageCatalogue
