#include "flexmodel.h"
#include "testsupport.h"

#include <limits>

namespace {
// The string of the worked example: 24 V down to 18 V, 20 mA a node,
// 0.01 ohm per foot of one conductor.
FlexStringData exampleString()
{
    return FlexStringData {24, 18, 0.02, 0.01};
}

bool near(double actual, double expected)
{
    return qAbs(actual - expected) < 1e-9;
}
} // namespace

class TestFlexModel : public QObject
{
    Q_OBJECT

private slots:
    void fiftyNodesOneFootApart()
    {
        const FlexSum sum = Flex_SumString(exampleString(), 50, 0, 12 / 12.0);
        // 0.02 A x 2 conductors x 0.01 ohm x (1 + 2 + ... + 49)
        QVERIFY(near(sum.voltageDrop, 0.49));
        QVERIFY(near(sum.power, 24));
    }

    void leaderCarriesTheWholeString_data()
    {
        QTest::addColumn<int>("nodes");
        QTest::addColumn<double>("leader");
        QTest::addColumn<double>("power");
        QTest::addColumn<double>("drop");
        QTest::newRow("no nodes") << 0 << 20.0 << 0.0 << 0.0;
        QTest::newRow("negative count") << -3 << 20.0 << 0.0 << 0.0;
        QTest::newRow("one node: only the leader") << 1 << 20.0 << 0.48 << 2 * 0.01 * 20 * 0.02;
        QTest::newRow("three nodes")
            << 3 << 20.0 << 1.44 << 0.01 * 2 * 2 * (0.02 + 0.04) + 2 * 0.01 * 20 * 0.06;
    }

    void leaderCarriesTheWholeString()
    {
        QFETCH(int, nodes);
        QFETCH(double, leader);
        QFETCH(double, power);
        QFETCH(double, drop);
        const FlexSum sum = Flex_SumString(exampleString(), nodes, leader, 2);
        QVERIFY2(near(sum.power, power), qPrintable(QString::number(sum.power)));
        QVERIFY2(near(sum.voltageDrop, drop), qPrintable(QString::number(sum.voltageDrop)));
    }

    void longestLeader_data()
    {
        QTest::addColumn<FlexStringData>("string");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("length");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("example, wide range") << exampleString() << 999 << 275;
        QTest::newRow("example, shown in the spin box") << exampleString() << 99 << 99;
        QTest::newRow("budget already spent") << FlexStringData {24, 23.9, 0.02, 0.01} << 999 << 1;
        QTest::newRow("no current") << FlexStringData {24, 18, 0, 0.01} << 99 << 99;
        QTest::newRow("no resistance") << FlexStringData {24, 18, 0.02, 0} << 99 << 99;
        QTest::newRow("no resistance, no budget") << FlexStringData {24, 25, 0.02, 0} << 99 << 1;
        QTest::newRow("no voltage") << FlexStringData {0, 0, 0.02, 0.01} << 99 << 1;
        QTest::newRow("resistance no number") << FlexStringData {24, 18, 0.02, nan} << 99 << 1;
        QTest::newRow("tiny resistance, beyond int")
            << FlexStringData {24, 18, 0.02, 1e-300} << 999 << 999;
    }

    void longestLeader()
    {
        QFETCH(FlexStringData, string);
        QFETCH(int, maximum);
        QFETCH(int, length);
        const FlexSum withoutLeader = Flex_SumString(string, 50, 0, 1);
        QCOMPARE(maximizeFlexLeader(string, withoutLeader, 1, maximum), length);
    }

    void nodeSearchStopsAtTheFirstFailingCount_data()
    {
        QTest::addColumn<FlexStringData>("string");
        QTest::addColumn<double>("maxPortPower");
        QTest::addColumn<double>("leader");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<int>("tries");
        // 12 W a node and no resistance: only the port limits the string.
        const FlexStringData bare {24, 18, 0.5, 0};
        QTest::newRow("port power reached exactly") << bare << 36.0 << 20.0 << 3 << 4;
        QTest::newRow("port power 0 admits nothing") << bare << 0.0 << 20.0 << 0 << 1;
        QTest::newRow("budget exceeded at one node")
            << FlexStringData {24, 18, 0.02, 0.01} << 100.0 << 20000.0 << 0 << 1;
        // 1 A a node over 0.5 ohm of leader: 1 V at one node, 2 V at two.
        QTest::newRow("budget reached exactly")
            << FlexStringData {4, 2, 1, 0.25} << 100.0 << 2.0 << 2 << 3;
        QTest::newRow("no current stops at the bound")
            << FlexStringData {24, 18, 0, 0.01} << 100.0 << 20.0 << 99 << 100;
        QTest::newRow("no voltage is no number")
            << FlexStringData {0, 0, 0.02, 0.01} << 100.0 << 20.0 << 0 << 1;
    }

    void nodeSearchStopsAtTheFirstFailingCount()
    {
        QFETCH(FlexStringData, string);
        QFETCH(double, maxPortPower);
        QFETCH(double, leader);
        QFETCH(int, nodes);
        QFETCH(int, tries);
        const FlexNodesResult result = maximizeFlexNodes(string, maxPortPower, leader, 0, 99);
        QCOMPARE(result.nodes, nodes);
        QCOMPARE(result.tries.size(), tries);
        for (int i = 0; i < result.tries.size(); ++i)
            QCOMPARE(result.tries.at(i).nodes, i + 1);
    }

    void logLines()
    {
        const FlexSum sum = Flex_SumString(exampleString(), 50, 0, 1);
        QCOMPARE(flexLeaderLogLine(sum), QStringLiteral("Compute 0.49 24"));
        QCOMPARE(flexTryLogLine(FlexTry {7, FlexSum {1.0 / 3, 2.0 / 3}}),
            QStringLiteral("Compute (7): 0.666667 0.333333"));
    }
};

WATTLAN_TEST_MAIN(TestFlexModel)
#include "tst_flexmodel.moc"
