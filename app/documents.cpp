// Document commands: New, Open, Save and Save As.
#include "wattlan.h"

void Wattlan::handleSaveAsAction() { }
void Wattlan::handleSaveAction() { }
void Wattlan::handleOpenAction() { }
void Wattlan::handleNewAction() { }
