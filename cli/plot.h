#pragma once

#include "runreport.h"

#include <QString>

// Draws the voltage along a run, fixture by fixture, with the lowest voltage
// the limits allow as a line: an SVG drawing or a PNG image, chosen by the
// file's suffix. False, with the reason, when the file cannot be written.
bool plotProfile(const RunReport::Report &report, const QString &path, QString *error);
