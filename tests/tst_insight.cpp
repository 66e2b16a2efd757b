#include "runbound.h"
#include "tessanmodel.h"
#include "windowfixture.h"
#include "zelvanemodel.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

namespace Z = ZelvaneModel;
namespace T = TessanModel;

Z::FixtureFigures plainFixture(double power, double resistance, double length = 4)
{
    Z::FixtureFigures f;
    f.electricalLength = length;
    f.resistance = resistance;
    f.power = power;
    f.powerFactor = 1;
    f.fudgeFactor = 1;
    return f;
}

// Two 100 W fixtures of 0.1 ohm at 120 V on a 20 ft leader of 0.01 ohm per foot.
Z::Inputs workedExample(bool safety = false)
{
    Z::FixtureFigures f = plainFixture(100, 0.1);
    f.safetyRequired = safety;
    Z::Inputs in;
    in.lineVoltage = 120;
    in.maxLoad = 15;
    in.fixture = Z::SelectedFixture {f};
    in.supply = Z::SupplyLimits {};
    in.leader = Z::Leader {20, 0.01};
    in.cells = {Z::Cell::fixture(f), Z::Cell::fixture(f)};
    return in;
}

// The drops added as the walk adds them: cells from the far end, then the leader.
template<typename Profile> double summedDrops(const Profile &p)
{
    double sum = 0;
    for (auto it = p.cells.crbegin(); it != p.cells.crend(); ++it)
        sum += it->drop;
    return sum + p.leaderDrop;
}

void compareNear(double actual, double expected)
{
    QVERIFY2(std::abs(actual - expected) <= 1e-12, qPrintable(QString::number(actual, 'g', 17)));
}

} // namespace

class TestInsight : public QObject
{
    Q_OBJECT

private slots:
    void profileOfTheWorkedExample_data()
    {
        QTest::addColumn<bool>("safety");
        QTest::addColumn<double>("supply");
        QTest::addColumn<double>("factor"); // of every segment's drop
        QTest::newRow("plain") << false << 120.0 << 1.0;
        QTest::newRow("safety rule") << true << 110.0 << std::sqrt(2.0);
    }
    void profileOfTheWorkedExample()
    {
        QFETCH(bool, safety);
        QFETCH(double, supply);
        QFETCH(double, factor);
        const Z::Profile p = Z::profile(workedExample(safety));
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
        QCOMPARE(p.cells[1].fixtureNumber, 2);
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
        Z::Inputs z = workedExample();
        T::Inputs t {T::SelectedFixture {24, 0}, T::SupplyLimits {}, T::Leader {7, 0.0123}, {}};
        z.cells.clear();
        for (int i = 0; i < 3000; ++i) {
            const double r = random.generateDouble();
            const bool fixture = random.bounded(3) != 0;
            const Z::FixtureFigures f = plainFixture(1 + 50 * r, 0.3 * r, 2);
            z.cells << (fixture ? Z::Cell::fixture(f) : Z::Cell::jumper(f, 3, r / 7));
            t.cells << (fixture ? T::Cell::fixture(1, r / 3, r / 11) : T::Cell::jumper(2, r / 9));
        }
        const Z::Profile zp = Z::profile(z);
        QCOMPARE(summedDrops(zp), Z::calculate(z).totals.voltageDrop);
        QCOMPARE(zp.farEndVoltage, 120 - Z::calculate(z).totals.voltageDrop);
        const T::Profile tp = T::profile(t);
        QCOMPARE(summedDrops(tp), T::calculate(t).totals.voltageDrop);
        QCOMPARE(tp.cells.size(), 3000);
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

    void zelvaneHeadroom_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("cellsAdded");
        QTest::addColumn<QString>("line");
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
        QFETCH(QString, setup);
        QFETCH(int, cellsAdded);
        QFETCH(QString, line);
        Z::Inputs in = workedExample();
        const Z::Cell jumper = Z::Cell::jumper(in.fixture->figures, 6, 0.3);
        if (setup == QLatin1String("length"))
            in.supply->maxElectricalLength = 28; // the run's length: equality holds
        if (setup == QLatin1String("pattern"))
            in.cells = {in.cells[0], jumper, in.cells[1]};
        if (setup == QLatin1String("noLeader"))
            in.leader.reset();
        if (setup == QLatin1String("bound"))
            in.cells = QList<Z::Cell>(MaxRunFixtures, in.cells[0]);
        const bool valid = Z::calculate(in).valid;
        const Z::Headroom room = Z::headroom(in, setup == QLatin1String("jumperRequired"), jumper);
        QCOMPARE(valid, setup != QLatin1String("noLeader") && setup != QLatin1String("bound"));
        QCOMPARE(Z::headroomLine(room), line);
        QCOMPARE(room.addsJumper, cellsAdded == 2);
        if (cellsAdded > 0) {
            QCOMPARE(room.result.fixtureCount, 3);
            // The jumper adds its 6 ft beside the fixture's 4 ft.
            QCOMPARE(room.result.totals.length,
                28.0 + 4 + (cellsAdded == 2 ? 6 : 0) + (setup == QLatin1String("pattern") ? 6 : 0)
                    - (setup == QLatin1String("noLeader") ? 20 : 0));
        }
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
};

WATTLAN_TEST_MAIN(TestInsight)
#include "tst_insight.moc"
