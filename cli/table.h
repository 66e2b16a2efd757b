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

// A figure as the tool prints it in a table: up to 6 significant digits.
QString figure(double value);
