#pragma once

#include <QDir>
#include <QList>
#include <QString>

// What `wattlan-cli check` finds in a catalogue folder.
namespace CatalogueCheck {

struct Finding
{
    enum Severity { Error, Warning };

    QString file; // full path
    int line = 0; // 0 when the problem has no line (a file that cannot be read)
    int column = 0; // set for a parse error only
    Severity severity = Error;
    QString text;
};

struct Report
{
    // False when a file could not be read or parsed: the window would not start.
    bool loaded = false;
    // First every message the window shows at start-up, in its order (errors);
    // then what loading passes over in silence (warnings), by file and line.
    QList<Finding> findings;

    int count(Finding::Severity severity) const;
};

Report check(const QDir &catalogue);

// "FILE:LINE: error: TEXT", the text on one line.
QString formatted(const Finding &finding);

} // namespace CatalogueCheck
