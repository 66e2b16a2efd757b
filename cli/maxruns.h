#pragma once

#include "tessanmodel.h"
#include "zelvanemodel.h"

#include <QList>
#include <QString>

#include <functional>

class Database;

// The table of `wattlan-cli max-runs`: the largest valid run of every
// product, as the window's Maximize builds it from a fresh run of one fixture.
namespace MaxRuns {

struct Options
{
    QList<double> voltages {100, 120, 208, 220, 240, 277};
    QList<double> loads {15, 20}; // amps, the circuit's rating
    int flexSpacing = 4; // inches between nodes
    int flexLeader = 20; // feet, for the largest node count
    int flexNodes = 50; // for the longest leader
    // Only fixtures and supplies whose names contain these (any letter case).
    QString fixtureFilter;
    QString supplyFilter;
};

struct Row
{
    enum Kind { Zelvane, Tessan, FlexNodes, FlexLeader };

    Kind kind = Zelvane;
    QString fixture;
    QString supply; // empty when the fixture names none
    QString leader; // the leader type; empty when the fixture has none
    QString wire; // a custom leader's wire; empty for a standard one
    double leaderLength = 0; // feet; not a number when there is no leader, or no limit to it
    double voltage = 0; // line voltage (Zelvane); the fixture's voltage otherwise
    double load = 0; // amps (Zelvane only)
    int fixtures = 0; // fixtures, or nodes of a flex string
    double length = 0; // feet, leader included
    double power = 0; // watts
    double current = 0; // amps
    double drop = 0; // volts
    bool valid = false;
    // Not empty: the run cannot be calculated, and why; its figures mean nothing.
    QString uncalculable;
    // Why the search stopped, put into words by stopText() when printed: for a
    // valid run, what the next fixture gives (the window's headroom); for a
    // run invalid with one fixture already, the headroom's result is that run.
    ZelvaneModel::Headroom zelvaneStop;
    TessanModel::Headroom tessanStop;
    QString flexStop;
};

// Hands every row to `take` as soon as it is found: Zelvane first, then
// Tessan, then flex strings, each in the catalogue's order.
void forEachRow(
    const Database &database, const Options &options, const std::function<void(const Row &)> &take);
// Every row at once.
QList<Row> table(const Database &database, const Options &options);

// The widest fixture, supply and leader names the rows can show (leaderName),
// known before the search.
struct NameWidths
{
    int fixture = 0;
    int supply = 0;
    int leader = 0;
};
NameWidths nameWidths(const Database &database, const Options &options);

QString kindName(Row::Kind kind);
// The limit the next fixture would break, or why the search stopped.
QString stopText(const Row &row);
// The leader as a table shows it: "Custom Leader (14 AWG)" with a wire.
QString leaderName(const Row &row);

} // namespace MaxRuns
