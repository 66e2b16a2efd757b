#include "maximize.h"
#include "testsupport.h"

#include <QList>

#include <limits>

// A run of 'F' and 'J' cells that is valid while it holds at most `fit`
// fixtures; adding continues a fixture-jumper pattern like the tabs do.
class FakeRun : public GrowableRun
{
public:
    explicit FakeRun(QString start, int fit) : cells(std::move(start)), fit(fit) { }

    bool isValid() const override { return fixtureCount() <= fit; }
    int cellCount() const override { return int(cells.size()); }
    int fixtureCount() const override { return int(cells.count(QLatin1Char('F'))); }
    bool lastCellIsJumper() const override { return cells.endsWith(QLatin1Char('J')); }
    void addFixture(bool continuePattern) override
    {
        if (!canAdd)
            return;
        if (continuePattern && cells.endsWith(QLatin1String("JF")))
            cells += QLatin1Char('J');
        cells += QLatin1Char('F');
    }
    void removeLastCell() override { cells.chop(1); }

    QString cells;
    int fit;
    bool canAdd = true;
};

class TestMaximize : public QObject
{
    Q_OBJECT

private slots:
    void findsTheLargestValidRun_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("fit");
        QTest::addColumn<QString>("result");
        QTest::newRow("fixtures only") << "F" << 3 << "FFF";
        QTest::newRow("pattern") << "FJF" << 3 << "FJFJF";
        QTest::newRow("already invalid shrinks") << "FFFFF" << 2 << "FF";
        QTest::newRow("trailing jumper stripped") << "FJFJ" << 1 << "F";
        QTest::newRow("one invalid cell stays") << "F" << 0 << "F";
        QTest::newRow("lone jumper becomes a fixture") << "J" << 0 << "F";
    }

    void findsTheLargestValidRun()
    {
        QFETCH(QString, start);
        QFETCH(int, fit);
        QFETCH(QString, result);
        FakeRun run(start, fit);
        maximizeRun(run);
        QCOMPARE(run.cells, result);
    }

    void growthStopsAtTheBound()
    {
        FakeRun run(QStringLiteral("F"), std::numeric_limits<int>::max());
        maximizeRun(run);
        QCOMPARE(run.fixtureCount(), MaxRunFixtures);
        QVERIFY(run.isValid());

        FakeRun small(QStringLiteral("FJF"), 100);
        maximizeRun(small, 4);
        QCOMPARE(small.cells, QStringLiteral("FJFJFJF"));
    }

    void runThatCannotGrowEnds()
    {
        FakeRun run(QString(), 10);
        run.canAdd = false;
        maximizeRun(run);
        QCOMPARE(run.cells, QString());
    }
};

WATTLAN_TEST_MAIN(TestMaximize)
#include "tst_maximize.moc"
