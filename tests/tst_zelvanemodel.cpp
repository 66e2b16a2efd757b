#include "testsupport.h"
#include "zelvanemodel.h"

#include <QTextDocument>

#include <cmath>
#include <limits>

using namespace ZelvaneModel;

Q_DECLARE_METATYPE(ZelvaneModel::Check)

namespace {

FixtureFigures plainFixture(double power, double resistance, double length = 4)
{
    FixtureFigures f;
    f.electricalLength = length;
    f.resistance = resistance;
    f.power = power;
    f.powerFactor = 1;
    f.fudgeFactor = 1;
    return f;
}

SelectedFixture selected(const FixtureFigures &figures)
{
    SelectedFixture s;
    s.figures = figures;
    return s;
}

// Two fixture cells of the given figures, on the given leader.
Inputs twoFixtureRun(const FixtureFigures &f, double lineVoltage, Leader leader)
{
    Inputs in;
    in.lineVoltage = lineVoltage;
    in.fixture = selected(f);
    in.supply = SupplyLimits {};
    in.leader = leader;
    in.cells = {Cell::fixture(f), Cell::fixture(f)};
    return in;
}

// The worked example: two 100 W fixtures of 0.1 ohm at 120 V on a 20 ft
// standard leader of 0.01 ohm per foot.
Inputs workedExample()
{
    Inputs in = twoFixtureRun(plainFixture(100, 0.1), 120, Leader {20, 0.01});
    in.maxLoad = 15;
    return in;
}

// A run whose every figure is exact in binary: at 100 V two 50 W fixtures of
// 0.5 ohm and 4 ft each, on a 2 ft leader of 0.25 ohm per foot. It draws 1 A,
// has VD = 0.25 + 0.5 + 0.5 = 1.25 V, L = 10 ft, X = 8 ft, P = 100 W.
Inputs exactRun()
{
    Inputs in = twoFixtureRun(plainFixture(50, 0.5), 100, Leader {2, 0.25});
    in.maxLoad = 100;
    return in;
}

void setLimit(Inputs &in, Check check, double limit)
{
    SelectedFixture &f = *in.fixture;
    switch (check) {
    case Check::DeratedLoad:
        in.maxLoad = limit / 0.8;
        break;
    case Check::SupplyFixtureCount:
        f.family = 1;
        in.supply->maxNumFixtures = int(limit);
        break;
    case Check::SupplyLength:
        in.supply->maxElectricalLength = limit;
        break;
    case Check::VoltageDrop:
        f.maxVoltageDrop = limit;
        break;
    case Check::EndVoltage:
        f.minVoltage = limit;
        break;
    case Check::VoltageDropShare:
        f.voltageDropPercent = limit;
        break;
    case Check::Power:
        f.maxPower = limit;
        break;
    case Check::FixtureCurrent:
        f.maxFixtureCurrent = limit;
        break;
    case Check::FixtureLength:
        f.maxFixtureLength = limit;
        break;
    default:
        qFatal("not a limit");
    }
}

QList<Check> failing(const Result &result)
{
    QList<Check> checks;
    for (const LimitCheck &check : result.checks)
        if (!check.holds)
            checks << check.check;
    return checks;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::max(1.0, std::abs(b));
}

} // namespace

