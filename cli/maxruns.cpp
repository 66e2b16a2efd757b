#include "maxruns.h"

#include "boxvalues.h"
#include "database.h"
#include "flexmodel.h"
#include "grownwalk.h"
#include "records.h"
#include "runbound.h"
#include "runrules.h"
#include "tessanrules.h"
#include "zelvanerules.h"
#include "zelvanetab.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace MaxRuns {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("MaxRuns", source);
}

constexpr double NoFigure = std::numeric_limits<double>::quiet_NaN();

// A flex string's leader is made of its own cable; named alike in every language.
QString flexLeaderName()
{
    return QStringLiteral("string cable");
}

// One leader choice as the window sets it up: the length its box shows and
// the resistance per foot. A custom leader without wires is listed too, with
// no gauge to calculate with; so is the missing leader of a fixture that has
// none.
struct LeaderChoice
{
    QString name;
    QString wire;
    double length = NoFigure;
    double resistancePerFoot = 0;
    bool calculable = false;
};

// The choices a leader type offers on a tab, given what choosing it sets up
// there: a standard leader at the length its box shows; a custom one once per
// wire, at the length the box keeps after the default wire, then that wire,
// were chosen.
QList<LeaderChoice> leaderChoices(const YmJumper &leader, const ZelvaneRules::LeaderSetup &setup)
{
    NumberBox box {LeaderLengthMinimum, LeaderLengthLimit, LeaderLengthMinimum};
    if (!setup.custom) {
        box.setMaximum(setup.lengthMaximum);
        box.setValue(setup.length);
        return {LeaderChoice {leader.Name, QString(), double(box.value), leader.Resistance, true}};
    }
    const YmWire *defaultWire = ZelvaneRules::gaugeAt(leader, setup.defaultGaugeRow);
    if (!defaultWire) {
        LeaderChoice uncalculable;
        uncalculable.name = leader.Name;
        return {uncalculable};
    }
    box.setMaximum(ZelvaneRules::gaugeLengthMaximum(*defaultWire));
    box.setValue(setup.length);
    QList<LeaderChoice> choices;
    for (const YmWire *wire : leader.CustomWireList) {
        NumberBox shown = box;
        shown.setMaximum(ZelvaneRules::gaugeLengthMaximum(*wire));
        choices << LeaderChoice {
            leader.Name, wire->Name, double(shown.value), wire->Resistance, true};
    }
    return choices;
}

// Every leader choice of a fixture on a tab (setUp: the tab's leader setup);
// one choice without a leader when the fixture has none.
template<typename SetUp> QList<LeaderChoice> leadersOf(const YmFixture &fixture, SetUp setUp)
{
    QList<LeaderChoice> choices;
    for (const YmJumper *leader : fixture.LeaderList)
        choices << leaderChoices(*leader, setUp(*leader));
    if (choices.isEmpty())
        choices << LeaderChoice {};
    return choices;
}

QList<LeaderChoice> zelvaneLeaders(const YmFixture &fixture)
{
    return leadersOf(fixture, ZelvaneRules::leaderSetup);
}

QList<LeaderChoice> tessanLeaders(const YmFixture &fixture)
{
    return leadersOf(fixture, TessanRules::leaderSetup);
}

bool matches(const QString &name, const QString &filter)
{
    return filter.isEmpty() || name.contains(filter, Qt::CaseInsensitive);
}

// The fixture's valid supplies that the filter lets through; a fixture that
// names none gets one row without a supply, as the window shows it.
template<typename Supply>
QList<const Supply *> suppliesOf(const YmFixture &fixture, const Options &options)
{
    QList<const Supply *> supplies;
    for (const YmItem *item : fixture.ValidSupplyList)
        if (const auto *supply = qobject_cast<const Supply *>(item))
            if (matches(supply->Name, options.supplyFilter))
                supplies << supply;
    if (fixture.ValidSupplyList.isEmpty() && options.supplyFilter.isEmpty())
        supplies << nullptr;
    return supplies;
}

bool finiteAndNotNegative(double figure)
{
    return std::isfinite(figure) && figure >= 0;
}

