#include "table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

bool looksNumeric(const QString &cell)
{
    bool ok = false;
    cell.toDouble(&ok);
    return ok;
}

void appendCsvField(QString &line, const QString &field)
{
    const bool quoted = std::any_of(field.cbegin(), field.cend(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n');
    });
    if (!quoted) {
        line += field;
        return;
    }
    line += QLatin1Char('"') + QString(field).replace(QLatin1String("\""), QLatin1String("\"\""))
        + QLatin1Char('"');
}

} // namespace

QString csvLine(const QStringList &cells)
{
    qsizetype size = cells.size();
    for (const QString &cell : cells)
        size += cell.size();
    QString line;
    line.reserve(size + 8);
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += QLatin1Char(',');
        appendCsvField(line, cells[c]);
    }
    return line += QLatin1Char('\n');
}

QString markdownLine(const QStringList &cells)
{
    QString line = QStringLiteral("|");
    for (const QString &cell : cells) {
        line += QLatin1Char(' ');
        if (cell.contains(QLatin1Char('|')))
            line += QString(cell).replace(QLatin1Char('|'), QLatin1String("\\|"));
        else
            line += cell;
        line += QStringLiteral(" |");
    }
    return line += QLatin1Char('\n');
}

QString markdownRule(qsizetype columns)
{
    return QStringLiteral("|") + QStringLiteral("---|").repeated(columns) + QLatin1Char('\n');
}

QString textLine(
    const QStringList &cells, const QList<int> &widths, const QList<bool> &rightAligned)
{
    QString line;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (c > 0)
            line += QStringLiteral("  ");
        const int width = widths.value(c);
        if (rightAligned.value(c))
            line += cells[c].rightJustified(width);
        else if (c == cells.size() - 1)
            line += cells[c];
        else
            line += cells[c].leftJustified(width);
    }
    return line + QLatin1Char('\n');
}

QString TextTable::text() const
{
    QList<int> widths;
    for (const QString &header : headers)
        widths << int(header.size());
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    const auto line = [&widths](const QStringList &cells) {
        QList<bool> numeric;
        for (const QString &cell : cells)
            numeric << looksNumeric(cell);
        return textLine(cells, widths, numeric);
    };
    QString out = line(headers);
    for (const QStringList &row : rows)
        out += line(row);
    return out;
}

QString TextTable::csv() const
{
    QString out = csvLine(headers);
    for (const QStringList &row : rows)
        out += csvLine(row);
    return out;
}

QString TextTable::markdown() const
{
    QString out = markdownLine(headers) + markdownRule(headers.size());
    for (const QStringList &row : rows)
        out += markdownLine(row);
    return out;
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

namespace {

// The significant digits of a double's shortest exact form, and the power
// of ten of the first.
struct Digits
{
    bool negative = false;
    char digits[24] {};
    int count = 0;
    int exponent = 0;
};

Digits shortestDigits(double value)
{
    char text[40];
    const char *end
        = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    Digits d;
    const char *c = text;
    d.negative = *c == '-';
    c += d.negative ? 1 : 0;
    for (; c != end && *c != 'e'; ++c)
        if (*c != '.')
            d.digits[d.count++] = *c;
    // The exponent: "e", a sign, then digits.
    const bool negativeExponent = c + 1 != end && c[1] == '-';
    for (c += 2; c < end; ++c)
        d.exponent = d.exponent * 10 + (*c - '0');
    d.exponent = negativeExponent ? -d.exponent : d.exponent;
    return d;
}

// Rounds to six significant digits, half away from zero; false when the
// shortest form lies exactly half way (the exact value is then needed).
bool roundToSix(Digits &d)
{
    if (d.count <= 6)
        return true;
    if (d.count == 7 && d.digits[6] == '5')
        return false;
    const bool up = d.digits[6] >= '5';
    d.count = 6;
    int i = 5;
    for (; up && i >= 0 && d.digits[i] == '9'; --i)
        d.digits[i] = '0';
    if (up && i >= 0)
        ++d.digits[i];
    if (up && i < 0) { // 999999.5 becomes 1e+06
        d.digits[0] = '1';
        ++d.exponent;
    }
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return true;
}

} // namespace

QString figure(double value)
{
    // The toolkit's conversion of a double costs several times the shortest
    // form's, and this is the table's most frequent call. Zeros, figures that
    // are no number, the subnormal (whose shortest form may lie far from
    // their value) and halves are left to it.
    const bool normal = std::isnormal(value);
    Digits d = normal ? shortestDigits(value) : Digits {};
    if (d.count == 0 || !roundToSix(d))
        return QString::number(value, 'g', 6);
    char text[40];
    int n = 0;
    if (d.negative)
        text[n++] = '-';
    if (d.exponent < -4 || d.exponent >= 6) {
        text[n++] = d.digits[0];
        if (d.count > 1)
            text[n++] = '.';
        for (int i = 1; i < d.count; ++i)
            text[n++] = d.digits[i];
        // At least two digits of exponent, as the toolkit writes it.
        text[n++] = 'e';
        text[n++] = d.exponent < 0 ? '-' : '+';
        const int exponent = std::abs(d.exponent);
        if (exponent >= 100)
            text[n++] = char('0' + exponent / 100);
        text[n++] = char('0' + exponent / 10 % 10);
        text[n++] = char('0' + exponent % 10);
    } else if (d.exponent < 0) {
        text[n++] = '0';
        text[n++] = '.';
        for (int i = -1; i > d.exponent; --i)
            text[n++] = '0';
        for (int i = 0; i < d.count; ++i)
            text[n++] = d.digits[i];
    } else {
        for (int i = 0; i <= d.exponent; ++i)
            text[n++] = i < d.count ? d.digits[i] : '0';
        if (d.count > d.exponent + 1)
            text[n++] = '.';
        for (int i = d.exponent + 1; i < d.count; ++i)
            text[n++] = d.digits[i];
    }
    return QString::fromLatin1(text, n);
}
