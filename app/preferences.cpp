// The main window's entry to the preferences dialog.
#include "prompter.h"
#include "settingsdlg.h"
#include "wattlan.h"

// A fresh dialog each time, with nothing left behind when it closes.
void Wattlan::on_actionPreferences_triggered(bool)
{
    SettingsDlg dialog;
    Prompter::current().exec(dialog);
}
