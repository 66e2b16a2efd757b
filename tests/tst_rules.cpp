// The core's editing rules of a run, without a window: what a jumper cell's
// selector chooses and the figures it gives, and when Add Fixture puts a
// jumper first.
#include "coretest.h"
#include "jumperchoice.h"
#include "runrules.h"
#include "ymcable.h"
#include "ymfixture.h"

#include <string>

namespace {
// A choice as "type row/gauge row/length".
QString shown(const JumperChoice &choice)
{
    return QStringLiteral("%1/%2/%3").arg(choice.typeRow).arg(choice.gaugeRow).arg(choice.length);
}
} // namespace

class TestRules : public QObject
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
        double length = 0, resistance = 0;
        const bool resolved = JumperChoices::figures(fixture, made, length, resistance);
        QCOMPARE(resolved ? QStringLiteral("%1 ft, %2 ohm").arg(length).arg(resistance)
                          : QStringLiteral("unresolved"),
            figures);
    }

    // The run's cells ('F', 'J'); whether the fixture requires jumpers and
    // Maximize goes on with the run's pattern.
    void addsJumperFirst_data()
    {
        addColumns<QString, bool, bool, bool>("cells", "required", "pattern", "jumperFirst");
        QTest::newRow("required, an empty run") << "" << true << false << false;
        QTest::newRow("required, after a fixture") << "F" << true << false << true;
        QTest::newRow("required, after a jumper") << "FJ" << true << true << false;
        QTest::newRow("the pattern continued") << "FJF" << false << true << true;
        QTest::newRow("the pattern not continued") << "FJF" << false << false << false;
        QTest::newRow("no pattern") << "FF" << false << true << false;
        QTest::newRow("a run that starts with a jumper") << "JF" << false << true << true;
    }
    void addsJumperFirst()
    {
        const auto [cells, required, pattern, jumperFirst]
            = fetch<QString, bool, bool, bool>("cells", "required", "pattern", "jumperFirst");
        const std::string run = cells.toStdString();
        const auto isFixture = [](char cell) { return cell == 'F'; };
        QCOMPARE(RunRules::addsJumperFirst(
                     run, int(cells.count(QLatin1Char('F'))), required, pattern, isFixture),
            jumperFirst);
    }
};

WATTLAN_TEST_MAIN_ON(QCoreApplication, TestRules)
#include "tst_rules.moc"
