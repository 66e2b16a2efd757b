#include "xmlnesting.h"

#include <QByteArray>

#include <cstring>

namespace {

// Reads the document from front to back, one piece of markup at a time.
class NestingGlance
{
public:
    explicit NestingGlance(QByteArrayView document) : m_data(document) { }

    bool nestsWithin(int maxDepth)
    {
        if (m_data.isEmpty())
            return true;
        // A NUL byte: UTF-16 or UTF-32, or no text at all.
        if (std::memchr(m_data.data(), 0, size_t(m_data.size())))
            return false;
        if (!encodingIsFollowed())
            return false;
        int depth = 0;
        for (qsizetype at = nextMarkup(0); at >= 0; at = nextMarkup(m_position)) {
            switch (byteAt(at + 1)) {
            case '/': // an end tag, which holds no markup
                if (depth > 0)
                    --depth;
                m_position = at + 2;
                break;
            case '?': // a processing instruction or the XML declaration
                if (!skipPast(at + 2, "?>"))
                    return true;
                break;
            case '!':
                if (startsWith(at + 2, "--")) {
                    if (!skipPast(at + 4, "-->"))
                        return true;
                } else if (startsWith(at + 2, "[CDATA[")) {
                    if (!skipPast(at + 9, "]]>"))
                        return true;
                } else {
                    return false; // a declaration: what it declares is not followed
                }
                break;
            default: // a start tag, or an error at which a reader stops
                if (++depth > maxDepth)
                    return false;
                if (skipStartTag(at + 1))
                    --depth;
                break;
            }
        }
        return true;
    }

private:
    // The byte at a position, or NUL past the end.
    char byteAt(qsizetype position) const
    {
        return position < m_data.size() ? m_data[position] : '\0';
    }

    bool startsWith(qsizetype position, const char *text) const
    {
        return m_data.sliced(qMin(position, m_data.size())).startsWith(QByteArrayView(text));
    }

    // The position of the next '<' at or after `from`, or -1.
    qsizetype nextMarkup(qsizetype from) const
    {
        if (from >= m_data.size())
            return -1;
        const void *found = std::memchr(m_data.data() + from, '<', size_t(m_data.size() - from));
        return found ? static_cast<const char *>(found) - m_data.data() : -1;
    }

    // Moves past the next `end` at or after `from`; false when there is none,
    // which leaves the construct open to the end: a fault at which a reader
    // stops.
    bool skipPast(qsizetype from, const char *end)
    {
        const qsizetype found = m_data.indexOf(QByteArrayView(end), qMin(from, m_data.size()));
        if (found < 0)
            return false;
        m_position = found + qsizetype(std::strlen(end));
        return true;
    }

    // Moves past the start tag whose name begins at `from`, stepping over
    // quoted attribute values; true when it closes itself ("/>"). A '<' inside
    // the tag is a fault: the glance goes on from there, counting the tag as
    // open, which can only make the nesting look deeper.
    bool skipStartTag(qsizetype from)
    {
        for (qsizetype at = from; at < m_data.size(); ++at) {
            const char c = m_data[at];
            if (c == '"' || c == '\'') {
                const qsizetype close = m_data.indexOf(c, at + 1);
                if (close < 0)
                    break;
                at = close;
            } else if (c == '>') {
                m_position = at + 1;
                return m_data[at - 1] == '/';
            } else if (c == '<') {
                m_position = at;
                return false;
            }
        }
        m_position = m_data.size();
        return false;
    }

    // Whether the bytes are read as UTF-8 (or ASCII), where every byte of
    // markup stands for itself: no declared encoding, or one of those two.
    bool encodingIsFollowed() const
    {
        const QByteArray encoding = declaredXmlEncoding(m_data);
        return encoding.isEmpty() || encoding == "utf-8" || encoding == "us-ascii";
    }

    QByteArrayView m_data;
    qsizetype m_position = 0;
};

} // namespace

bool nestsSurelyWithin(QByteArrayView document, int maxDepth)
{
    return NestingGlance(document).nestsWithin(maxDepth);
}

QByteArray declaredXmlEncoding(QByteArrayView document)
{
    QByteArrayView text = document;
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (!text.startsWith("<?xml"))
        return {};
    const qsizetype end = text.indexOf("?>");
    const QByteArrayView declaration = text.first(end < 0 ? text.size() : end);
    const qsizetype name = declaration.indexOf("encoding");
    if (name < 0)
        return {};
    qsizetype at = name + qsizetype(std::strlen("encoding"));
    const auto isSpaceOrEquals
        = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '='; };
    while (at < declaration.size() && isSpaceOrEquals(declaration[at]))
        ++at;
    const char quote = at < declaration.size() ? declaration[at] : '\0';
    const qsizetype close
        = quote == '"' || quote == '\'' ? declaration.indexOf(quote, at + 1) : qsizetype(-1);
    if (close < 0)
        return QByteArrayLiteral("?");
    return declaration.sliced(at + 1, close - at - 1).toByteArray().toLower();
}