// The window's line on the next fixture of the run of `fixtures` fixtures:
// nextRun(n) is the run of n fixtures.
template<typename Headroom, typename NextRun>
Headroom headroomAfter(int fixtures, bool addsJumper, NextRun nextRun)
{
    return RunRules::nextFixture<Headroom>(
        fixtures, true, [addsJumper] { return addsJumper; },
        [&](bool) { return nextRun(fixtures + 1); });
}

// What stopped the search: the limits a single fixture breaks already, or
// the window's line on the next fixture.
template<typename Result, typename Describe>
QString brokenAlready(const Result &result, Describe describe)
{
    QStringList broken;
    for (const auto &check : RunRules::brokenChecks(result.checks))
        broken << describe(check);
    return text(QT_TRANSLATE_NOOP("MaxRuns", "one fixture already: %1"))
        .arg(broken.join(QStringLiteral("; ")));
}

// Zelvane ---------------------------------------------------------------------

// Whether every figure of a grown run grows with it, so that a run once
// invalid stays invalid: no cell, jumper or leader figure below zero, a power
// factor and a voltage above it.
bool zelvaneRunGrows(
    const ZelvaneGrownWalk &walk, const std::optional<ZelvaneModel::Leader> &leader)
{
    const ZelvaneModel::FixtureFigures &f = walk.fixture().record;
    bool grows = walk.voltage() > 0 && std::isfinite(walk.voltage()) && f.powerFactor > 0
        && std::isfinite(f.powerFactor) && finiteAndNotNegative(f.fudgeFactor)
        && finiteAndNotNegative(f.power) && finiteAndNotNegative(f.resistance)
        && finiteAndNotNegative(f.electricalLength);
    if (walk.hasJumpers())
        grows = grows && finiteAndNotNegative(walk.jumper().jumperLength)
            && finiteAndNotNegative(walk.jumper().jumperResistance);
    if (leader)
        grows = grows && finiteAndNotNegative(leader->length)
            && finiteAndNotNegative(leader->resistancePerFoot);
    return grows;
}

// Searches one Zelvane row on the walk of its fixture and voltage.
class ZelvaneSearch
{
public:
    ZelvaneSearch(const ZelvaneModel::Inputs &inputs, ZelvaneGrownWalk &walk)
        : m_inputs(inputs), m_walk(walk)
    { }

    // The run of n fixtures as calculate() judges it.
    ZelvaneModel::Result runOf(int fixtures) const
    {
        if (!jumpersResolved(fixtures)) {
            ZelvaneModel::Inputs run = m_inputs;
            run.cells = m_walk.cells(fixtures);
            return ZelvaneModel::calculate(run);
        }
        return ZelvaneModel::judge(m_inputs, m_walk.totals(fixtures), fixtures);
    }

    bool validAt(int fixtures) const
    {
        return jumpersResolved(fixtures)
            && ZelvaneModel::isValid(m_inputs, m_walk.totals(fixtures), fixtures);
    }

private:
    bool jumpersResolved(int fixtures) const
    {
        return fixtures < 2 || !m_walk.hasJumpers() || m_walk.jumper().jumperResolved;
    }

    const ZelvaneModel::Inputs &m_inputs;
    ZelvaneGrownWalk &m_walk;
};

// The rows of one Zelvane fixture. Its runs are walked once for each line
// voltage, and each walk serves every supply, leader and circuit.
class ZelvaneRows
{
public:
    ZelvaneRows(const ZVFixture &fixture, const Options &options)
        : m_fixture(fixture), m_options(options), m_walks(std::size_t(options.voltages.size())),
          m_guesses(std::size_t(options.voltages.size()), 1)
    {
        m_selected = ZelvaneRules::selectedOf(fixture);
    }

