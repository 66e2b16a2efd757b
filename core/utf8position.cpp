#include "utf8position.h"

#include "xmlnesting.h"

namespace {

// The length of the UTF-8 sequence that starts at bytes[i], or 0 when it is
// not one (a stray continuation byte, a sequence cut short, an overlong or
// surrogate form, a code point beyond U+10FFFF).
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto byte = [&bytes](qsizetype at) { return uchar(bytes.at(at)); };
    const uchar lead = byte(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uchar next = byte(i + k);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

std::optional<TextPosition> firstByteNotUtf8(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE"))
        return std::nullopt;
    const QByteArray encoding = declaredXmlEncoding(bytes);
    if (!encoding.isEmpty() && encoding != "utf-8" && encoding != "utf8")
        return std::nullopt;
    TextPosition at {1, 1};
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return at;
        if (bytes.at(i) == '\n') {
            ++at.line;
            at.column = 1;
        } else {
            ++at.column;
        }
        i += length;
    }
    return std::nullopt;
}
