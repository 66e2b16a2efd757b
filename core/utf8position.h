#pragma once

#include <QByteArray>

#include <optional>

// Where a byte stands in a text file: line and column, both from 1, the
// column counted in characters as an XML reader counts them.
struct TextPosition
{
    int line = 0;
    int column = 0;
};

// The first byte that is not UTF-8, in a file that is UTF-8 by its XML
// declaration or for want of one; none when every byte is, or when the file
// declares another encoding or starts with a UTF-16 byte order mark. The XML
// reader reports such a byte where it lost track, often far before it.
std::optional<TextPosition> firstByteNotUtf8(const QByteArray &bytes);