    void emitRows(const std::function<void(const Row &)> &take)
    {
        const QList<const ZVPowerSupply *> supplies
            = suppliesOf<ZVPowerSupply>(m_fixture, m_options);
        const QList<LeaderChoice> leaders = zelvaneLeaders(m_fixture);
        Row row;
        row.kind = Row::Zelvane;
        row.fixture = m_fixture.Name;
        for (const ZVPowerSupply *supply : supplies) {
            row.supply = supply ? supply->Name : QString();
            for (const LeaderChoice &leader : leaders) {
                row.leader = leader.name;
                row.wire = leader.wire;
                row.leaderLength = leader.length;
                for (int v = 0; v < m_options.voltages.size(); ++v) {
                    for (double load : m_options.loads) {
                        ZelvaneModel::Inputs inputs;
                        inputs.lineVoltage = m_options.voltages.at(v);
                        inputs.maxLoad = load;
                        inputs.fixture = m_selected;
                        if (supply)
                            inputs.supply = ZelvaneRules::limitsOf(*supply);
                        if (leader.calculable)
                            inputs.leader
                                = ZelvaneModel::Leader {leader.length, leader.resistancePerFoot};
                        row.voltage = inputs.lineVoltage;
                        row.load = load;
                        fill(row, inputs, v);
                        take(row);
                    }
                }
            }
        }
    }

private:
    void fill(Row &row, const ZelvaneModel::Inputs &inputs, int voltage)
    {
        row.uncalculable.clear();
        row.zelvaneStop = ZelvaneModel::Headroom {};
        const double effective = ZelvaneModel::effectiveVoltage(inputs);
        if (!(effective > 0)) {
            row.uncalculable = text(QT_TRANSLATE_NOOP("MaxRuns",
                                        "cannot be calculated: %1 V less the %2 V safety margin "
                                        "leaves no voltage for the fixtures"))
                                   .arg(inputs.lineVoltage)
                                   .arg(inputs.lineVoltage - effective);
            row.fixtures = 0;
            row.length = row.power = row.current = row.drop = NoFigure;
            row.valid = false;
            return;
        }
        ZelvaneGrownWalk &walk = walkAt(voltage, effective);
        const ZelvaneSearch search(inputs, walk);
        const MaximizedRun found = maximizedRun([&search](int n) { return search.validAt(n); },
            zelvaneRunGrows(walk, inputs.leader), m_guesses[std::size_t(voltage)]);
        m_guesses[std::size_t(voltage)] = found.fixtures;
        const ZelvaneModel::Result result = search.runOf(found.fixtures);
        row.fixtures = result.fixtureCount;
        row.length = result.totals.length;
        row.power = result.totals.power;
        row.current = result.current;
        row.drop = result.totals.voltageDrop;
        row.valid = result.valid;
        if (!result.valid) {
            row.zelvaneStop.result = result;
            return;
        }
        row.zelvaneStop = headroomAfter<ZelvaneModel::Headroom>(
            found.fixtures, walk.hasJumpers(), [&search](int n) { return search.runOf(n); });
    }

    ZelvaneGrownWalk &walkAt(int voltage, double effective)
    {
        std::optional<ZelvaneGrownWalk> &walk = m_walks[std::size_t(voltage)];
        if (!walk) {
            std::optional<ZelvaneModel::Cell> jumper;
            if (m_fixture.JumperRequired)
                jumper = ZelvaneRules::defaultJumper(m_fixture);
            walk.emplace(ZelvaneModel::Cell::fixture(m_selected.figures), jumper, effective);
        }
        return *walk;
    }

    const ZVFixture &m_fixture;
    const Options &m_options;
    ZelvaneModel::SelectedFixture m_selected;
    std::vector<std::optional<ZelvaneGrownWalk>> m_walks; // one for each line voltage
    std::vector<int> m_guesses; // the last row's fixtures, for each line voltage
};

// Tessan ----------------------------------------------------------------------

bool tessanRunGrows(const TSFixture &fixture, const std::optional<TessanModel::Leader> &leader)
{
    bool grows = fixture.Voltage > 0 && std::isfinite(fixture.Voltage)
        && finiteAndNotNegative(fixture.Length) && finiteAndNotNegative(fixture.Resistance)
        && finiteAndNotNegative(fixture.Current);
    if (leader)
        grows = grows && finiteAndNotNegative(leader->length)
            && finiteAndNotNegative(leader->resistancePerFoot);
    return grows;
}

