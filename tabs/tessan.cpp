// Tessan tab: controller and run calculation.
#include "wattlan.h"

void Wattlan::TS_Update() { }
void Wattlan::on_m_TSFixture_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_TS_AddFixture_Button_clicked(bool) { }
void Wattlan::on_m_TS_AddJumper_Button_clicked(bool) { }
void Wattlan::on_m_TS_Delete_Button_clicked(bool) { }
void Wattlan::on_m_TS_Maximize_Button_clicked(bool) { }
void Wattlan::on_m_TS_Reset_Button_clicked(bool) { }
void Wattlan::on_m_TS_LeaderType_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_TS_LeaderLength_Spin_valueChanged(int) { }
void Wattlan::on_m_TS_LeaderSize_Combo_currentIndexChanged(int) { }
