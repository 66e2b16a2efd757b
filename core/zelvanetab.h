#pragma once

#include "jumperchoice.h"
#include "projectformat.h"
#include "zelvanemodel.h"

#include <QList>
#include <QStringList>

class Database;
class QDomElement;
class YmFixture;
class YmJumper;
class YmWire;
class ZVFixture;
class ZVPowerSupply;

// A number box as the window's boxes behave: a value is kept within the
// range, and a maximum below the minimum lowers the minimum too.
struct NumberBox
{
    int minimum = 0;
    int maximum = 99;
    int value = 0;

    void setMaximum(int limit);
    void setValue(int wanted);
};

// One cell of a run: a fixture, or a jumper with its selector's choice.
struct RunCell
{
    enum Kind { Fixture = 2, Jumper = 3 };

    Kind kind = Fixture;
    const YmFixture *fixture = nullptr;
    JumperChoice jumper; // jumper cells only
};

// The Zelvane tab as a value: what its selectors, boxes and run hold, changed
// by the same rules, in the same order, as the window's controls change
// them. The command line opens a project file into it exactly as File, Open
// does in the window, without a widget.
class ZelvaneTab
{
public:
    // As the window starts: the first fixture chosen, 120 V, 15 A, a run of
    // one fixture.
    explicit ZelvaneTab(const Database &database);

    // Choosing a row of a selector; a row past its list makes none current,
    // and choosing the current row changes nothing.
    void chooseFixture(int row);
    void chooseSupply(int row);
    void chooseLineVoltage(int row);
    void chooseCircuitLoad(int row);
    void chooseLeader(int row);
    void chooseLeaderGauge(int row);

    // A project file's settings, then its run, as File, Open takes them
    // from the file's root element.
    void open(const QDomElement &root);
    // The settings as a project file stores them.
    ZelvaneSettings settings() const;

    // The records behind the selectors, or null.
    const ZVFixture *fixture() const;
    const ZVPowerSupply *supply() const;
    const YmJumper *leader() const;
    const YmWire *leaderGauge() const;

    double lineVoltage() const;
    double circuitLoad() const;
    const QList<RunCell> &cells() const { return m_cells; }
    // What the tab's calculation gathers.
    ZelvaneModel::Inputs inputs() const;

private:
    // The settings of a project file, applied as File, Open applies them:
    // names matched exactly, the fixture first, the leader length last.
    void applySettings(const ZelvaneSettings &settings);
    // The run of a project file's root element, as File, Open reads it.
    void readRun(const QDomElement &root);
    void applyFixture(const ZVFixture &chosen);
    void applyLeader();
    void applyLeaderGauge();
    void resetRun();
    const ZVFixture *fixtureNamed(const QString &name) const;

    const Database &m_database;
    QStringList m_fixtures;
    int m_fixtureRow = -1;
    const ZVFixture *m_previousFixture = nullptr;
    QStringList m_supplies;
    int m_supplyRow = -1;
    int m_lineVoltageRow = -1;
    NumberBox m_customLineVoltage;
    int m_circuitLoadRow = -1;
    NumberBox m_customCircuitLoad;
    QStringList m_leaders;
    int m_leaderRow = -1;
    QStringList m_gauges;
    int m_gaugeRow = -1;
    NumberBox m_leaderLength;
    QList<RunCell> m_cells;
};
