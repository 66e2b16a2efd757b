#include "cframe.h"

CFrame::CFrame(QWidget *parent) : QScrollArea(parent) { }