class TestZelvaneModel : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_figuresAndTexts()
    {
        const Result r = calculate(workedExample());
        QVERIFY(near(r.totals.voltageDrop, 7.0 / 12.0));
        QCOMPARE(r.totals.power, 200.0);
        QVERIFY(near(r.current, 5.0 / 3.0));
        QCOMPARE(r.totals.length, 28.0);
        QCOMPARE(r.totals.fixtureLength, 8.0);
        QCOMPARE(r.deratedLoad, 12.0);
        QCOMPARE(r.voltage, 120.0);
        QCOMPARE(r.fixtureCount, 2);
        QVERIFY(r.valid);
        QCOMPARE(fieldText(r.totals.power), QStringLiteral("200.0"));
        QCOMPARE(fieldText(r.current), QStringLiteral("1.7"));
        QCOMPARE(logLine(r),
            QStringLiteral("Length = 28 Power = 200 Current = 1.66667 VDrop = 0.583333"));
    }

    void safetyRuleLowersVoltageAndRaisesEveryDrop()
    {
        Inputs in = workedExample();
        in.fixture->figures.safetyRequired = true;
        for (Cell &cell : in.cells)
            cell.record.safetyRequired = true;
        const Result r = calculate(in);
        QCOMPARE(r.voltage, 110.0);
        const double plain = 100.0 / 110 * 0.1 + 200.0 / 110 * 0.1 + 200.0 / 110 * 0.2;
        QVERIFY(near(r.totals.voltageDrop, plain * std::sqrt(2.0)));
        QVERIFY(near(r.current, 200.0 / 110));

        // Cells keep their own factors; the leader takes the selected fixture's.
        for (Cell &cell : in.cells)
            cell.record.safetyRequired = false;
        in.fixture->figures.fudgeFactor = 2;
        const double cells = 100.0 / 110 * 0.1 + 200.0 / 110 * 0.1;
        const double leader = 200.0 / 110 * 0.2 * 2 * std::sqrt(2.0);
        QVERIFY(near(calculate(in).totals.voltageDrop, cells + leader));
    }

    void jumpersPastTheLastFixtureAreNotCounted()
    {
        const FixtureFigures f = plainFixture(100, 0.1);
        Inputs in = workedExample();
        in.cells = {Cell::fixture(f), Cell::jumper(f, 6, 0.3), Cell::fixture(f)};
        const Result inside = calculate(in);
        QCOMPARE(inside.totals.length, 34.0);
        QVERIFY(near(inside.totals.voltageDrop, 7.0 / 12.0 + 100.0 / 120 * 0.3));

        in.cells << Cell::jumper(f, 6, 0.3) << Cell::unresolvedJumper(f);
        const Result trailing = calculate(in);
        QCOMPARE(trailing.totals.length, inside.totals.length);
        QCOMPARE(trailing.totals.voltageDrop, inside.totals.voltageDrop);
        QCOMPARE(trailing.fixtureCount, 2);
        // The unresolved jumper is still part of the run the user sees.
        QCOMPARE(failing(trailing), QList<Check>({Check::Jumpers}));

        // A run without fixtures counts all of its cells.
        in.cells = {Cell::jumper(f, 3, 0.2), Cell::jumper(f, 5, 0.2)};
        QCOMPARE(calculate(in).totals.length, 28.0);
    }

    void jumperResistanceIsWholeLeaderResistanceIsPerFoot()
    {
        // A jumper's resistance is the whole cable's: 10 ft of 0.5 ohm adds
        // 0.5 ohm. The leader's is per foot: 20 ft of 0.01 ohm adds 0.2 ohm.
        const FixtureFigures f = plainFixture(120, 0, 0);
        Inputs in = workedExample();
        in.fixture = selected(f);
        in.cells = {Cell::jumper(f, 10, 0.5), Cell::fixture(f)};
        const Result r = calculate(in);
        QVERIFY(near(r.totals.voltageDrop, 1.0 * 0.5 + 1.0 * 0.2));
        QCOMPARE(r.totals.length, 30.0);
        QCOMPARE(r.totals.fixtureLength, 0.0);

        // Zero-resistance fixtures leave only the leader's share.
        in.cells = {Cell::fixture(f), Cell::fixture(f)};
        QVERIFY(near(calculate(in).totals.voltageDrop, 2.0 * 0.2));
    }

    void limitHoldsAtEqualityAndFailsAlone_data()
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

    void limitHoldsAtEqualityAndFailsAlone()
    {
        QFETCH(Check, check);
        QFETCH(double, equal);
        QFETCH(double, beyond);
        QVERIFY(calculate(exactRun()).valid);

        Inputs in = exactRun();
        setLimit(in, check, equal);
        const Result atLimit = calculate(in);
        QVERIFY(atLimit.valid);
        const auto applied = std::find_if(atLimit.checks.cbegin(), atLimit.checks.cend(),
            [&](const LimitCheck &c) { return c.check == check; });
        QVERIFY(applied != atLimit.checks.cend());
        QCOMPARE(applied->limit, equal);

        setLimit(in, check, beyond);
        const Result past = calculate(in);
        QVERIFY(!past.valid);
        QCOMPARE(failing(past), QList<Check>({check}));
    }

    void familyOneCountsFixturesOthersLength_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<bool>("valid");
        QTest::newRow("family 1, 12") << 1 << 12 << true;
        QTest::newRow("family 1, 13") << 1 << 13 << false;
        QTest::newRow("family 1 ignores the length") << 1 << 1 << true;
        QTest::newRow("family 0 by length, 10") << 0 << 10 << true;
        QTest::newRow("family 0 by length, 11") << 0 << 11 << false;
        QTest::newRow("family 2 ignores the count, 10") << 2 << 10 << true;
        QTest::newRow("family 2 by length, 11") << 2 << 11 << false;
    }

    void familyOneCountsFixturesOthersLength()
    {
        QFETCH(int, family);
        QFETCH(int, fixtures);
        QFETCH(bool, valid);
        // 10 ft fixtures without a leader: the length limit of 100 ft allows 10
        // of them, the count limit 12 (5 for other families, to show that it is
        // ignored there).
        const FixtureFigures f = plainFixture(1, 0, 10);
        Inputs in;
        in.lineVoltage = 120;
        in.maxLoad = 15;
        in.fixture = selected(f);
        in.fixture->family = family;
        in.supply = SupplyLimits {family == 1 && fixtures == 1 ? 5.0 : 100.0, family == 1 ? 12 : 5};
        in.leader = Leader {0, 0};
        for (int i = 0; i < fixtures; ++i)
            in.cells << Cell::fixture(f);
        QCOMPARE(calculate(in).valid, valid);
    }

    void unusableFiguresMakeTheRunInvalid_data()
    {
        QTest::addColumn<double>("powerFactor");
        QTest::addColumn<double>("resistance");
        QTest::addColumn<double>("power");
        QTest::newRow("power factor 0") << 0.0 << 0.1 << 100.0;
        QTest::newRow("power factor 0, no power") << 0.0 << 0.1 << 0.0;
        QTest::newRow("negative infinite power")
            << 1.0 << 0.1 << -std::numeric_limits<double>::infinity();
    }

    void unusableFiguresMakeTheRunInvalid()
    {
        QFETCH(double, powerFactor);
        QFETCH(double, resistance);
        QFETCH(double, power);
        FixtureFigures f = plainFixture(power, resistance);
        f.powerFactor = powerFactor;
        Inputs in = workedExample();
        in.fixture = selected(f);
        in.cells = {Cell::fixture(f)};
        const Result r = calculate(in);
        QVERIFY(!r.valid);
        QVERIFY(failing(r).contains(Check::FiniteFigures));
    }

    void unresolvedInputsMakeTheRunInvalid()
    {
        Inputs in = workedExample();
        in.supply.reset();
        in.leader.reset();
        const Result r = calculate(in);
        QVERIFY(!r.valid);
        QCOMPARE(failing(r), QList<Check>({Check::Supply, Check::Leader}));
        // Without a leader only the cells are summed.
        QCOMPARE(r.totals.length, 8.0);
        QVERIFY(near(r.totals.voltageDrop, 0.25));

        in.fixture.reset();
        const Result none = calculate(in);
        QVERIFY(!none.valid);
        QCOMPARE(failing(none), QList<Check>({Check::Fixture}));
        QCOMPARE(none.totals.power, 0.0);
        QCOMPARE(none.current, 0.0);
        QCOMPARE(none.fixtureCount, 2);
        QCOMPARE(limitReport(none), QStringLiteral("No fixture selected"));
    }

    void reportListsFailingLimitsFirst()
    {
        Inputs in = exactRun();
        setLimit(in, Check::VoltageDrop, 1);
        setLimit(in, Check::Power, 150);
        setLimit(in, Check::EndVoltage, 99);
        const Result r = calculate(in);
        QCOMPARE(failing(r), QList<Check>({Check::VoltageDrop, Check::EndVoltage}));
        const QStringList lines = limitReport(r).split(QLatin1Char('\n'));
        QCOMPARE(lines,
            QStringList({
                QStringLiteral("Voltage drop 1.25 V > max 1 V"),
                QStringLiteral("Voltage at the far end 98.75 V < min 99 V"),
                QStringLiteral("Current 1 A \u2264 derated load 80 A"),
                QStringLiteral("Power 100 W \u2264 max 150 W"),
            }));
        QVERIFY(!Qt::mightBeRichText(limitReport(r)));
    }
};

WATTLAN_TEST_MAIN(TestZelvaneModel)
#include "tst_zelvanemodel.moc"
