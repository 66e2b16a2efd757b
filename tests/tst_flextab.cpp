#include "cframe.h"
#include "tabwindow.h"

#include <QRadioButton>
#include <QSpinBox>

namespace {
const char *const flexPage = "Flextab";
const char *const ombrelPage = "OBTab";

QStringList entries(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

// Switches the flex tab to maximizing the node count.
void maximizeNodes(TabWindow &tab)
{
    tab.click(flexPage, "m_Flex_Nodes_Max_Radio");
}
} // namespace

class TestFlexTab : public QObject
{
    Q_OBJECT

private slots:
    void startsMaximizingTheLeader()
    {
        TabWindow tab;
        QCOMPARE(
            tab.child<QComboBox>("m_Flex_Combo")->currentText(), QStringLiteral("Flex Example"));
        QCOMPARE(entries(tab.child<QComboBox>("m_FlexSupply_Combo")),
            QStringList({"Hub 100", "Hub 2.5"}));
        QVERIFY(tab.child<QRadioButton>("m_Flex_Length_Max_Radio")->isChecked());
        // 50 nodes 4 inches apart: a third of 0.49 V, and 24 W.
        QVERIFY(tab.log().contains(QStringLiteral("Compute 0.163333 24")));
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Length_Spin")->value(), 99);
    }

    void spacingIsEnteredInInches()
    {
        TabWindow tab;
        const qsizetype before = tab.log().size();
        tab.child<QSpinBox>("m_Flex_Spacing_Spin")->setValue(12);
        // The leader of 275 ft that the budget allows is shown as the box's maximum.
        QCOMPARE(tab.logSince(before), QStringList({"Compute 0.49 24"}));
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Length_Spin")->value(), 99);
        tab.child<QSpinBox>("m_Flex_Nodes_Spin")->setValue(99);
        QCOMPARE(tab.log().last(), QStringLiteral("Compute 1.9404 47.52"));
        // (24 - 18 - 1.9404) / 1.98 A / 0.01 ohm / 2 = 102.5 ft
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Length_Spin")->value(), 99);
        tab.child<QSpinBox>("m_Flex_Spacing_Spin")->setValue(24);
        // (6 - 3.8808) / 1.98 / 0.01 / 2 = 53.5 ft
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Length_Spin")->value(), 53);
    }

    void modeButtonsSwapTheResultBox()
    {
        TabWindow tab;
        auto *length = tab.child<QSpinBox>("m_Flex_Length_Spin");
        auto *nodes = tab.child<QSpinBox>("m_Flex_Nodes_Spin");
        // Within the page, which itself stays disabled while its tab is out.
        QWidget *page = tab.child<QWidget>(flexPage);
        QVERIFY(!length->isEnabledTo(page) && nodes->isEnabledTo(page));
        maximizeNodes(tab);
        QVERIFY(!tab.child<QRadioButton>("m_Flex_Length_Max_Radio")->isChecked());
        QVERIFY(length->isEnabledTo(page) && !nodes->isEnabledTo(page));
        tab.click(flexPage, "m_Flex_Length_Max_Radio");
        QVERIFY(!length->isEnabledTo(page) && nodes->isEnabledTo(page));
    }

    void maximizeNodesTriesEachCount()
    {
        TabWindow tab;
        tab.choose("m_FlexSupply_Combo", QStringLiteral("Hub 2.5"));
        maximizeNodes(tab);
        const qsizetype before = tab.log().size();
        // 0.48 W a node on a 2.5 W port: five nodes, the sixth tried and refused.
        // Its drop: 0.01 ohm x 2 x (0.02 + ... + 0.10 A) x 1/3 ft + 2 x 0.1 ohm x 0.12 A.
        tab.child<QSpinBox>("m_Flex_Length_Spin")->setValue(10);
        const QStringList lines = tab.logSince(before);
        QCOMPARE(lines.size(), 6);
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines.at(i).startsWith(QStringLiteral("Compute (%1): ").arg(i + 1)),
                qPrintable(lines.at(i)));
        QCOMPARE(lines.last(), QStringLiteral("Compute (6): 0.026 2.88"));
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Nodes_Spin")->value(), 5);
    }

