#pragma once

#include "projectformat.h"
#include "zelvanemodel.h"

#include <QDir>
#include <QString>
#include <QStringList>

// What `wattlan-cli run` reports of one project file: what the window shows
// after File, Open of it, the file opened into the core's Zelvane tab value
// by the rules the window's controls follow.
namespace RunReport {

struct Report
{
    QString file;
    // The window's reason when it refuses the file; empty when it opened it.
    QString refusal;
    ZelvaneSettings settings; // the selectors' texts after opening
    ZelvaneModel::Inputs inputs;
    ZelvaneModel::Result result;
    ZelvaneModel::Profile profile; // the voltage at each counted cell
    QString headroom; // what the next fixture would break, as the window words it
    double minimumVoltage = 0; // the lowest voltage the limits allow; 0 for none

    bool opened() const { return refusal.isEmpty(); }
    // The voltage at the far end of the run.
    double endVoltage() const { return result.voltage - result.totals.voltageDrop; }
};

// Loads the catalogue once for all files. catalogueProblems counts what the
// window would show at start-up; false when the catalogue cannot be loaded.
bool openAll(const QDir &catalogue, const QStringList &files, QList<Report> &reports,
    int &catalogueProblems);

} // namespace RunReport