// Grown from one fixture, the Tessan tab's Maximize never adds a jumper.
void emitTessanRows(
    const TSFixture &fixture, const Options &options, const std::function<void(const Row &)> &take)
{
    const QList<const TSPowerSupply *> supplies = suppliesOf<TSPowerSupply>(fixture, options);
    const QList<LeaderChoice> leaders = tessanLeaders(fixture);
    TessanGrownWalk walk(TessanRules::fixtureCell(fixture), {});
    int guess = 1;
    Row row;
    row.kind = Row::Tessan;
    row.fixture = fixture.Name;
    row.voltage = fixture.Voltage;
    for (const TSPowerSupply *supply : supplies) {
        row.supply = supply ? supply->Name : QString();
        for (const LeaderChoice &leader : leaders) {
            TessanModel::Inputs inputs;
            inputs.fixture = TessanRules::selectedOf(fixture);
            if (supply)
                inputs.supply = TessanRules::limitsOf(*supply);
            if (leader.calculable)
                inputs.leader = TessanModel::Leader {leader.length, leader.resistancePerFoot};
            const auto runOf = [&](int n) {
                TessanModel::Totals totals = walk.totals(n);
                if (inputs.leader)
                    TessanModel::TS_SumLeader(*inputs.leader, totals);
                return TessanModel::judge(inputs, totals, n);
            };
            const MaximizedRun found = maximizedRun([&runOf](int n) { return runOf(n).valid; },
                tessanRunGrows(fixture, inputs.leader), guess);
            guess = found.fixtures;
            const TessanModel::Result result = runOf(found.fixtures);
            row.leader = leader.name;
            row.wire = leader.wire;
            row.leaderLength = leader.length;
            row.fixtures = result.fixtureCount;
            row.length = result.totals.length;
            row.power = result.power;
            row.current = result.totals.current;
            row.drop = result.totals.voltageDrop;
            row.valid = result.valid;
            row.tessanStop = TessanModel::Headroom {};
            if (result.valid)
                row.tessanStop = headroomAfter<TessanModel::Headroom>(found.fixtures, false, runOf);
            else
                row.tessanStop.result = result;
            take(row);
        }
    }
}

// Flex strings ----------------------------------------------------------------

// A string whose figures are no numbers (a Voltage of 0) cannot be calculated.
void flexUncalculable(Row &row, const FlexStringData &figures)
{
    if (std::isfinite(row.power) && std::isfinite(row.current) && std::isfinite(row.drop))
        return;
    row.uncalculable = figures.voltage == 0
        ? text(QT_TRANSLATE_NOOP("MaxRuns", "cannot be calculated: the string's Voltage is 0"))
        : text(QT_TRANSLATE_NOOP(
            "MaxRuns", "cannot be calculated: the string's figures give no number"));
    row.fixtures = 0;
    row.length = row.power = row.current = row.drop = row.leaderLength = NoFigure;
    row.valid = false;
}

