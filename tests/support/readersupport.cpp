#include "readersupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <sys/resource.h>

namespace Readers {

QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

QByteArray dataFile(const QString &relative)
{
    return fileBytes(sourcePath(QStringLiteral("tests/data/") + relative));
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

QList<Block> blocks(const QString &relative)
{
    QList<Block> found;
    for (const QString &line : QString::fromUtf8(fileBytes(sourcePath(relative))).split('\n')) {
        if (line.startsWith(QLatin1String("== ")))
            found << Block {line.mid(3), {}};
        else if (!found.isEmpty() && !line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            found.last().lines << line;
    }
    if (found.isEmpty())
        qFatal("%s holds no case", qPrintable(relative));
    return found;
}

Expected::Expected(const QString &kind) : m_kind(kind)
{
    for (const Block &block : blocks(QStringLiteral("tests/readers/expected/%1.txt").arg(kind))) {
        QStringList &outcome = m_outcomes[block.name];
        for (const QString &line : block.lines)
            outcome << QString(line).replace(QLatin1String("\\n"), QLatin1String("\n"));
    }
}

void Expected::row(const QString &name, const QByteArray &bytes, const QString &path)
{
    m_rows.insert(name);
    QTest::newRow(qPrintable(name)) << bytes << path;
}

void Expected::fileRows()
{
    const QDir dir(sourcePath(QStringLiteral("tests/readers/") + m_kind));
    const QFileInfoList entries
        = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY2(!entries.isEmpty(), qPrintable(dir.path() + QStringLiteral(" holds no case")));
    for (const QFileInfo &entry : entries)
        row(entry.fileName(), entry.isFile() ? fileBytes(entry.filePath()) : QByteArray(),
            entry.filePath());
}

bool Expected::matches(const QString &name, const QStringList &outcome) const
{
    const QStringList kept = m_outcomes.value(name);
    if (kept == outcome)
        return true;
    QString text = QStringLiteral("== ") + name + QLatin1Char('\n');
    for (const QString &line : outcome)
        text += QString(line).replace(QLatin1Char('\n'), QLatin1String("\\n")) + QLatin1Char('\n');
    qInfo().noquote() << "outcome:\n" + text;
    return false;
}

QStringList Expected::unmatched() const
{
    QStringList names; // none when the test of this kind did not run
    for (auto it = m_outcomes.cbegin(); !m_rows.isEmpty() && it != m_outcomes.cend(); ++it)
        if (!m_rows.contains(it.key()))
            names << m_kind + QStringLiteral(": no case for ") + it.key();
    return names;
}

QString shown(const QString &text, int limit)
{
    QString visible;
    for (const QChar c : text.left(limit)) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\n'))
            visible += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            visible += c;
    }
    if (text.size() > limit)
        visible += QStringLiteral("... (%1 characters)").arg(text.size());
    return visible;
}

QStringList shortened(const QStringList &lines, int limit)
{
    if (lines.size() <= limit)
        return lines;
    return {lines.first(), QStringLiteral("... %1 in all").arg(lines.size()), lines.last()};
}

QString outOfBounds(const QElapsedTimer &timer)
{
    // Room for the unoptimised sanitizer build on a busy machine, far below
    // what a runaway reader would need; valgrind's command widens the time.
    bool ok = false;
    const int scale = qEnvironmentVariableIntValue("WATTLAN_SLOW_FACTOR", &ok);
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    if (timer.elapsed() < 30000 * (ok && scale > 1 ? scale : 1) && usage.ru_maxrss < 2048 * 1024)
        return QString();
    return QStringLiteral("%1 ms, peak %2 MiB").arg(timer.elapsed()).arg(usage.ru_maxrss / 1024);
}

} // namespace Readers
