// Ombrel tab: it has no calculation, and its run editor's buttons do nothing.
#include "prompter.h"
#include "records.h"
#include "selectors.h"
#include "wattlan.h"

void Wattlan::OB_Update() { }

void Wattlan::on_m_OBFixture_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    const OBFixture *fixture
        = Selectors::recordOfEntry(*ui.m_OBFixture_Combo, index, m_database.m_obFixtures);
    if (!fixture) {
        Prompter::warning(this, tr("Wattlan"), tr("Fixture combo mismatch (OB)!"));
        return;
    }
    Selectors::fillNames(*ui.m_OBSupply_Combo, fixture->ValidSupplyList);
}

void Wattlan::on_m_OB_AddFixture_Button_clicked(bool) { }
void Wattlan::on_m_OB_AddJumper_Button_clicked(bool) { }
void Wattlan::on_m_OB_Maximize_Button_clicked(bool) { }
void Wattlan::on_m_OB_Reset_Button_clicked(bool) { }
void Wattlan::on_m_OB_LeaderType_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_OB_LeaderLength_Spin_valueChanged(int) { }
