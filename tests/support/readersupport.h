#pragma once

// The readers' tests: every input of tests/readers/<kind>/ (and the huge
// ones made in code) is read and what the reader kept and said, one line
// each, is compared with the outcome kept for it in
// tests/readers/expected/<kind>.txt.
#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QStringList>

class QElapsedTimer;

namespace Readers {

// The files of the source tree: every test reads them through these.
QString sourcePath(const QString &relative);
QByteArray fileBytes(const QString &path);
// A file under tests/data.
QByteArray dataFile(const QString &relative);
bool writeBytes(const QString &path, const QByteArray &bytes);

// The cases of a table file of the source tree: each "== name" line and the
// lines after it up to the next, comment ("#") and empty lines left out. A
// file that holds no case fails: it would prove nothing.
struct Block
{
    QString name;
    QStringList lines;
};
QList<Block> blocks(const QString &relative);

// The outcomes of one kind of input, as blocks() reads them: a case's lines
// are its outcome, their line breaks written "\n". A kind without an
// outcome, or a folder of inputs without a file, fails: it would prove nothing.
class Expected
{
public:
    explicit Expected(const QString &kind);
    // Adds a row of the columns "bytes" (the input, or empty) and "path"
    // (the input's file or folder, or empty) and records its name.
    void row(const QString &name, const QByteArray &bytes, const QString &path = QString());
    // A row for every file and folder of tests/readers/<kind>/.
    void fileRows();
    // Compares outcome with the kept one; on a difference prints the whole
    // new outcome, ready to judge and, if right, to paste.
    bool matches(const QString &name, const QStringList &outcome) const;
    bool has(const QString &name) const { return m_outcomes.contains(name); }
    // Outcomes without a row, and rows without an outcome.
    QStringList unmatched() const;

private:
    QString m_kind;
    QMap<QString, QStringList> m_outcomes;
    QSet<QString> m_rows;
};

// A text as one line of an outcome: control characters made visible, and
// long texts shortened to their start and their length.
QString shown(const QString &text, int limit = 80);
// At most first, "... N in all" and last of a long list.
QStringList shortened(const QStringList &lines, int limit = 6);

// Runs read on the current row's bytes within the time and memory bounds
// and compares its outcome with the kept one.
#define READERS_CHECK(expected, outcome)                                        \
    do {                                                                        \
        const QString rowName = QString::fromUtf8(QTest::currentDataTag());     \
        const bool same = (expected).matches(rowName, outcome);                 \
        QVERIFY2((expected).has(rowName), "no expected outcome for this case"); \
        QVERIFY(same);                                                          \
        QCOMPARE(Readers::outOfBounds(timer), QString());                       \
    } while (false)

// What passed the bounds of time and memory of a case: nothing, or the time
// taken and the peak memory.
QString outOfBounds(const QElapsedTimer &timer);

} // namespace Readers
