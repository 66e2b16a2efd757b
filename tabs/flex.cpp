// Flex string tab: controller and string solvers.
#include "flexmodel.h"
#include "prompter.h"
#include "records.h"
#include "selectors.h"
#include "tessanrules.h"
#include "wattlan.h"

using TessanRules::figuresOf;

FlexString *Wattlan::Flex_StringAt(int comboIndex) const
{
    return Selectors::recordOfEntry(*ui.m_Flex_Combo, comboIndex, m_database.m_flexStrings);
}

FlexString *Wattlan::Flex_SelectedString() const
{
    return Flex_StringAt(ui.m_Flex_Combo->currentIndex());
}

TSPowerSupply *Wattlan::Flex_SelectedSupply() const
{
    const FlexString *string = Flex_SelectedString();
    if (!string)
        return nullptr;
    return const_cast<TSPowerSupply *>(
        TessanRules::supplyAt(string->ValidSupplyList, ui.m_FlexSupply_Combo->currentIndex()));
}

double Wattlan::Flex_Spacing() const
{
    return ui.m_Flex_Spacing_Spin->value() / 12.0; // entered in inches
}

void Wattlan::Flex_Update()
{
    if (ui.m_Flex_Nodes_Max_Radio->isChecked())
        Flex_MaxNodes();
    else if (ui.m_Flex_Length_Max_Radio->isChecked())
        Flex_MaxLength();
}

void Wattlan::Flex_MaxNodes()
{
    const FlexString *string = Flex_SelectedString();
    if (!string)
        return;
    // Without a supply there is no port to feed the string: like a port of 0 W
    // on this tab, it admits no node.
    const TSPowerSupply *supply = Flex_SelectedSupply();
    const FlexNodesResult result
        = maximizeFlexNodes(figuresOf(*string), supply ? supply->MaxPortPower : 0,
            ui.m_Flex_Length_Spin->value(), Flex_Spacing(), ui.m_Flex_Nodes_Spin->maximum());
    for (const FlexTry &attempt : result.tries)
        statusMessage(flexTryLogLine(attempt));
    ui.m_Flex_Nodes_Spin->setValue(result.nodes);
}

void Wattlan::Flex_MaxLength()
{
    const FlexString *string = Flex_SelectedString();
    if (!string)
        return;
    const FlexStringData figures = figuresOf(*string);
    const FlexSum withoutLeader
        = Flex_SumString(figures, ui.m_Flex_Nodes_Spin->value(), 0, Flex_Spacing());
    statusMessage(flexLeaderLogLine(withoutLeader));
    QSpinBox *length = ui.m_Flex_Length_Spin;
    length->setValue(
        maximizeFlexLeader(figures, withoutLeader, length->minimum(), length->maximum()));
}

void Wattlan::on_m_Flex_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    const FlexString *string = Flex_StringAt(index);
    if (!string) {
        Prompter::warning(this, tr("Wattlan"), tr("Fixture combo mismatch (Flex)!"));
        return;
    }
    Selectors::fillNames(*ui.m_FlexSupply_Combo, string->ValidSupplyList);
    Flex_Update();
}

void Wattlan::on_m_FlexSupply_Combo_currentIndexChanged(int index)
{
    if (index >= 0)
        Flex_Update();
}

void Wattlan::on_m_Flex_Length_Max_Radio_toggled(bool checked)
{
    if (checked) {
        ui.m_Flex_Length_Spin->setEnabled(false);
        ui.m_Flex_Nodes_Spin->setEnabled(true);
    }
    Flex_Update();
}

void Wattlan::on_m_Flex_Nodes_Max_Radio_toggled(bool checked)
{
    if (checked) {
        ui.m_Flex_Nodes_Spin->setEnabled(false);
        ui.m_Flex_Length_Spin->setEnabled(true);
    }
    Flex_Update();
}

void Wattlan::on_m_Flex_Spacing_Spin_valueChanged(int)
{
    Flex_Update();
}

// In its own solver's mode a spin box holds a result: writing it must not
// start the solver again.
void Wattlan::on_m_Flex_Length_Spin_valueChanged(int)
{
    if (!ui.m_Flex_Length_Max_Radio->isChecked())
        Flex_Update();
}

void Wattlan::on_m_Flex_Nodes_Spin_valueChanged(int)
{
    if (!ui.m_Flex_Nodes_Max_Radio->isChecked())
        Flex_Update();
}
