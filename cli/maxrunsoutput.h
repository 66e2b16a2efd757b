#pragma once

#include "commands.h"
#include "maxruns.h"

#include <QTextStream>

class Database;

// Prints the rows of max-runs as they are found, in any of the tool's
// formats, so that the table is never held whole: a text table takes its
// column widths from what is known before the search (the catalogue's names,
// the options, the figures' format).
class MaxRunsPrinter
{
public:
    MaxRunsPrinter(Cli::Format format, QTextStream &out, const Database &database,
        const MaxRuns::Options &options);
    void print(const MaxRuns::Row &row);
    // Closes the table (a JSON document's brackets).
    void finish();

private:
    QStringList cells(const MaxRuns::Row &row) const;

    Cli::Format m_format;
    QTextStream &m_out;
    QList<int> m_widths;
    QList<bool> m_numeric;
    bool m_first = true;
};