    void resultBoxDoesNotRestartItsSolver()
    {
        TabWindow tab;
        qsizetype before = tab.log().size();
        tab.child<QSpinBox>("m_Flex_Length_Spin")->setValue(30);
        QCOMPARE(tab.log().size(), before);

        maximizeNodes(tab);
        before = tab.log().size();
        tab.child<QSpinBox>("m_Flex_Nodes_Spin")->setValue(7);
        QCOMPARE(tab.log().size(), before);
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Nodes_Spin")->value(), 7);
    }

    void stringsWithoutALimitOrABudget_data()
    {
        QTest::addColumn<QString>("string");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("leader");
        // No current: no limit is reached, the search ends at the box's maximum.
        QTest::newRow("no current") << "Flex Dark" << 99 << 100 << 99;
        QTest::newRow("no resistance") << "Flex Bare" << 99 << 100 << 99;
        // The budget is spent at one node: the count falls to the box's minimum.
        QTest::newRow("no budget") << "Flex Starved" << 1 << 1 << 1;
        // Without a supply no node can be fed; the leader needs none.
        QTest::newRow("no supply") << "Flex Orphan" << 1 << 1 << 99;
    }

    void stringsWithoutALimitOrABudget()
    {
        QFETCH(QString, string);
        QFETCH(int, nodes);
        QFETCH(int, tries);
        QFETCH(int, leader);
        TabWindow tab;
        tab.choose("m_Flex_Combo", string);
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Length_Spin")->value(), leader);

        maximizeNodes(tab);
        const qsizetype before = tab.log().size();
        QMetaObject::invokeMethod(tab.window.get(), "Flex_Update");
        QCOMPARE(tab.logSince(before).size(), tries);
        QCOMPARE(tab.child<QSpinBox>("m_Flex_Nodes_Spin")->value(), nodes);
        QVERIFY(tab.prompter.boxes.isEmpty());
    }

    void mismatchWarnsOnlyForAnEntryThatNamesNoRecord_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("supplies");
        QTest::addColumn<QString>("text");
        QTest::newRow("flex") << "m_Flex_Combo"
                              << "m_FlexSupply_Combo"
                              << "Fixture combo mismatch (Flex)!";
        QTest::newRow("ombrel") << "m_OBFixture_Combo"
                                << "m_OBSupply_Combo"
                                << "Fixture combo mismatch (OB)!";
    }

    void mismatchWarnsOnlyForAnEntryThatNamesNoRecord()
    {
        QFETCH(QString, combo);
        QFETCH(QString, supplies);
        QFETCH(QString, text);
        TabWindow tab;
        auto *fixtures = tab.child<QComboBox>(qPrintable(combo));
        const QStringList suppliesBefore = entries(tab.child<QComboBox>(qPrintable(supplies)));
        fixtures->addItem(QStringLiteral("Stray"), 99);
        fixtures->setCurrentIndex(fixtures->count() - 1);
        QCOMPARE(tab.prompter.texts(), QStringList(text));
        QCOMPARE(tab.prompter.boxes.first().caption, QStringLiteral("Wattlan"));
        QCOMPARE(tab.prompter.boxes.first().buttons, QStringList({"OK"}));
        QCOMPARE(entries(tab.child<QComboBox>(qPrintable(supplies))), suppliesBefore);

        tab.prompter.clear();
        fixtures->setCurrentIndex(-1);
        QVERIFY(tab.prompter.boxes.isEmpty());
    }

    void ombrelListsTheFixturesSuppliesInListOrder()
    {
        TabWindow tab;
        auto *supplies = tab.child<QComboBox>("m_OBSupply_Combo");
        QCOMPARE(tab.child<QComboBox>("m_OBFixture_Combo")->currentText(), QStringLiteral("Trio"));
        QCOMPARE(entries(supplies), QStringList({"OB A", "OB B", "OB C"}));
        tab.choose("m_OBFixture_Combo", QStringLiteral("Solo"));
        QCOMPARE(entries(supplies), QStringList({"OB C"}));
    }

    void ombrelButtonsDoNothing()
    {
        TabWindow tab;
        const QStringList log = tab.log();
        for (const char *button : {"m_OB_AddFixture_Button", "m_OB_AddJumper_Button",
                 "m_OB_Delete_Button", "m_OB_Maximize_Button", "m_OB_Reset_Button"})
            tab.click(ombrelPage, button);
        QVERIFY(tab.child<CFrame>("m_OB_Frame")->cells().isEmpty());
        QCOMPARE(tab.log(), log);
    }
};

WATTLAN_TEST_MAIN(TestFlexTab)
#include "tst_flextab.moc"
