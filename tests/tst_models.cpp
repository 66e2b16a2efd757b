// The tabs' electrical models, their profiles and headroom, the Maximize
// search, and the figures of a jumper's choice that they get, as pure functions.
#include "coretest.h"
#include "flexmodel.h"
#include "grownwalk.h"
#include "jumperchoice.h"
#include "maximize.h"
#include "runbound.h"
#include "tessanmodel.h"
#include "ymcable.h"
#include "ymfixture.h"
#include "zelvanemodel.h"

#include <QRandomGenerator>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace ZelvaneModel;
namespace T = TessanModel;
Q_DECLARE_METATYPE(ZelvaneModel::Check)
Q_DECLARE_METATYPE(FlexStringData)
using Flex = FlexStringData; // the rows of the flex string's tables

namespace {
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(b));
}

void compareNear(double actual, double expected)
{
    QVERIFY2(std::abs(actual - expected) <= 1e-12, qPrintable(QString::number(actual, 'g', 17)));
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
Inputs workedExample(bool safety = false)
{
    FixtureFigures f = plainFixture(100, 0.1);
    f.safetyRequired = safety;
    return twoFixtureRun(f, 120, Leader {20, 0.01}, 15);
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

// The drops added as the walk adds them: cells from the far end, then the leader.
template<typename Profile> double summedDrops(const Profile &p)
{
    double sum = 0;
    for (auto it = p.cells.crbegin(); it != p.cells.crend(); ++it)
        sum += it->drop;
    return sum + p.leaderDrop;
}

// The same totals, bit for bit.
bool same(const Totals &a, const Totals &b)
{
    const auto bits = [](double x) {
        std::uint64_t b = 0;
        std::memcpy(&b, &x, sizeof b);
        return b;
    };
    return bits(a.length) == bits(b.length) && bits(a.power) == bits(b.power)
        && bits(a.voltageDrop) == bits(b.voltageDrop)
        && bits(a.fixtureLength) == bits(b.fixtureLength);
}

// A Tessan run of two fixtures that draw exactly 18 W and leave exactly 23 V at the far end.
const T::Inputs TessanRun {T::SelectedFixture {24, 0}, T::SupplyLimits {0}, T::Leader {0, 0},
    {T::Cell::fixture(2, 1, 0.5), T::Cell::fixture(2, 1, 0.25)}};

// Ways to leave a Tessan run without a figure it needs, by name.
const std::pair<const char *, void (*)(T::Inputs &)> tessanBreaks[]
    = {{"", [](T::Inputs &) {}}, {"no fixture", [](T::Inputs &in) { in.fixture.reset(); }},
        {"no supply", [](T::Inputs &in) { in.supply.reset(); }},
        {"no leader", [](T::Inputs &in) { in.leader.reset(); }},
        {"an unresolved jumper",
            [](T::Inputs &in) { in.cells.insert(1, T::Cell::unresolvedJumper()); }},
        {"a resistance not a number", [](T::Inputs &in) { in.cells[0].resistance = NaN; }},
        {"an infinite current", [](T::Inputs &in) { in.cells[1].current = Inf; }}};

// A jumper choice as "type row/gauge row/length".
QString shown(const JumperChoice &choice)
{
    return QStringLiteral("%1/%2/%3").arg(choice.typeRow).arg(choice.gaugeRow).arg(choice.length);
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

    // A standard jumper, a custom one of three gauges (the third by default)
    // whose list holds a missing wire after the first, and a second standard
    // one; the custom type by default.
    std::unique_ptr<YmFixture> m_fixture = fixtureRecord(
        {jumperRecord("1 ft", 1, 0.01), jumperRecord("Custom", 0, 0, {0.0025, 0.5, 0.125}, 2),
            jumperRecord("4 ft", 4, 0.04)},
        1);

private slots:
    void initTestCase() { m_fixture->JumperList[1]->CustomWireList.insert(1, nullptr); }

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
        addColumns<Check, double, double>("check", "equal", "beyond");
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

    // 10 ft fixtures: a length limit of 100 ft allows 10, a count limit 12.
    void zelvaneSupplyCountsFamilyOneLengthOthers_data()
    {
        addColumns<int, int, double, bool>("family", "fixtures", "maxLength", "valid");
        QTest::newRow("family 1, 12") << 1 << 12 << 100.0 << true;
        QTest::newRow("family 1, 13") << 1 << 13 << 100.0 << false;
        QTest::newRow("family 0, 10") << 0 << 10 << 100.0 << true;
        QTest::newRow("family 0, 11") << 0 << 11 << 100.0 << false;
        QTest::newRow("family 2, 11") << 2 << 11 << 100.0 << false;
        QTest::newRow("family 1 ignores the length") << 1 << 2 << 5.0 << true;
    }
    void zelvaneSupplyCountsFamilyOneLengthOthers()
    {
        const auto [family, fixtures, maxLength, valid]
            = fetch<int, int, double, bool>("family", "fixtures", "maxLength", "valid");
        const FixtureFigures f = plainFixture(1, 0, 10);
        Inputs in = twoFixtureRun(f, 120, Leader {0, 0}, 15);
        in.fixture->family = family;
        in.supply = SupplyLimits {maxLength, family == 1 ? 12 : 5};
        in.cells = QList<Cell>(fixtures, Cell::fixture(f));
        QCOMPARE(calculate(in).valid, valid);
    }

    void zelvaneFiguresThatAreNoNumbers_data()
    {
        addColumns<double, double>("powerFactor", "power");
        QTest::newRow("no power factor") << 0.0 << 100.0;
        QTest::newRow("no power factor, no power") << 0.0 << 0.0;
        QTest::newRow("infinite power") << 1.0 << -Inf;
    }
    void zelvaneFiguresThatAreNoNumbers()
    {
        const auto [powerFactor, power] = fetch<double, double>("powerFactor", "power");
        FixtureFigures f = plainFixture(power, 0.1);
        f.powerFactor = powerFactor;
        Inputs in = twoFixtureRun(f, 120, Leader {20, 0.01}, 15);
        QVERIFY(failing(calculate(in)).contains(Check::FiniteFigures));
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

    // The Zelvane tab's calculation of the run being edited takes the grown
    // walk while the run follows its pattern, and equals the full walk bit for
    // bit either way; a new voltage, and cells changed from one on, are taken
    // into account. odd: the cell unlike the pattern's, -1 for none.
    void editedRunIsTheFullWalk_data()
    {
        addColumns<bool, int>("jumpers", "odd");
        QTest::newRow("fixtures") << false << -1;
        QTest::newRow("a jumper before each fixture") << true << -1;
        QTest::newRow("one fixture unlike the others") << false << 40;
        QTest::newRow("one jumper unlike the others") << true << 41;
    }
    void editedRunIsTheFullWalk()
    {
        const auto [jumpers, odd] = fetch<bool, int>("jumpers", "odd");
        const FixtureFigures f {2.5, 0.0137, 41.3, 0.93, 1.07, false};
        const Cell fixture = Cell::fixture(f);
        const Cell jumper = Cell::jumper(f, 3, 0.0213);
        Inputs in = twoFixtureRun(f, 120, Leader {17, 0.0071}, 15);
        in.cells = {fixture};
        ZelvaneEditedRun run;
        for (int step = 1; step < 200; ++step) {
            if (step == 100)
                in.lineVoltage = 277;
            QCOMPARE(run.grownTotals(in).has_value(), odd < 0 || odd >= in.cells.size());
            QVERIFY(same(run.calculate(in).totals, calculate(in).totals));
            if (jumpers)
                in.cells << (in.cells.size() == odd ? Cell::jumper(f, 4, 0.0213) : jumper);
            in.cells << (in.cells.size() == odd ? Cell::fixture(plainFixture(9, 0.2)) : fixture);
        }
        // The odd cell mended; in a run that follows its pattern, every cell
        // of a fixture of twice the power, then one cell unlike the others,
        // then every other cell.
        if (odd >= 0)
            in.cells[odd] = in.cells.at(odd - 2);
        for (Cell &cell : in.cells)
            cell.record.power *= odd < 0 ? 2 : 1;
        run.keepFirst(std::max(odd, 0));
        QVERIFY(run.grownTotals(in));
        QVERIFY(same(run.calculate(in).totals, calculate(in).totals));
        if (odd >= 0)
            return;
        in.cells[41].record.power = 1;
        run.keepFirst(41);
        QVERIFY(!run.grownTotals(in));
        QVERIFY(same(run.calculate(in).totals, calculate(in).totals));
        // Two fixtures in turn follow no pattern either.
        for (int i = 1; i < in.cells.size(); i += 2)
            in.cells[i] = Cell::fixture(plainFixture(9, 0.2));
        run.keepFirst(1);
        QVERIFY(!run.grownTotals(in));
        QVERIFY(same(run.calculate(in).totals, calculate(in).totals));
    }

    // The walk of a grown run, extended one fixture at a time, equals the full
    // walk over the same cells bit for bit, for both technologies.
    void grownWalkIsTheFullWalk_data()
    {
        addColumns<bool, bool>("jumpers", "safety");
        QTest::newRow("fixtures only") << false << false;
        QTest::newRow("a jumper before each fixture") << true << false;
        QTest::newRow("safety rule") << true << true;
    }

    void grownWalkIsTheFullWalk()
    {
        const auto [jumpers, safety] = fetch<bool, bool>("jumpers", "safety");
        QRandomGenerator random(17);
        const auto any = [&random](double low, double high) {
            return low + random.generateDouble() * (high - low);
        };
        const FixtureFigures figures {
            any(0.3, 9), any(0.001, 0.05), any(3, 60), any(0.8, 1), any(1, 1.3), safety};
        std::optional<Cell> jumper;
        if (jumpers)
            jumper = Cell::jumper(figures, any(1, 6), any(0.001, 0.02));
        ZelvaneGrownWalk zelvane(Cell::fixture(figures), jumper, 267);
        const TessanModel::Cell puck
            = TessanModel::Cell::fixture(any(0.2, 2), any(0.01, 0.1), any(0.1, 1));
        std::optional<TessanModel::Cell> tessanJumper;
        if (jumpers)
            tessanJumper = TessanModel::Cell::jumper(any(1, 6), any(0.001, 0.02));
        TessanGrownWalk tessan(puck, tessanJumper);
        // Asked out of order, as a search asks: each state stays what it was.
        for (int fixtures : {MaxRunFixtures, 1, 2, 640, 7, 999}) {
            const QList<Cell> cells = zelvane.cells(fixtures);
            const Totals walked = sumCells(cells, fixtures, 267);
            const Totals &grown = zelvane.totals(fixtures);
            QCOMPARE(cells.size(), jumpers ? 2 * fixtures - 1 : fixtures);
            // Bit for bit, not within a tolerance.
            QVERIFY(same(grown, walked));
            TessanModel::Totals full;
            TessanModel::TS_SumRun(
                TessanModel::Inputs {{}, {}, {}, tessan.cells(fixtures)}, fixtures, full);
            const TessanModel::Totals &tessanGrown = tessan.totals(fixtures);
            QVERIFY(tessanGrown.length == full.length && tessanGrown.current == full.current
                && tessanGrown.voltageDrop == full.voltageDrop);
        }
    }

    // The search of max-runs ends with the run Maximize ends with, asking
    // few runs where every figure grows with the run.
    void searchEndsWhereMaximizeEnds_data()
    {
        addColumns<QList<int>, bool, int, int, bool>(
            "invalidRuns", "growing", "guess", "fixtures", "valid");
        QTest::newRow("invalid at one") << QList<int> {1} << true << 5 << 1 << false;
        QTest::newRow("guessed right") << QList<int> {36} << true << 35 << 35 << true;
        QTest::newRow("guessed short") << QList<int> {300} << true << 2 << 299 << true;
        QTest::newRow("guessed long") << QList<int> {3} << true << 900 << 2 << true;
        QTest::newRow("valid to the bound") << QList<int> {} << true << 7 << MaxRunFixtures << true;
        QTest::newRow("bound reached from a guess past it")
            << QList<int> {} << true << 5000 << MaxRunFixtures << true;
        // Where a run may turn valid again, Maximize stops at the first invalid one.
        QTest::newRow("valid again, scanned") << QList<int> {4} << false << 500 << 3 << true;
        QTest::newRow("valid again at the end, scanned")
            << QList<int> {MaxRunFixtures} << false << 1 << MaxRunFixtures - 1 << true;
    }

    void searchEndsWhereMaximizeEnds()
    {
        // Named copies: the lambda below cannot capture a structured binding.
        QFETCH(QList<int>, invalidRuns);
        QFETCH(bool, growing);
        QFETCH(int, guess);
        QFETCH(int, fixtures);
        QFETCH(bool, valid);
        QList<int> asked;
        const auto validAt = [&](int n) {
            asked << n;
            // A growing run stays invalid from its first invalid length on.
            return growing ? invalidRuns.isEmpty() || n < invalidRuns.first()
                           : !invalidRuns.contains(n);
        };
        const MaximizedRun found = maximizedRun(validAt, growing, guess);
        QCOMPARE(found.fixtures, fixtures);
        QCOMPARE(found.valid, valid);
        QVERIFY(std::all_of(
            asked.cbegin(), asked.cend(), [](int n) { return n >= 1 && n <= MaxRunFixtures; }));
        if (growing)
            QVERIFY2(asked.size() <= 24, qPrintable(QString::number(asked.size())));
    }

    void profileOfTheWorkedExample_data()
    {
        // factor: the one of every segment's drop
        addColumns<bool, double, double>("safety", "supply", "factor");
        QTest::newRow("plain") << false << 120.0 << 1.0;
        QTest::newRow("safety rule") << true << 110.0 << std::sqrt(2.0);
    }
    void profileOfTheWorkedExample()
    {
        const auto [safety, supply, factor]
            = fetch<bool, double, double>("safety", "supply", "factor");
        const Profile p = ZelvaneModel::profile(workedExample(safety));
        const double leader = 200 / supply * 0.2 * factor;
        const double first = 200 / supply * 0.1 * factor;
        const double second = 100 / supply * 0.1 * factor;
        QCOMPARE(p.supplyVoltage, supply);
        compareNear(p.leaderDrop, leader);
        QCOMPARE(p.cells.size(), 2);
        compareNear(p.cells[0].drop, first);
        compareNear(p.cells[1].drop, second);
        compareNear(p.cells[0].inputVoltage, supply - leader);
        compareNear(p.cells[1].inputVoltage, supply - leader - first);
        compareNear(p.farEndVoltage, supply - leader - first - second);
        QCOMPARE(p.cells[0].load, 200.0);
        if (!safety) {
            compareNear(p.cells[1].inputVoltage, 119.5);
            compareNear(p.farEndVoltage, 120 - 7.0 / 12);
            QCOMPARE(RunProfile::fixtureTip(p.cells[1], p, 119.6),
                QStringLiteral("Fixture 2: 119.5 V at its input, 0.5 V (0.4 %) below the supply"
                               " \u2014 below the minimum 119.6 V"));
        }
    }

    void profileDropsAddUpToTheTotalOnALongRandomRun()
    {
        QRandomGenerator random(20261207);
        Inputs z = workedExample();
        T::Inputs t {T::SelectedFixture {24, 0}, T::SupplyLimits {}, T::Leader {7, 0.0123}, {}};
        z.cells.clear();
        for (int i = 0; i < 3000; ++i) {
            const double r = random.generateDouble();
            const bool fixture = random.bounded(3) != 0;
            const FixtureFigures f = plainFixture(1 + 50 * r, 0.3 * r, 2);
            z.cells << (fixture ? Cell::fixture(f) : Cell::jumper(f, 3, r / 7));
            t.cells << (fixture ? T::Cell::fixture(1, r / 3, r / 11) : T::Cell::jumper(2, r / 9));
        }
        const Profile zp = ZelvaneModel::profile(z);
        QCOMPARE(summedDrops(zp), calculate(z).totals.voltageDrop);
        QCOMPARE(zp.farEndVoltage, 120 - calculate(z).totals.voltageDrop);
        const T::Profile tp = T::profile(t);
        QCOMPARE(summedDrops(tp), T::calculate(t).totals.voltageDrop);
        QCOMPARE(tp.cells.size(), 3000);
    }

    void zelvaneHeadroom_data()
    {
        addColumns<QString, int, QString>("setup", "cellsAdded", "line");
        QTest::newRow("exactly at the supply length")
            << "length" << 1 << "Next fixture (3): Electrical length 32 ft > supply max 28 ft";
        QTest::newRow("room left") << "" << 1 << "Next fixture (3): within every limit";
        QTest::newRow("requires jumpers")
            << "jumperRequired" << 2 << "Next fixture (3): within every limit";
        QTest::newRow("continues the pattern")
            << "pattern" << 2 << "Next fixture (3): within every limit";
        QTest::newRow("already invalid")
            << "noLeader" << 1 << "Next fixture (3): No leader cable or gauge selected";
        QTest::newRow("at the bound")
            << "bound" << 0 << "No next fixture: the run holds 1000, the most it may";
    }
    void zelvaneHeadroom()
    {
        const auto [setup, cellsAdded, line]
            = fetch<QString, int, QString>("setup", "cellsAdded", "line");
        Inputs in = workedExample();
        const Cell jumper = Cell::jumper(in.fixture->figures, 6, 0.3);
        if (setup == QLatin1String("length"))
            in.supply->maxElectricalLength = 28; // the run's length: equality holds
        if (setup == QLatin1String("pattern"))
            in.cells = {in.cells[0], jumper, in.cells[1]};
        if (setup == QLatin1String("noLeader"))
            in.leader.reset();
        if (setup == QLatin1String("bound"))
            in.cells = QList<Cell>(MaxRunFixtures, in.cells[0]);
        const bool valid = calculate(in).valid;
        const Headroom room = headroom(in, setup == QLatin1String("jumperRequired"), jumper);
        QCOMPARE(valid, setup != QLatin1String("noLeader") && setup != QLatin1String("bound"));
        QCOMPARE(headroomLine(room), line);
        QCOMPARE(room.addsJumper, cellsAdded == 2);
        if (cellsAdded > 0) { // the run grown by a 4 ft fixture after a copied 6 ft jumper
            QCOMPARE(room.result.fixtureCount, 3);
            QCOMPARE(room.result.totals.length - calculate(in).totals.length,
                cellsAdded == 2 ? 10.0 : 4.0);
        }
    }

    // Port power, minimum voltage, valid; a limit of 0 is none. The run left
    // without a figure it needs (broken: the way of tessanBreaks taken) is never valid.
    void tessanLimits_data()
    {
        addColumns<double, double, int, bool>("power", "volts", "broken", "valid");
        QTest::newRow("no limits") << 0.0 << 0.0 << 0 << true;
        QTest::newRow("both met exactly") << 18.0 << 23.0 << 0 << true;
        QTest::newRow("power beyond") << 17.99 << 0.0 << 0 << false;
        QTest::newRow("voltage beyond") << 0.0 << 23.01 << 0 << false;
        QTest::newRow("power far beyond") << 17.0 << 23.0 << 0 << false;
        for (int way = 1; way < int(std::size(tessanBreaks)); ++way)
            QTest::newRow(tessanBreaks[way].first) << 0.0 << 0.0 << way << false;
    }
    void tessanLimits()
    {
        const auto [power, volts, broken, valid]
            = fetch<double, double, int, bool>("power", "volts", "broken", "valid");
        QCOMPARE(T::logLine(T::calculate(TessanRun)),
            QStringLiteral("Length = 4 Current = 0.75 VDrop = 1"));
        QCOMPARE(T::calculate(TessanRun).fixtureCount, 2);
        T::Inputs in = TessanRun;
        in.supply->maxPortPower = power;
        in.fixture->minVoltage = volts;
        tessanBreaks[broken].second(in);
        QCOMPARE(T::calculate(in).valid, valid);
    }

    void tessanProfileByHand()
    {
        // 24 V fixtures of 0.5 A and 0.4 ohm, a 0.2 ohm jumper between them,
        // a 10 ft leader of 0.05 ohm per foot: 0.5 V, then 0.4, 0.1 and 0.2 V.
        T::Inputs in {T::SelectedFixture {24, 23.1}, T::SupplyLimits {}, T::Leader {10, 0.05},
            {T::Cell::fixture(1, 0.4, 0.5), T::Cell::jumper(3, 0.2),
                T::Cell::fixture(1, 0.4, 0.5)}};
        const T::Profile p = T::profile(in);
        compareNear(p.leaderDrop, 0.5);
        compareNear(p.cells[0].inputVoltage, 23.5);
        compareNear(p.cells[1].inputVoltage, 23.1);
        compareNear(p.cells[2].inputVoltage, 23.0);
        compareNear(p.farEndVoltage, 22.8);
        QCOMPARE(p.cells[1].load, 0.5);
        QCOMPARE(p.cells[0].load, 1.0);
        QCOMPARE(RunProfile::jumperTip(p.cells[1]),
            QStringLiteral("Jumper: 3 ft, 0.2 \u03a9, 0.1 V drop"));
        QVERIFY(
            RunProfile::fixtureTip(p.cells[2], p, 23.1).endsWith(QStringLiteral("minimum 23.1 V")));
        QVERIFY(!RunProfile::fixtureTip(p.cells[0], p, 23.1).contains(QStringLiteral("minimum")));
    }

    void tessanHeadroomNamesItsLimits()
    {
        T::Inputs in {T::SelectedFixture {24, 0}, T::SupplyLimits {24}, T::Leader {10, 0.05},
            {T::Cell::fixture(1, 0.4, 0.5), T::Cell::jumper(3, 0.2),
                T::Cell::fixture(1, 0.4, 0.5)}};
        QVERIFY(T::calculate(in).valid); // 24 W: exactly the port's maximum
        const T::Cell next = T::Cell::fixture(1, 0.4, 0.5);
        T::Headroom room = T::headroom(in, next);
        QVERIFY(room.addsJumper);
        QCOMPARE(
            T::headroomLine(room), QStringLiteral("Next fixture (3): Power 36 W > port max 24 W"));
        in.supply->maxPortPower = 0;
        in.fixture->minVoltage = 23;
        QCOMPARE(T::headroomLine(T::headroom(in, next)),
            QStringLiteral("Next fixture (3): Voltage at the far end 21.75 V < min 23 V"));
        in.cells.removeLast();
        QVERIFY(!T::headroom(in, next).addsJumper);
    }

    // 24 V down to 18 V, 20 mA a node, 0.01 ohm per foot of one conductor:
    // nodes 2 ft apart on a 20 ft leader.
    void flexSum_data()
    {
        addColumns<FlexStringData, int, double, double>("string", "nodes", "power", "drop");
        const FlexStringData example {24, 18, 0.02, 0.01};
        QTest::newRow("no node") << example << 0 << 0.0 << 0.0;
        QTest::newRow("fewer than none") << example << -3 << 0.0 << 0.0;
        QTest::newRow("one node") << example << 1 << 0.48 << 0.008;
        QTest::newRow("three nodes") << example << 3 << 1.44 << 0.0024 + 0.024;
        QTest::newRow("no voltage") << Flex {0, 0, 0.02, 0.01} << 0 << 0.0 << 0.0;
    }
    void flexSum()
    {
        const auto [string, nodes, power, drop]
            = fetch<FlexStringData, int, double, double>("string", "nodes", "power", "drop");
        const FlexSum sum = Flex_SumString(string, nodes, 20, 2);
        QVERIFY2(qAbs(sum.power - power) < 1e-9, qPrintable(QString::number(sum.power)));
        QVERIFY2(qAbs(sum.voltageDrop - drop) < 1e-9, qPrintable(QString::number(nodes)));
    }

    // Voltage, minimum voltage, amps a node, ohms a foot; the box's maximum; the length.
    void flexLeader_data()
    {
        addColumns<FlexStringData, int, int>("string", "maximum", "length");
        QTest::newRow("example") << Flex {24, 18, 0.02, 0.01} << 999 << 275;
        QTest::newRow("the box's maximum") << Flex {24, 18, 0.02, 0.01} << 99 << 99;
        QTest::newRow("the budget spent") << Flex {24, 23.9, 0.02, 0.01} << 999 << 1;
        QTest::newRow("no current, no resistance") << Flex {24, 18, 0, 0} << 99 << 99;
        QTest::newRow("no resistance") << Flex {24, 18, 0.02, 0} << 99 << 99;
        QTest::newRow("minimum above the voltage") << Flex {24, 25, 0.02, 0} << 99 << 1;
        QTest::newRow("no voltage") << Flex {0, 0, 0.02, 0.01} << 99 << 1;
        QTest::newRow("resistance not a number") << Flex {24, 18, 0.02, NaN} << 99 << 1;
        QTest::newRow("beyond the int range") << Flex {24, 18, 0.02, 1e-300} << 999 << 999;
    }
    void flexLeader()
    {
        const auto [string, maximum, length]
            = fetch<FlexStringData, int, int>("string", "maximum", "length");
        QCOMPARE(maximizeFlexLeader(string, Flex_SumString(string, 50, 0, 1), 1, maximum), length);
    }

    // The string, the port's watts, the leader's feet; the most nodes. Every count is
    // tried up to the first that fails, or one past the bound.
    void flexNodes_data()
    {
        addColumns<FlexStringData, double, double, int>("string", "watts", "leader", "nodes");
        QTest::newRow("12 W a node: the port power reached exactly")
            << Flex {24, 18, 0.5, 0} << 36.0 << 20.0 << 3;
        QTest::newRow("port power 0 admits nothing") << Flex {24, 18, 0.5, 0} << 0.0 << 20.0 << 0;
        QTest::newRow("budget exceeded at one node")
            << Flex {24, 18, 0.02, 0.01} << 100.0 << 20000.0 << 0;
        QTest::newRow("1 V at one node, 2 V at two: reached exactly")
            << Flex {4, 2, 1, 0.25} << 100.0 << 2.0 << 2;
        QTest::newRow("no current: the bound") << Flex {24, 18, 0, 0.01} << 100.0 << 20.0 << 99;
        QTest::newRow("no voltage") << Flex {0, 0, 0.02, 0.01} << 100.0 << 20.0 << 0;
    }
    void flexNodes()
    {
        const auto [string, watts, leader, nodes]
            = fetch<FlexStringData, double, double, int>("string", "watts", "leader", "nodes");
        const FlexNodesResult result = maximizeFlexNodes(string, watts, leader, 0, 99);
        QCOMPARE(result.nodes, nodes);
        QCOMPARE(result.tries.size(), nodes + 1);
        QCOMPARE(result.tries.last().nodes, nodes + 1);
    }

    // How the selector is set up: "fresh", "stored" (type row, gauge row,
    // length as a project file holds them) or "copied" (from a selector of
    // those rows and length); for "none" no fixture at all.
    void jumperChoice_data()
    {
        addColumns<QString, QList<int>, QString, QString>("how", "rows", "choice", "figures");
        const auto row
            = [](const char *name, const char *how, const QList<int> &rows, const char *choice,
                  const char *figures) { QTest::newRow(name) << how << rows << choice << figures; };
        row("the default type and gauge", "fresh", {}, "1/2/1", "1 ft, 0.125 ohm");
        row("no fixture", "none", {}, "-1/-1/1", "unresolved");
        row("a custom type's gauge and length", "stored", {1, 0, 4}, "1/0/4", "4 ft, 0.01 ohm");
        row("a length past the box", "stored", {1, 1, 500}, "1/1/100", "100 ft, 50 ohm");
        row("a length below it", "stored", {1, 1, 0}, "1/1/1", "1 ft, 0.5 ohm");
        row("a type row past the list", "stored", {3, 0, 1}, "-1/-1/1", "unresolved");
        row("a gauge row past the list", "stored", {1, 3, 1}, "1/-1/1", "unresolved");
        row("a standard type", "stored", {2, -1, 9}, "2/-1/9", "4 ft, 0.04 ohm");
        row("copied, a custom type", "copied", {1, 0, 7}, "1/0/7", "7 ft, 0.0175 ohm");
        row("copied, a standard type", "copied", {0, 0, 7}, "0/2/1", "1 ft, 0.01 ohm");
        row("copied, a row the fixture lacks", "copied", {5, 0, 7}, "1/2/1", "1 ft, 0.125 ohm");
    }
    void jumperChoice()
    {
        const auto [how, rows, choice, figures]
            = fetch<QString, QList<int>, QString, QString>("how", "rows", "choice", "figures");
        const YmFixture *fixture = how == "none" ? nullptr : m_fixture.get();
        JumperChoice made = JumperChoices::fresh(fixture);
        if (how == "stored")
            made = JumperChoices::stored(fixture, rows[0], rows[1], rows[2]);
        if (how == "copied") {
            JumperChoice from;
            from.typeRow = rows[0];
            from.gaugeRow = rows[1];
            from.length = rows[2];
            made = JumperChoices::copied(fixture, from);
        }
        QCOMPARE(shown(made), choice);
        double length = 0, resistance = 0; // the figures the models get
        const bool resolved = JumperChoices::figures(fixture, made, length, resistance);
        QCOMPARE(resolved ? QStringLiteral("%1 ft, %2 ohm").arg(length).arg(resistance)
                          : QStringLiteral("unresolved"),
            figures);
    }

    // The run, its limit of fixtures, the bound; the run that Maximize leaves.
    void maximize_data()
    {
        addColumns<QString, int, int, QString>("cells", "limit", "bound", "result");
        QTest::newRow("fixtures") << "F" << 3 << 1000 << "FFF";
        QTest::newRow("the pattern goes on") << "FJF" << 3 << 1000 << "FJFJF";
        QTest::newRow("a jumper alone is no pattern") << "FJ" << 2 << 1000 << "FJF";
        QTest::newRow("too long") << "FFFFF" << 3 << 1000 << "FFF";
        QTest::newRow("the bound") << "F" << 1000 << 4 << "FFFF";
        QTest::newRow("an invalid run keeps one cell") << "FF" << 0 << 1000 << "F";
        QTest::newRow("jumpers dropped") << "FJJ" << 1 << 1000 << "F";
        QTest::newRow("an emptied run gets a fixture") << "J" << 0 << 1000 << "F";
    }
    void maximize()
    {
        const auto [cells, limit, bound, result]
            = fetch<QString, int, int, QString>("cells", "limit", "bound", "result");
        ScriptedRun run;
        run.cells = cells;
        run.limit = limit;
        maximizeRun(run, bound);
        QCOMPARE(run.cells, result);
    }
};

WATTLAN_TEST_MAIN_ON(QCoreApplication, TestModels)
#include "tst_models.moc"
