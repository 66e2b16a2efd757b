#include "table.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool looksNumeric(const QString &cell)
{
    bool ok = false;
    cell.toDouble(&ok);
    return ok;
}

QString csvField(QString field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString markdownCell(QString cell)
{
    return cell.replace(QLatin1Char('|'), QLatin1String("\\|"));
}

} // namespace

QString TextTable::text() const
{
    QList<int> widths;
    for (const QString &header : headers)
        widths << int(header.size());
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    const auto line = [&](const QStringList &cells) {
        QStringList padded;
        for (int c = 0; c < cells.size(); ++c) {
            const bool last = c == cells.size() - 1;
            if (looksNumeric(cells[c]))
                padded << cells[c].rightJustified(widths.value(c));
            else
                padded << (last ? cells[c] : cells[c].leftJustified(widths.value(c)));
        }
        return padded.join(QStringLiteral("  ")) + QLatin1Char('\n');
    };
    QString out = line(headers);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString TextTable::csv() const
{
    const auto line = [](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields << csvField(cell);
        return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    };
    QString out = line(headers);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString TextTable::markdown() const
{
    const auto line = [](const QStringList &cells) {
        QStringList escaped;
        for (const QString &cell : cells)
            escaped << markdownCell(cell);
        return QStringLiteral("| ") + escaped.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    };
    QString out = line(headers);
    out += QStringLiteral("|") + QStringLiteral("---|").repeated(headers.size())
        + QLatin1Char('\n');
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString figure(double value)
{
    return QString::number(value, 'g', 6);
}
