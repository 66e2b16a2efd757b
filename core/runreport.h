#pragma once

#include "projectformat.h"
#include "zelvanemodel.h"

#include <QDir>
#include <QDomElement>
#include <QString>
#include <QStringList>

class Database;

// What `wattlan-cli run` and the run sheet report of one project file: what
// the window shows after File, Open of it, the file opened into the core's
// Zelvane tab value by the rules the window's controls follow.
namespace RunReport {

// One cell of the run as it is built, with the names a run sheet lists.
struct BuiltCell
{
    bool fixture = true;
    QString name; // the fixture's name, or the jumper's cable type (empty when none is chosen)
    QString gauge; // the wire of a jumper cut from a custom cable
    bool custom = false;
    double length = 0; // feet, jumpers only
};

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
    // For the run sheet: the catalogue's version, the cells one for one with
    // inputs.cells, and the next fixture as figures, to be worded in the
    // sheet's language.
    QString catalogueVersion;
    QList<BuiltCell> built;
    ZelvaneModel::Headroom next;

    bool opened() const { return refusal.isEmpty(); }
    // The voltage at the far end of the run.
    double endVoltage() const { return result.voltage - result.totals.voltageDrop; }
};

// What File, Open shows of a project file, once its document has loaded:
// root is its root element. Evaluated in a window just started on database.
Report evaluate(const Database &database, const QString &file, const QDomElement &root);
// The same of a file read from disk; a file the window refuses gives a
// report that says why.
Report open(const Database &database, const QString &file);

// Loads the catalogue once for all files. catalogueProblems counts what the
// window would show at start-up; false when the catalogue cannot be loaded.
bool openAll(const QDir &catalogue, const QStringList &files, QList<Report> &reports,
    int &catalogueProblems);

} // namespace RunReport