void emitFlexRows(
    const FlexString &string, const Options &options, const std::function<void(const Row &)> &take)
{
    const double spacing = options.flexSpacing / 12.0;
    const FlexStringData figures = TessanRules::figuresOf(string);
    for (const TSPowerSupply *supply : suppliesOf<TSPowerSupply>(string, options)) {
        Row row;
        row.fixture = string.Name;
        row.supply = supply ? supply->Name : QString();
        row.leader = flexLeaderName();
        row.voltage = string.Voltage;

        // Without a supply there is no port to feed the string: as the tab
        // has it, that admits no node.
        const FlexNodesResult nodes = maximizeFlexNodes(figures, supply ? supply->MaxPortPower : 0,
            options.flexLeader, spacing, MaxRunFixtures);
        row.kind = Row::FlexNodes;
        row.leaderLength = options.flexLeader;
        row.fixtures = nodes.nodes;
        const FlexSum sum = Flex_SumString(figures, nodes.nodes, options.flexLeader, spacing);
        row.power = sum.power;
        row.current = sum.power / string.Voltage;
        row.drop = sum.voltageDrop;
        row.length = options.flexLeader + spacing * std::max(nodes.nodes - 1, 0);
        row.valid = nodes.nodes > 0;
        row.flexStop = nodes.nodes >= MaxRunFixtures
            ? text(QT_TRANSLATE_NOOP("MaxRuns", "the bound of %1 nodes")).arg(MaxRunFixtures)
            : text(QT_TRANSLATE_NOOP("MaxRuns",
                       "voltage or port power at %1 nodes (the window shows at most 99)"))
                  .arg(nodes.nodes + 1);
        flexUncalculable(row, figures);
        take(row);

        row = Row {};
        row.fixture = string.Name;
        row.supply = supply ? supply->Name : QString();
        row.leader = flexLeaderName();
        row.voltage = string.Voltage;
        row.kind = Row::FlexLeader;
        row.fixtures = options.flexNodes;
        const FlexSum bare = Flex_SumString(figures, options.flexNodes, 0, spacing);
        row.current = bare.power / string.Voltage;
        const bool unlimited = leaderDropPerFoot(figures, bare) == 0;
        if (unlimited) {
            // The leader drops nothing, whatever its length.
            row.leaderLength = NoFigure;
            row.length = NoFigure;
            row.power = bare.power;
            row.drop = bare.voltageDrop;
            row.valid = withinVoltageBudget(figures, bare);
            row.flexStop = row.valid
                ? text(QT_TRANSLATE_NOOP("MaxRuns", "no limit: the leader drops no voltage"))
                : text(QT_TRANSLATE_NOOP("MaxRuns", "voltage budget, without any leader"));
        } else {
            const int leader
                = maximizeFlexLeader(figures, bare, 0, std::numeric_limits<int>::max());
            const FlexSum full = Flex_SumString(figures, options.flexNodes, leader, spacing);
            row.leaderLength = leader;
            row.power = full.power;
            row.drop = full.voltageDrop;
            row.length = leader + spacing * std::max(options.flexNodes - 1, 0);
            row.valid = withinVoltageBudget(figures, full);
            row.flexStop = text(
                QT_TRANSLATE_NOOP("MaxRuns", "voltage budget (the window shows at most 99 ft)"));
        }
        flexUncalculable(row, figures);
        take(row);
    }
}

} // namespace

void forEachRow(
    const Database &database, const Options &options, const std::function<void(const Row &)> &take)
{
    for (const ZVFixture *fixture : database.m_zvFixtures)
        if (matches(fixture->Name, options.fixtureFilter))
            ZelvaneRows(*fixture, options).emitRows(take);
    for (const TSFixture *fixture : database.m_tsFixtures)
        if (matches(fixture->Name, options.fixtureFilter))
            emitTessanRows(*fixture, options, take);
    for (const FlexString *string : database.m_flexStrings)
        if (matches(string->Name, options.fixtureFilter))
            emitFlexRows(*string, options, take);
}

QList<Row> table(const Database &database, const Options &options)
{
    QList<Row> rows;
    forEachRow(database, options, [&rows](const Row &row) { rows << row; });
    return rows;
}

NameWidths nameWidths(const Database &database, const Options &options)
{
    NameWidths widths;
    const auto widen
        = [](int &width, const QString &name) { width = std::max(width, int(name.size())); };
    const auto measure = [&](const YmFixture &fixture) {
        if (!matches(fixture.Name, options.fixtureFilter))
            return;
        widen(widths.fixture, fixture.Name);
        for (const YmItem *supply : fixture.ValidSupplyList)
            widen(widths.supply, supply->Name);
        for (const YmJumper *leader : fixture.LeaderList) {
            Row row;
            row.leader = leader->Name;
            widen(widths.leader, leaderName(row));
            for (const YmWire *wire : leader->CustomWireList) {
                row.wire = wire->Name;
                widen(widths.leader, leaderName(row));
            }
        }
    };
    for (const ZVFixture *fixture : database.m_zvFixtures)
        measure(*fixture);
    for (const TSFixture *fixture : database.m_tsFixtures)
        measure(*fixture);
    for (const FlexString *string : database.m_flexStrings) {
        measure(*string);
        widen(widths.leader, flexLeaderName());
    }
    return widths;
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
    if (!row.uncalculable.isEmpty())
        return row.uncalculable;
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

QString leaderName(const Row &row)
{
    return row.wire.isEmpty() ? row.leader : QStringLiteral("%1 (%2)").arg(row.leader, row.wire);
}

} // namespace MaxRuns
