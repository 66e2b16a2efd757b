#include "tessanmodel.h"
#include "testsupport.h"

#include <cmath>
#include <limits>

namespace {
TessanCell fixture(double current, double resistance, double length = 2)
{
    return TessanCell {TessanCell::Fixture, length, resistance, current};
}

TessanCell jumper(double resistance, double length = 1)
{
    return TessanCell {TessanCell::Jumper, length, resistance, 0};
}

// Two fixtures whose figures are exact in binary: 0.75 A, 18 W, a drop of 1 V.
TessanRunInput exactRun()
{
    TessanRunInput input;
    input.cells = {fixture(0.5, 1), fixture(0.25, 1)};
    input.fixtureCount = 2;
    input.fixtureVoltage = 24;
    return input;
}
} // namespace

class TestTessanModel : public QObject
{
    Q_OBJECT

private slots:
    void dropCarriesTheCurrentBeyondEachSegment_data()
    {
        QTest::addColumn<QList<TessanCell>>("cells");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("drop");
        const double r = 0.02, l = 10;
        QTest::newRow("three fixtures, bare jumpers")
            << QList<TessanCell> {fixture(0.35, 0.1), jumper(0), fixture(0.35, 0.2), jumper(0),
                   fixture(0.35, 0.3)}
            << 2 + 1 + 2 + 1 + 2 + l << 1.05 * 0.1 + 0.70 * 0.2 + 0.35 * 0.3 + r * l * 1.05;
        QTest::newRow("a jumper carries what lies beyond it")
            << QList<TessanCell> {fixture(0.35, 0.1), jumper(0.05), fixture(0.35, 0.2),
                   fixture(0.35, 0.3)}
            << 2 + 1 + 2 + 2 + l
            << 1.05 * 0.1 + 0.70 * 0.05 + 0.70 * 0.2 + 0.35 * 0.3 + r * l * 1.05;
        QTest::newRow("jumpers after the last fixture are not counted") << QList<TessanCell> {
            fixture(0.35, 0.1), fixture(0.35, 0.2), jumper(5, 7),
            jumper(5, 7)} << 2 + 2 + l << 0.70 * 0.1 + 0.35 * 0.2 + r * l * 0.70;
    }

    void dropCarriesTheCurrentBeyondEachSegment()
    {
        QFETCH(QList<TessanCell>, cells);
        QFETCH(double, length);
        QFETCH(double, drop);
        TessanRunInput input;
        input.cells = cells;
        for (const TessanCell &cell : cells)
            input.fixtureCount += cell.kind == TessanCell::Fixture;
        input.leaderLength = 10;
        input.leaderResistancePerFoot = 0.02;
        input.fixtureVoltage = 24;
        const TessanRunResult result = calculateTessanRun(input);
        QCOMPARE(result.length, length);
        QVERIFY(qAbs(result.voltageDrop - drop) < 1e-12);
        QCOMPARE(result.power, result.current * 24);
    }

    void threeFixturesDrawTheirSummedCurrent()
    {
        TessanRunInput input;
        input.cells = {fixture(0.35, 0), fixture(0.35, 0), fixture(0.35, 0)};
        input.fixtureCount = 3;
        input.fixtureVoltage = 24;
        const TessanRunResult result = calculateTessanRun(input);
        QVERIFY(qAbs(result.current - 1.05) < 1e-12);
        QVERIFY(qAbs(result.power - 25.2) < 1e-12);
        QCOMPARE(result.voltageDrop, 0.0);
        QVERIFY(result.valid);
    }

    void runWithoutFixturesCountsEveryCell()
    {
        TessanRunInput input;
        input.cells = {jumper(0.5, 3), jumper(0.5, 4)};
        input.leaderLength = 5;
        const TessanRunResult result = calculateTessanRun(input);
        QCOMPARE(result.length, 12.0);
        QCOMPARE(result.current, 0.0);
        QCOMPARE(result.voltageDrop, 0.0);
    }

    void limitsAdmitEqualityAndZeroMeansNone_data()
    {
        QTest::addColumn<double>("maxPortPower");
        QTest::addColumn<double>("minVoltage");
        QTest::addColumn<bool>("valid");
        // The run draws exactly 18 W and leaves exactly 23 V at its end.
        QTest::newRow("no limits") << 0.0 << 0.0 << true;
        QTest::newRow("power equal") << 18.0 << 0.0 << true;
        QTest::newRow("power above") << 17.99 << 0.0 << false;
        QTest::newRow("port power 0 is no limit, voltage too low") << 0.0 << 23.01 << false;
        QTest::newRow("voltage equal") << 0.0 << 23.0 << true;
        QTest::newRow("both equal") << 18.0 << 23.0 << true;
        QTest::newRow("voltage fine, power above") << 17.0 << 23.0 << false;
    }

    void limitsAdmitEqualityAndZeroMeansNone()
    {
        QFETCH(double, maxPortPower);
        QFETCH(double, minVoltage);
        QFETCH(bool, valid);
        TessanRunInput input = exactRun();
        input.maxPortPower = maxPortPower;
        input.minVoltage = minVoltage;
        const TessanRunResult result = calculateTessanRun(input);
        QCOMPARE(result.power, 18.0);
        QCOMPARE(result.voltageDrop, 1.0);
        QCOMPARE(result.valid, valid);
    }

    void minVoltageZeroIgnoresAnyDrop()
    {
        TessanRunInput input = exactRun();
        input.cells = {fixture(0.5, 100), fixture(0.25, 100)};
        const TessanRunResult result = calculateTessanRun(input);
        QVERIFY(result.voltageDrop > input.fixtureVoltage);
        QVERIFY(result.valid);
    }

    void figureThatIsNoNumberFailsTheLimits()
    {
        TessanRunInput input = exactRun();
        input.cells.first().resistance = std::numeric_limits<double>::quiet_NaN();
        input.minVoltage = 1;
        QVERIFY(!calculateTessanRun(input).valid);
        input = exactRun();
        input.cells.first().current = std::numeric_limits<double>::quiet_NaN();
        input.maxPortPower = 100;
        QVERIFY(!calculateTessanRun(input).valid);
    }

    void logLineShowsSixSignificantDigits()
    {
        TessanRunResult result;
        result.length = 12;
        result.current = 1.0 / 3;
        result.voltageDrop = 0.5;
        QCOMPARE(
            tessanLogLine(result), QStringLiteral("Length = 12 Current = 0.333333 VDrop = 0.5"));
    }
};

WATTLAN_TEST_MAIN(TestTessanModel)
#include "tst_tessanmodel.moc"
