// The main window's entry to the preferences dialog.
#include "wattlan.h"

void Wattlan::on_actionPreferences_triggered(bool) { }
