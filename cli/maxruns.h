#pragma once

#include "tessanmodel.h"
#include "zelvanemodel.h"

#include <QList>
#include <QString>

class Database;
class ZVFixture;

// The table of `wattlan-cli max-runs`: the largest valid run of every
// product, searched as the window's Maximize searches it, on the pure models.
namespace MaxRuns {

struct Options
{
    QList<double> voltages {100, 120, 208, 220, 240, 277};
    QList<double> loads {15, 20}; // amps, the circuit's rating
    int flexSpacing = 4; // inches between nodes
    int flexLeader = 20; // feet, for the largest node count
    int flexNodes = 50; // for the longest leader
};

struct Row
{
    enum Kind { Zelvane, Tessan, FlexNodes, FlexLeader };

    Kind kind = Zelvane;
    QString fixture;
    QString supply;
    QString leader; // the leader type
    QString wire; // a custom leader's wire; empty for a standard one
    double leaderLength = 0; // feet
    double voltage = 0; // line voltage (Zelvane); the fixture's voltage otherwise
    double load = 0; // amps (Zelvane only)
    int fixtures = 0; // fixtures, or nodes of a flex string
    double length = 0; // feet, leader included
    double power = 0; // watts
    double current = 0; // amps
    double drop = 0; // volts
    bool valid = false;
    // Why the search stopped, put into words by stopText() when printed: for a
    // valid run, what the next fixture gives (the window's headroom); for a
    // run invalid with one fixture already, the headroom's result is that run.
    ZelvaneModel::Headroom zelvaneStop;
    TessanModel::Headroom tessanStop;
    QString flexStop;
};

// The figures of a Zelvane fixture record, as the tab's calculation takes them.
ZelvaneModel::FixtureFigures figuresOf(const ZVFixture &fixture);
// The jumper that the Zelvane tab's Add Jumper puts first into a run: a new
// selector shows the fixture's default jumper type (else its first), a custom
// type with its default gauge (else its first) and one foot.
ZelvaneModel::Cell defaultJumper(const ZVFixture &fixture);

// Every row, Zelvane first, then Tessan, then flex strings.
QList<Row> table(const Database &database, const Options &options);

QString kindName(Row::Kind kind);
// The limit the next fixture would break, or why the search stopped.
QString stopText(const Row &row);
// The leader as a table shows it: "Custom Leader (14 AWG)" with a wire.
QString leaderName(const Row &row);

} // namespace MaxRuns
