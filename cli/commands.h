#pragma once

#include <QDir>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "maxruns.h"

// The three commands of wattlan-cli. Each writes its result to out, its
// complaints to err, and returns the exit status: 0 all good, 1 findings
// (a problem in the catalogue, an invalid run), 2 the job could not be done.
namespace Cli {

enum class Format { Text, Json, Csv, Markdown };

constexpr int AllGood = 0;
constexpr int Findings = 1;
constexpr int Failed = 2;

int check(const QDir &catalogue, Format format, QTextStream &out);
// What `run` draws besides its report: the voltage along one run (.svg or
// .png), and the run sheets of all its files (PDF). Empty names draw nothing.
struct Drawings
{
    QString plot;
    QString sheet;
    QPageSize::PageSizeId page = QPageSize::A4;
};

int run(const QDir &catalogue, const QStringList &files, const Drawings &drawings, Format format,
    QTextStream &out, QTextStream &err);
int maxRuns(const QDir &catalogue, const MaxRuns::Options &options, Format format, QTextStream &out,
    QTextStream &err);

// Whether the folder holds any of the three database files.
bool holdsADatabaseFile(const QDir &catalogue);

} // namespace Cli
