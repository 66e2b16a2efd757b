// Ombrel tab: it has no calculation, and its run editor's buttons do nothing.
#include "wattlan.h"

void Wattlan::OB_Update() { }
void Wattlan::on_m_OBFixture_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_OB_AddFixture_Button_clicked(bool) { }
void Wattlan::on_m_OB_AddJumper_Button_clicked(bool) { }
void Wattlan::on_m_OB_Maximize_Button_clicked(bool) { }
void Wattlan::on_m_OB_Reset_Button_clicked(bool) { }
void Wattlan::on_m_OB_LeaderType_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_OB_LeaderLength_Spin_valueChanged(int) { }
