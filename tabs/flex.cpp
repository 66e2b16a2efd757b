// Flex string tab: controller and string calculation.
#include "wattlan.h"

void Wattlan::Flex_Update() { }
void Wattlan::on_m_Flex_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_FlexSupply_Combo_currentIndexChanged(int) { }
void Wattlan::on_m_Flex_Length_Max_Radio_toggled(bool) { }
void Wattlan::on_m_Flex_Nodes_Max_Radio_toggled(bool) { }
void Wattlan::on_m_Flex_Spacing_Spin_valueChanged(int) { }
void Wattlan::on_m_Flex_Length_Spin_valueChanged(int) { }
void Wattlan::on_m_Flex_Nodes_Spin_valueChanged(int) { }
