#include "readersupport.h"

#include "database.h"

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

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

Expected::Expected(const QString &kind) : m_kind(kind)
{
    const QString text = QString::fromUtf8(
        fileBytes(sourcePath(QStringLiteral("tests/readers/expected/%1.txt").arg(kind))));
    QStringList *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("== ")))
            current = &m_outcomes[line.mid(3)];
        else if (current && !line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            *current << QString(line).replace(QLatin1String("\\n"), QLatin1String("\n"));
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
    for (const QFileInfo &entry :
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
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

namespace {
QString n(double value)
{
    return QString::number(value, 'g', 12);
}

QString cable(const char *kind, const YmJumper *cable)
{
    QString line = QStringLiteral("  %1 %2: ").arg(QLatin1String(kind), shown(cable->Name));
    if (!cable->IsCustom)
        return line
            + QStringLiteral("R %1, length %2, max leader %3, in a row %4")
                  .arg(n(cable->Resistance), n(cable->ElectricalLength), n(cable->MaxLeaderLength))
                  .arg(cable->MaxInARow);
    QStringList wires;
    for (const YmWire *wire : cable->CustomWireList)
        wires << QStringLiteral("%1 R %2 max %3")
                     .arg(shown(wire->Name), n(wire->Resistance), n(wire->MaxLength));
    return line
        + QStringLiteral("custom, wire %1, length %2, wires %3")
              .arg(cable->DefaultCustomWire)
              .arg(n(cable->DefaultCustomLength), wires.join(QLatin1String(" | ")));
}
} // namespace

QStringList describe(const YmItem *record)
{
    if (const auto *cableRecord = qobject_cast<const YmJumper *>(record))
        return {cable("cable", cableRecord).trimmed()};
    QString line = shown(record->Name);
    if (const auto *wire = qobject_cast<const YmWire *>(record))
        line += QStringLiteral(": R %1 max %2").arg(n(wire->Resistance), n(wire->MaxLength));
    if (const auto *s = qobject_cast<const ZVPowerSupply *>(record))
        line += QStringLiteral(": length %1, fixtures %2")
                    .arg(n(s->MaxElectricalLength))
                    .arg(s->MaxNumFixtures);
    if (const auto *s = qobject_cast<const TSPowerSupply *>(record))
        line += QStringLiteral(": %1 V, %2 W, %3 ports of %4 W")
                    .arg(n(s->Voltage), n(s->Power))
                    .arg(s->Ports)
                    .arg(n(s->MaxPortPower));
    const auto *fixture = qobject_cast<const YmFixture *>(record);
    if (!fixture)
        return {line};
    line += QStringLiteral(" [%1, family %2, defaults %3/%4%5]")
                .arg(shown(fixture->ShortName))
                .arg(fixture->Family)
                .arg(fixture->DefaultLeader)
                .arg(fixture->DefaultJumper)
                .arg(fixture->Disable ? QStringLiteral(", disabled") : QString());
    if (const auto *f = qobject_cast<const ZVFixture *>(record))
        line += QStringLiteral(": pf %1, temp %2, R %3, length %4, %5 W, fudge %6, safety %7, "
                               "drop %8, min %9, percent %10, max %11 W, %12 A, %13 ft, jumper %14")
                    .arg(n(f->PowerFactor), n(f->MaxTemp), n(f->Resistance), n(f->ElectricalLength),
                        n(f->Power), n(f->FudgeFactor), QString::number(f->SafetyRequired),
                        n(f->MaxVoltageDrop), n(f->MinVoltage))
                    .arg(n(f->VoltageDropPercent), n(f->MaxPower), n(f->MaxFixtureCurrent),
                        n(f->MaxFixtureLength), QString::number(f->JumperRequired));
    if (const auto *f = qobject_cast<const TSFixture *>(record))
        line += QStringLiteral(": %1 V, min %2 V, %3 A, %4 ft, R %5")
                    .arg(n(f->Voltage), n(f->MinVoltage), n(f->Current), n(f->Length),
                        n(f->Resistance));
    if (const auto *f = qobject_cast<const FlexString *>(record))
        line += QStringLiteral(": %1 V, min %2 V, %3 A, cable R %4")
                    .arg(n(f->Voltage), n(f->MinVoltage), n(f->Current),
                        n(f->StringCableResistance));
    QStringList lines {line};
    for (const YmJumper *leader : fixture->LeaderList)
        lines << cable("leader", leader);
    for (const YmJumper *jumper : fixture->JumperList)
        lines << cable("jumper", jumper);
    QStringList supplies;
    for (const YmItem *supply : fixture->ValidSupplyList)
        supplies << shown(supply->Name);
    if (!supplies.isEmpty())
        lines << QStringLiteral("  supplies: ") + shortened(supplies).join(QLatin1String(" | "));
    return lines;
}

QStringList outcomeOf(
    const Database &db, bool loaded, const QStringList &warnings, const QString &folder)
{
    QStringList outcome {loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded")};
    for (QString warning : warnings)
        outcome << QStringLiteral("warning: ")
                + shown(warning.replace(folder, QLatin1String("DIR")), 300);
    if (!db.m_dbVersion.isEmpty())
        outcome << QStringLiteral("version: ") + db.m_dbVersion;
    // Each record with its cables and supplies; of a long list the first and last.
    const auto list = [&](const char *title, const auto &records) {
        QStringList described;
        for (const YmItem *record : records)
            described << QLatin1String(title) + QStringLiteral(": ") + describe(record).join('\n');
        for (const QString &entry : shortened(described))
            outcome << entry.split(QLatin1Char('\n'));
    };
    list("ZV supply", db.m_zvSupplies);
    list("OB supply", db.m_obSupplies);
    list("TS supply", db.m_tsSupplies);
    list("ZV fixture", db.m_zvFixtures);
    list("OB fixture", db.m_obFixtures);
    list("TS fixture", db.m_tsFixtures);
    list("flex string", db.m_flexStrings);
    return outcome;
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
