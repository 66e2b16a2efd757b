// The tabs' electrical models and the Maximize search, as pure functions.
#include "flexmodel.h"
#include "maximize.h"
#include "tessanmodel.h"
#include "testsupport.h"
#include "zelvanemodel.h"

#include <cmath>
#include <limits>
#include <tuple>

using namespace ZelvaneModel;
Q_DECLARE_METATYPE(ZelvaneModel::Check)

namespace {
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(b));
}

FixtureFigures plainFixture(double power, double resistance, double length = 4)
{
    return FixtureFigures {length, resistance, power, 1, 1, false};
}

// Two fixture cells on a leader, with a supply of no limits.
Inputs twoFixtureRun(const FixtureFigures &f, double volts, Leader leader, double maxLoad)
{
    return Inputs {volts, maxLoad, SelectedFixture {f}, SupplyLimits {}, leader,
        {Cell::fixture(f), Cell::fixture(f)}};
}

// Two 100 W fixtures of 0.1 ohm at 120 V on a 20 ft leader of 0.01 ohm per foot.
Inputs workedExample()
{
    return twoFixtureRun(plainFixture(100, 0.1), 120, Leader {20, 0.01}, 15);
}

// Every figure exact in binary: 1 A, VD = 1.25 V, L = 10 ft, X = 8 ft, P = 100 W at 100 V.
Inputs exactRun()
{
    return twoFixtureRun(plainFixture(50, 0.5), 100, Leader {2, 0.25}, 100);
}

// Sets the limit of each Check, in the order of the enumeration.
void (*const setLimit[])(Inputs &, double) = {
    [](Inputs &in, double x) { in.maxLoad = x / 0.8; },
    [](Inputs &in, double x) {
        in.fixture->family = 1;
        in.supply->maxNumFixtures = int(x);
    },
    [](Inputs &in, double x) { in.supply->maxElectricalLength = x; },
    [](Inputs &in, double x) { in.fixture->maxVoltageDrop = x; },
    [](Inputs &in, double x) { in.fixture->minVoltage = x; },
    [](Inputs &in, double x) { in.fixture->voltageDropPercent = x; },
    [](Inputs &in, double x) { in.fixture->maxPower = x; },
    [](Inputs &in, double x) { in.fixture->maxFixtureCurrent = x; },
    [](Inputs &in, double x) { in.fixture->maxFixtureLength = x; },
};

QList<Check> failing(const Result &result)
{
    QList<Check> checks;
    for (const LimitCheck &check : result.checks)
        if (!check.holds)
            checks << check.check;
    return checks;
}

// A run of cells 'F' and 'J', valid while it holds between one and `limit`
// fixtures; a fixture added to go on with the pattern brings its jumper.
struct ScriptedRun : GrowableRun
{
    QString cells;
    int limit = 0;
    bool isValid() const override { return fixtureCount() > 0 && fixtureCount() <= limit; }
    int cellCount() const override { return int(cells.size()); }
    int fixtureCount() const override { return int(cells.count(QLatin1Char('F'))); }
    bool lastCellIsJumper() const override { return cells.endsWith(QLatin1Char('J')); }
    void addFixture(bool pattern) override
    {
        cells += pattern && cells.endsWith(QLatin1String("JF")) ? "JF" : "F";
    }
    void removeLastCell() override { cells.chop(1); }
};
} // namespace

class TestModels : public QObject
{
    Q_OBJECT

private slots:
    void zelvaneSafetyRule()
    {
        // 10 V below the line, every drop times the root of two: the cells with
        // their own factors, the leader with the selected fixture's.
        Inputs in = workedExample();
        in.fixture->figures.safetyRequired = true;
        in.fixture->figures.fudgeFactor = 2;
        const Result r = calculate(in);
        QCOMPARE(r.voltage, 110.0);
        QVERIFY(near(r.current, 200.0 / 110));
        const double leader = 200.0 / 110 * 0.2 * 2 * std::sqrt(2.0);
        QVERIFY(near(r.totals.voltageDrop, 300.0 / 110 * 0.1 + leader));
    }

