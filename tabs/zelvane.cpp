// Zelvane tab: controller and run calculation.
#include "wattlan.h"

void Wattlan::ZV_Update() { }
void Wattlan::on_m_ZVFixture_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_ZV_LineVoltage_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_ZV_LineVoltage_Spin_valueChanged(int) { }
void Wattlan::on_m_ZV_MaxLoad_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_ZV_MaxLoad_Spin_valueChanged(int) { }
void Wattlan::on_m_ZV_AddFixture_Button_clicked(bool) { }
void Wattlan::on_m_ZV_AddJumper_Button_clicked(bool) { }
void Wattlan::on_m_ZV_Delete_Button_clicked(bool) { }
void Wattlan::on_m_ZV_Maximize_Button_clicked(bool) { }
void Wattlan::on_m_ZV_Reset_Button_clicked(bool) { }
void Wattlan::on_m_ZV_LeaderType_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_ZV_LeaderLength_Spin_valueChanged(int) { }
void Wattlan::on_m_ZV_LeaderSize_Combo_currentIndexChanged(int) { }
