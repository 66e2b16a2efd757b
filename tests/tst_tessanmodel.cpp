#include "tessanmodel.h"
#include "testsupport.h"

#include <limits>

using namespace TessanModel;

namespace {
Cell fixture(double current, double resistance)
{
    return Cell::fixture(2, resistance, current);
}

Cell jumper(double resistance, double length = 1)
{
    return Cell::jumper(length, resistance);
}

// A 24 V run with a port of any power, no voltage limit and a bare leader.
Inputs inputsFor(const QList<Cell> &cells)
{
    Inputs inputs;
    inputs.fixture = SelectedFixture {24, 0};
    inputs.supply = SupplyLimits {0};
    inputs.leader = Leader {0, 0};
    inputs.cells = cells;
    return inputs;
}

// Two fixtures whose figures are exact in binary: 0.75 A, 18 W, a drop of 1 V.
Inputs exactRun()
{
    return inputsFor({fixture(0.5, 1), fixture(0.25, 1)});
}
} // namespace

class TestTessanModel : public QObject
{
    Q_OBJECT

private slots:
    void dropCarriesTheCurrentBeyondEachSegment_data()
    {
        QTest::addColumn<QList<Cell>>("cells");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("drop");
        // Three fixtures of 0.35 A, a leader of 0.02 ohm per foot and 10 ft.
        const double r = 0.02, l = 10;
        QTest::newRow("three fixtures, bare jumpers")
            << QList<Cell> {fixture(0.35, 0.1), jumper(0), fixture(0.35, 0.2), jumper(0),
                   fixture(0.35, 0.3)}
            << 2 + 1 + 2 + 1 + 2 + l << 1.05 * 0.1 + 0.70 * 0.2 + 0.35 * 0.3 + r * l * 1.05;
        QTest::newRow("a jumper carries what lies beyond it")
            << QList<Cell> {fixture(0.35, 0.1), jumper(0.05), fixture(0.35, 0.2),
                   fixture(0.35, 0.3)}
            << 2 + 1 + 2 + 2 + l
            << 1.05 * 0.1 + 0.70 * 0.05 + 0.70 * 0.2 + 0.35 * 0.3 + r * l * 1.05;
        QTest::newRow("jumpers after the last fixture are not counted")
            << QList<Cell> {fixture(0.35, 0.1), fixture(0.35, 0.2), jumper(5, 7), jumper(5, 7)}
            << 2 + 2 + l << 0.70 * 0.1 + 0.35 * 0.2 + r * l * 0.70;
        QTest::newRow("a run without fixtures counts every cell")
            << QList<Cell> {jumper(0.5, 3), jumper(0.5, 4)} << 3 + 4 + l << 0.0;
    }

    void dropCarriesTheCurrentBeyondEachSegment()
    {
        QFETCH(QList<Cell>, cells);
        QFETCH(double, length);
        QFETCH(double, drop);
        Inputs inputs = inputsFor(cells);
        inputs.leader = Leader {10, 0.02};
        const Result result = calculate(inputs);
        QCOMPARE(result.totals.length, length);
        QVERIFY2(qAbs(result.totals.voltageDrop - drop) < 1e-12,
            qPrintable(QString::number(result.totals.voltageDrop, 'g', 17)));
        QCOMPARE(result.power, result.totals.current * 24);
    }

    void threeFixturesDrawTheirSummedCurrent()
    {
        const Result result = calculate(
            inputsFor({fixture(0.35, 0), jumper(0), fixture(0.35, 0), fixture(0.35, 0)}));
        QCOMPARE(result.fixtureCount, 3);
        QVERIFY(qAbs(result.totals.current - 1.05) < 1e-12);
        QVERIFY(qAbs(result.power - 25.2) < 1e-12);
        QCOMPARE(result.totals.voltageDrop, 0.0);
        QVERIFY(result.valid);
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
        Inputs inputs = exactRun();
        inputs.supply->maxPortPower = maxPortPower;
        inputs.fixture->minVoltage = minVoltage;
        const Result result = calculate(inputs);
        QCOMPARE(result.power, 18.0);
        QCOMPARE(result.totals.voltageDrop, 1.0);
        QCOMPARE(result.valid, valid);
    }

    void whatCannotBeResolvedMakesTheRunInvalid_data()
    {
        QTest::addColumn<int>("missing");
        QTest::newRow("fixture") << 0;
        QTest::newRow("supply") << 1;
        QTest::newRow("leader") << 2;
        QTest::newRow("jumper") << 3;
        QTest::newRow("a resistance that is no number") << 4;
        QTest::newRow("an infinite current") << 5;
    }

    void whatCannotBeResolvedMakesTheRunInvalid()
    {
        QFETCH(int, missing);
        Inputs inputs = exactRun();
        QVERIFY(calculate(inputs).valid);
        switch (missing) {
        case 0:
            inputs.fixture.reset();
            break;
        case 1:
            inputs.supply.reset();
            break;
        case 2:
            inputs.leader.reset();
            break;
        case 3:
            inputs.cells.insert(1, Cell::unresolvedJumper());
            break;
        case 4:
            inputs.cells[0].resistance = std::numeric_limits<double>::quiet_NaN();
            break;
        case 5:
            inputs.cells[1].current = std::numeric_limits<double>::infinity();
            break;
        }
        QVERIFY(!calculate(inputs).valid);
    }

    void logLineShowsSixSignificantDigits()
    {
        Result result;
        result.totals = Totals {12, 1.0 / 3, 0.5};
        QCOMPARE(logLine(result), QStringLiteral("Length = 12 Current = 0.333333 VDrop = 0.5"));
    }
};

WATTLAN_TEST_MAIN(TestTessanModel)
#include "tst_tessanmodel.moc"
