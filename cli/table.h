#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A table of text cells, printed in one of the tool's formats.
struct TextTable
{
    QStringList headers;
    QList<QStringList> rows;

    // Columns padded to their widest cell, numbers on the right.
    QString text() const;
    // RFC 4180: fields with a comma, quote or line break are quoted.
    QString csv() const;
    // A GitHub-style pipe table.
    QString markdown() const;
};

// One line of each format, for a table printed as its rows come.
QString csvLine(const QStringList &cells);
QString markdownLine(const QStringList &cells);
// The line under a markdown table's headers.
QString markdownRule(qsizetype columns);
// Cells padded to their column's width (never cut), on the right where
// `rightAligned` says so; the last cell is not padded.
QString textLine(
    const QStringList &cells, const QList<int> &widths, const QList<bool> &rightAligned);

// "yes" or "no".
QString yesNo(bool value);
// A figure as the tool prints it in a table: up to 6 significant digits.
QString figure(double value);
// The most characters figure() gives for a finite double, short of an
// exponent of three digits.
constexpr int FigureWidth = 12;
