#include "maxruns.h"

#include "boxvalues.h"
#include "database.h"
#include "flexmodel.h"
#include "modelrun.h"
#include "records.h"
#include "runbound.h"
#include "tessanrules.h"
#include "zelvanerules.h"

#include <QStringList>

#include <limits>

namespace MaxRuns {

namespace {

// The leader length boxes of the window: at least one foot, at most what the
// cable allows (999 when it states no usable maximum).
int leaderMaximum(double figure)
{
    return leaderLengthMaximum(figure);
}
int inLeaderBox(int value, int maximum)
{
    return std::clamp(value, LeaderLengthMinimum, maximum);
}

// One leader choice as the window sets it up: the length its box shows and
// the resistance per foot.
struct LeaderChoice
{
    QString name;
    QString wire;
    double length = 0;
    double resistancePerFoot = 0;
};

const YmWire *wireAt(const YmJumper &leader, int row)
{
    return row >= 0 && row < leader.CustomWireList.size() ? leader.CustomWireList.at(row) : nullptr;
}

// The Zelvane tab: a standard leader at its electrical length; a custom one,
// once per wire, at its default custom length, as the box keeps it after the
// default wire and then that wire were chosen.
QList<LeaderChoice> zelvaneLeaders(const YmFixture &fixture)
{
    QList<LeaderChoice> choices;
    for (const YmJumper *leader : fixture.LeaderList) {
        if (!leader->IsCustom) {
            const int length = inLeaderBox(truncatedSpinValue(leader->ElectricalLength),
                leaderMaximum(leader->MaxLeaderLength));
            choices << LeaderChoice {leader->Name, QString(), double(length), leader->Resistance};
            continue;
        }
        const int defaultRow = leader->DefaultCustomWire >= 0
                && leader->DefaultCustomWire < leader->CustomWireList.size()
            ? leader->DefaultCustomWire
            : 0;
        const YmWire *defaultWire = wireAt(*leader, defaultRow);
        if (!defaultWire)
            continue; // no gauge to choose: the window has no leader to calculate
        const int shown = inLeaderBox(
            truncatedSpinValue(leader->DefaultCustomLength), leaderMaximum(defaultWire->MaxLength));
        for (const YmWire *wire : leader->CustomWireList)
            choices << LeaderChoice {leader->Name, wire->Name,
                double(inLeaderBox(shown, leaderMaximum(wire->MaxLength))), wire->Resistance};
    }
    return choices;
}

// The Tessan tab: a custom leader's record holds no length, so its box falls
// to one foot whichever wire is chosen.
QList<LeaderChoice> tessanLeaders(const YmFixture &fixture)
{
    QList<LeaderChoice> choices;
    for (const YmJumper *leader : fixture.LeaderList) {
        if (!leader->IsCustom) {
            const int length = inLeaderBox(truncatedSpinValue(leader->ElectricalLength),
                leaderMaximum(leader->MaxLeaderLength));
            choices << LeaderChoice {leader->Name, QString(), double(length), leader->Resistance};
            continue;
        }
        for (const YmWire *wire : leader->CustomWireList)
            choices << LeaderChoice {
                leader->Name, wire->Name, double(LeaderLengthMinimum), wire->Resistance};
    }
    return choices;
}

// What stopped the search: the limits a single fixture breaks already, or
// the window's line on the next fixture.
template<typename Result, typename Describe>
QString brokenAlready(const Result &result, Describe describe)
{
    QStringList broken;
    for (const auto &check : result.checks)
        if (!check.holds)
            broken << describe(check);
    return QStringLiteral("one fixture already: ") + broken.join(QStringLiteral("; "));
}

void addZelvaneRows(const Database &database, const Options &options, QList<Row> &rows)
{
    for (const ZVFixture *fixture : database.m_zvFixtures) {
        const QList<LeaderChoice> leaders = zelvaneLeaders(*fixture);
        const ZelvaneModel::Cell fixtureCell = ZelvaneModel::Cell::fixture(figuresOf(*fixture));
        const ZelvaneModel::Cell jumperCell = defaultJumper(*fixture);
        const ZelvaneModel::SelectedFixture selected = ZelvaneRules::selectedOf(*fixture);
        for (const YmItem *item : fixture->ValidSupplyList) {
            const auto *supply = qobject_cast<const ZVPowerSupply *>(item);
            if (!supply)
                continue;
            for (const LeaderChoice &leader : leaders)
                for (double voltage : options.voltages)
                    for (double load : options.loads) {
                        ZelvaneModel::Inputs inputs;
                        inputs.lineVoltage = voltage;
                        inputs.maxLoad = load;
                        inputs.fixture = selected;
                        inputs.supply = ZelvaneRules::limitsOf(*supply);
                        inputs.leader
                            = ZelvaneModel::Leader {leader.length, leader.resistancePerFoot};
                        ZelvaneModelRun run(
                            inputs, fixtureCell, jumperCell, fixture->JumperRequired);
                        maximizeRun(run);
                        // The figures are the walk's own, as the window shows them.
                        const ZelvaneModel::Result result = run.exactResult();
                        Row row;
                        row.kind = Row::Zelvane;
                        row.fixture = fixture->Name;
                        row.supply = supply->Name;
                        row.leader = leader.name;
                        row.wire = leader.wire;
                        row.leaderLength = leader.length;
                        row.voltage = voltage;
                        row.load = load;
                        row.fixtures = result.fixtureCount;
                        row.length = result.totals.length;
                        row.power = result.totals.power;
                        row.current = result.current;
                        row.drop = result.totals.voltageDrop;
                        row.valid = result.valid;
                        if (result.valid)
                            row.zelvaneStop = run.headroom();
                        else
                            row.zelvaneStop.result = result;
                        rows << row;
                    }
        }
    }
}

void addTessanRows(const Database &database, QList<Row> &rows)
{
    for (const TSFixture *fixture : database.m_tsFixtures) {
        const QList<LeaderChoice> leaders = tessanLeaders(*fixture);
        const TessanModel::Cell cell = TessanRules::fixtureCell(*fixture);
        for (const YmItem *item : fixture->ValidSupplyList) {
            const auto *supply = qobject_cast<const TSPowerSupply *>(item);
            if (!supply)
                continue;
            for (const LeaderChoice &leader : leaders) {
                TessanModel::Inputs inputs;
                inputs.fixture = TessanRules::selectedOf(*fixture);
                inputs.supply = TessanRules::limitsOf(*supply);
                inputs.leader = TessanModel::Leader {leader.length, leader.resistancePerFoot};
                TessanModelRun run(inputs, cell);
                maximizeRun(run);
                const TessanModel::Result result = run.exactResult();
                Row row;
                row.kind = Row::Tessan;
                row.fixture = fixture->Name;
                row.supply = supply->Name;
                row.leader = leader.name;
                row.wire = leader.wire;
                row.leaderLength = leader.length;
                row.voltage = fixture->Voltage;
                row.fixtures = result.fixtureCount;
                row.length = result.totals.length;
                row.power = result.power;
                row.current = result.totals.current;
                row.drop = result.totals.voltageDrop;
                row.valid = result.valid;
                if (result.valid)
                    row.tessanStop = TessanModel::headroom(run.inputs(), cell);
                else
                    row.tessanStop.result = result;
                rows << row;
            }
        }
    }
}

void addFlexRows(const Database &database, const Options &options, QList<Row> &rows)
{
    const double spacing = options.flexSpacing / 12.0;
    for (const FlexString *string : database.m_flexStrings) {
        const FlexStringData figures = TessanRules::figuresOf(*string);
        for (const YmItem *item : string->ValidSupplyList) {
            const auto *supply = qobject_cast<const TSPowerSupply *>(item);
            if (!supply)
                continue;
            Row row;
            row.fixture = string->Name;
            row.supply = supply->Name;
            row.leader = QStringLiteral("string cable");
            row.voltage = string->Voltage;

            const FlexNodesResult nodes = maximizeFlexNodes(
                figures, supply->MaxPortPower, options.flexLeader, spacing, MaxRunFixtures);
            row.kind = Row::FlexNodes;
            row.leaderLength = options.flexLeader;
            row.fixtures = nodes.nodes;
            const FlexSum sum = Flex_SumString(figures, nodes.nodes, options.flexLeader, spacing);
            row.power = sum.power;
            row.current = sum.power / string->Voltage;
            row.drop = sum.voltageDrop;
            row.length = options.flexLeader + spacing * std::max(nodes.nodes - 1, 0);
            row.valid = nodes.nodes > 0;
            row.flexStop = nodes.nodes >= MaxRunFixtures
                ? QStringLiteral("the bound of %1 nodes").arg(MaxRunFixtures)
                : QStringLiteral("voltage or port power at %1 nodes (the window shows at most 99)")
                      .arg(nodes.nodes + 1);
            rows << row;

            const FlexSum bare = Flex_SumString(figures, options.flexNodes, 0, spacing);
            const int leader
                = maximizeFlexLeader(figures, bare, 0, std::numeric_limits<int>::max());
            const FlexSum full = Flex_SumString(figures, options.flexNodes, leader, spacing);
            row.kind = Row::FlexLeader;
            row.leaderLength = leader;
            row.fixtures = options.flexNodes;
            row.power = full.power;
            row.current = full.power / string->Voltage;
            row.drop = full.voltageDrop;
            row.length = leader + spacing * std::max(options.flexNodes - 1, 0);
            row.valid = string->Voltage - string->MinVoltage - full.voltageDrop >= 0;
            row.flexStop = QStringLiteral("voltage budget (the window shows at most 99 ft)");
            rows << row;
        }
    }
}

} // namespace

ZelvaneModel::FixtureFigures figuresOf(const ZVFixture &fixture)
{
    return ZelvaneRules::figuresOf(fixture);
}

ZelvaneModel::Cell defaultJumper(const ZVFixture &fixture)
{
    return ZelvaneRules::defaultJumper(fixture);
}

QList<Row> table(const Database &database, const Options &options)
{
    QList<Row> rows;
    addZelvaneRows(database, options, rows);
    addTessanRows(database, rows);
    addFlexRows(database, options, rows);
    return rows;
}

QString kindName(Row::Kind kind)
{
    switch (kind) {
    case Row::Zelvane:
        return QStringLiteral("zelvane");
    case Row::Tessan:
        return QStringLiteral("tessan");
    case Row::FlexNodes:
        return QStringLiteral("flex-nodes");
    case Row::FlexLeader:
        return QStringLiteral("flex-leader");
    }
    return QString();
}

QString stopText(const Row &row)
{
    switch (row.kind) {
    case Row::Zelvane: {
        const ZelvaneModel::Result &result = row.zelvaneStop.result;
        return row.valid ? ZelvaneModel::headroomLine(row.zelvaneStop)
                         : brokenAlready(result, [&result](const ZelvaneModel::LimitCheck &c) {
                               return ZelvaneModel::describe(c, result);
                           });
    }
    case Row::Tessan:
        return row.valid
            ? TessanModel::headroomLine(row.tessanStop)
            : brokenAlready(row.tessanStop.result,
                [](const TessanModel::LimitCheck &c) { return TessanModel::describe(c); });
    case Row::FlexNodes:
    case Row::FlexLeader:
        return row.flexStop;
    }
    return QString();
}

} // namespace MaxRuns

QString MaxRuns::leaderName(const Row &row)
{
    return row.wire.isEmpty() ? row.leader : QStringLiteral("%1 (%2)").arg(row.leader, row.wire);
}