    void zelvaneLimitHoldsAtEqualityAndFailsAlone_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<double>("equal");
        QTest::addColumn<double>("beyond");
        QTest::newRow("derated load") << Check::DeratedLoad << 1.0 << 0.96;
        QTest::newRow("supply fixtures") << Check::SupplyFixtureCount << 2.0 << 1.0;
        QTest::newRow("supply length") << Check::SupplyLength << 10.0 << 9.99;
        QTest::newRow("voltage drop") << Check::VoltageDrop << 1.25 << 1.24;
        QTest::newRow("min voltage") << Check::EndVoltage << 98.75 << 98.76;
        QTest::newRow("drop percent") << Check::VoltageDropShare << 0.0125 << 0.0124;
        QTest::newRow("max power") << Check::Power << 100.0 << 99.9;
        QTest::newRow("fixture current") << Check::FixtureCurrent << 1.0 << 0.99;
        QTest::newRow("fixture length") << Check::FixtureLength << 8.0 << 7.99;
    }

    void zelvaneLimitHoldsAtEqualityAndFailsAlone()
    {
        QFETCH(Check, check);
        QFETCH(double, equal);
        QFETCH(double, beyond);
        QVERIFY(calculate(exactRun()).valid);
        Inputs in = exactRun();
        setLimit[int(check)](in, equal);
        const Result atLimit = calculate(in);
        QVERIFY(atLimit.valid);
        QVERIFY(std::any_of(atLimit.checks.cbegin(), atLimit.checks.cend(),
            [&](const LimitCheck &c) { return c.check == check && c.limit == equal; }));
        setLimit[int(check)](in, beyond);
        QCOMPARE(failing(calculate(in)), QList<Check>({check}));
    }

    void zelvaneSupplyCountsFamilyOneLengthOthers()
    {
        // 10 ft fixtures: a length limit of 100 ft allows 10, a count limit 12.
        const FixtureFigures f = plainFixture(1, 0, 10);
        const std::tuple<int, int, bool> rows[] // family, fixtures, valid
            = {{1, 12, true}, {1, 13, false}, {0, 10, true}, {0, 11, false}, {2, 11, false}};
        for (const auto &[family, fixtures, valid] : rows) {
            Inputs in = twoFixtureRun(f, 120, Leader {0, 0}, 15);
            in.fixture->family = family;
            in.supply = SupplyLimits {100, family == 1 ? 12 : 5};
            in.cells = QList<Cell>(fixtures, Cell::fixture(f));
            QCOMPARE(calculate(in).valid, valid);
        }
        Inputs one = twoFixtureRun(f, 120, Leader {0, 0}, 15);
        one.fixture->family = 1;
        one.supply = SupplyLimits {5, 12}; // family 1 ignores the length
        QVERIFY(calculate(one).valid);
    }

    void zelvaneFiguresThatAreNoNumbers()
    {
        const std::pair<double, double> unusable[] = {{0.0, 100.0}, {0.0, 0.0}, {1.0, -Inf}};
        for (const auto &[powerFactor, power] : unusable) {
            FixtureFigures f = plainFixture(power, 0.1);
            f.powerFactor = powerFactor;
            Inputs in = twoFixtureRun(f, 120, Leader {20, 0.01}, 15);
            QVERIFY(failing(calculate(in)).contains(Check::FiniteFigures));
        }
    }

    void zelvaneReportListsFailingLimitsFirst()
    {
        Inputs in = exactRun();
        setLimit[int(Check::VoltageDrop)](in, 1);
        setLimit[int(Check::Power)](in, 150);
        setLimit[int(Check::EndVoltage)](in, 99);
        QCOMPARE(limitReport(calculate(in)).split(QLatin1Char('\n')),
            QStringList(
                {"Voltage drop 1.25 V > max 1 V", "Voltage at the far end 98.75 V < min 99 V",
                    "Current 1 A \u2264 derated load 80 A", "Power 100 W \u2264 max 150 W"}));
    }

    void tessanLimits()
    {
        using TessanModel::Cell, TessanModel::Inputs, TessanModel::Leader;
        using TessanModel::SelectedFixture, TessanModel::SupplyLimits;
        // Two fixtures that draw exactly 18 W and leave exactly 23 V at the far end.
        const Inputs run {SelectedFixture {24, 0}, SupplyLimits {0}, Leader {0, 0},
            {Cell::fixture(2, 1, 0.5), Cell::fixture(2, 1, 0.25)}};
        QCOMPARE(logLine(calculate(run)), QStringLiteral("Length = 4 Current = 0.75 VDrop = 1"));
        QCOMPARE(calculate(run).fixtureCount, 2);
        // Port power, minimum voltage, valid; a limit of 0 is none.
        const std::tuple<double, double, bool> rows[] = {{0.0, 0.0, true}, {18.0, 23.0, true},
            {17.99, 0.0, false}, {0.0, 23.01, false}, {17.0, 23.0, false}};
        for (const auto &[power, volts, valid] : rows) {
            Inputs in = run;
            in.supply->maxPortPower = power;
            in.fixture->minVoltage = volts;
            QCOMPARE(calculate(in).valid, valid);
        }
        void (*const breaks[])(Inputs &) = {[](Inputs &in) { in.fixture.reset(); },
            [](Inputs &in) { in.supply.reset(); }, [](Inputs &in) { in.leader.reset(); },
            [](Inputs &in) { in.cells.insert(1, Cell::unresolvedJumper()); },
            [](Inputs &in) { in.cells[0].resistance = NaN; },
            [](Inputs &in) { in.cells[1].current = Inf; }};
        for (const auto &brk : breaks) {
            Inputs in = run;
            brk(in);
            QVERIFY(!calculate(in).valid);
        }
    }

    void flexSum()
    {
        // 24 V down to 18 V, 20 mA a node, 0.01 ohm per foot of one conductor.
        const FlexStringData example {24, 18, 0.02, 0.01};
        // Nodes, power, drop: nodes 2 ft apart on a 20 ft leader.
        const std::tuple<int, double, double> rows[]
            = {{0, 0.0, 0.0}, {-3, 0.0, 0.0}, {1, 0.48, 0.008}, {3, 1.44, 0.0024 + 0.024}};
        for (const auto &[nodes, power, drop] : rows) {
            const FlexSum sum = Flex_SumString(example, nodes, 20, 2);
            QVERIFY2(qAbs(sum.power - power) < 1e-9, qPrintable(QString::number(sum.power)));
            QVERIFY2(qAbs(sum.voltageDrop - drop) < 1e-9, qPrintable(QString::number(nodes)));
        }
        QCOMPARE(Flex_SumString({0, 0, 0.02, 0.01}, 0, 20, 2).voltageDrop, 0.0);
    }

    void flexSearches()
    {
        // Voltage, minimum voltage, amps a node, ohms a foot; the box's maximum; the length.
        const std::tuple<FlexStringData, int, int> leaders[] = {{{24, 18, 0.02, 0.01}, 999, 275},
            {{24, 18, 0.02, 0.01}, 99, 99}, {{24, 23.9, 0.02, 0.01}, 999, 1}, // the budget spent
            {{24, 18, 0, 0}, 99, 99}, {{24, 18, 0.02, 0}, 99, 99}, {{24, 25, 0.02, 0}, 99, 1},
            {{0, 0, 0.02, 0.01}, 99, 1}, {{24, 18, 0.02, NaN}, 99, 1},
            {{24, 18, 0.02, 1e-300}, 999, 999}}; // beyond the int range
        for (const auto &[string, maximum, length] : leaders)
            QCOMPARE(
                maximizeFlexLeader(string, Flex_SumString(string, 50, 0, 1), 1, maximum), length);

        // The string, the port's watts, the leader's feet; the most nodes. Every count is
        // tried up to the first that fails, or one past the bound.
        const std::tuple<FlexStringData, double, double, int> searches[]
            = {{{24, 18, 0.5, 0}, 36, 20, 3}, // 12 W a node: the port power reached exactly
                {{24, 18, 0.5, 0}, 0, 20, 0}, // port power 0 admits nothing
                {{24, 18, 0.02, 0.01}, 100, 20000, 0}, // budget exceeded at one node
                {{4, 2, 1, 0.25}, 100, 2, 2}, // 1 V at one node, 2 V at two: reached exactly
                {{24, 18, 0, 0.01}, 100, 20, 99}, // no current: the bound
                {{0, 0, 0.02, 0.01}, 100, 20, 0}};
        for (const auto &[string, watts, leader, nodes] : searches) {
            const FlexNodesResult result = maximizeFlexNodes(string, watts, leader, 0, 99);
            QCOMPARE(result.nodes, nodes);
            QCOMPARE(result.tries.size(), nodes + 1);
            QCOMPARE(result.tries.last().nodes, nodes + 1);
        }
    }

    void maximize()
    {
        // The run, its limit of fixtures, the bound; the run that Maximize leaves.
        const std::tuple<QString, int, int, QString> rows[]
            = {{"F", 3, 1000, "FFF"}, {"FJF", 3, 1000, "FJFJF"}, // the pattern goes on
                {"FJ", 2, 1000, "FJF"}, // a jumper alone is no pattern
                {"FFFFF", 3, 1000, "FFF"}, {"F", 1000, 4, "FFFF"},
                {"FF", 0, 1000, "F"}, // an invalid run keeps one cell
                {"FJJ", 1, 1000, "F"}, {"J", 0, 1000, "F"}}; // an emptied run gets a fixture
        for (const auto &[cells, limit, bound, result] : rows) {
            ScriptedRun run;
            run.cells = cells;
            run.limit = limit;
            maximizeRun(run, bound);
            QCOMPARE(run.cells, result);
        }
    }
};

WATTLAN_TEST_MAIN(TestModels)
#include "tst_models.moc"
