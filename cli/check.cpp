#include "check.h"

#include "database.h"
#include "databasewarning.h"
#include "domlists.h"
#include "records.h"

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QSet>

#include <cmath>

#include <algorithm>

namespace CatalogueCheck {

namespace {

const char *const DatabaseFiles[] = {"ym_config_zv.xml", "ym_config_ob.xml", "ym_config_ts.xml"};

enum class Number { Real, Integer };

// A field that a record may leave out; when it is there but unreadable the
// loader silently keeps `fallback`.
struct OptionalField
{
    const char *name;
    Number number;
    const char *fallback;
};

const char NoLimit[] = "0, no limit";

const OptionalField FixtureFields[] = {{"Family", Number::Integer, "0, no family"},
    {"DefaultJumper", Number::Integer, "0"}, {"DefaultLeader", Number::Integer, "0"}};
const OptionalField ZelvaneFixtureFields[]
    = {{"MaxVoltageDrop", Number::Real, NoLimit}, {"MinVoltage", Number::Real, NoLimit},
        {"VoltageDropPercent", Number::Real, NoLimit}, {"MaxPower", Number::Real, NoLimit},
        {"MaxFixtureCurrent", Number::Real, NoLimit}, {"MaxFixtureLength", Number::Real, NoLimit},
        {"JumperRequired", Number::Integer, "0, no jumpers required"}};
const OptionalField ZelvaneSupplyFields[] = {
    {"MaxElectricalLength", Number::Real, NoLimit}, {"MaxNumFixtures", Number::Integer, NoLimit}};
const OptionalField StandardCableFields[]
    = {{"MaxLeaderLength", Number::Real, "999"}, {"MaxInARow", Number::Integer, NoLimit}};
const OptionalField CustomCableFields[]
    = {{"DefaultCustomWire", Number::Integer, "0"}, {"DefaultCustomLength", Number::Real, "1"}};

// Figures that make no sense below zero: resistances, lengths and limits.
const char *const ZelvaneFixtureFigures[] = {"Resistance", "ElectricalLength", "MaxVoltageDrop",
    "MinVoltage", "VoltageDropPercent", "MaxPower", "MaxFixtureCurrent", "MaxFixtureLength"};
const char *const TessanFixtureFigures[] = {"MinVoltage", "Length", "Resistance"};
const char *const FlexFigures[] = {"MinVoltage", "StringCableResistance"};
const char *const ZelvaneSupplyFigures[] = {"MaxElectricalLength", "MaxNumFixtures"};
const char *const TessanSupplyFigures[] = {"MaxPortPower"};
const char *const StandardCableFigures[]
    = {"Resistance", "ElectricalLength", "MaxLeaderLength", "MaxInARow"};
const char *const CustomCableFigures[] = {"DefaultCustomLength"};
const char *const WireFigures[] = {"Resistance", "MaxLength"};

QString technologyName(int tech)
{
    switch (tech) {
    case TechZelvane:
        return QStringLiteral("Zelvane");
    case TechOmbrel:
        return QStringLiteral("Ombrel");
    case TechTessan:
        return QStringLiteral("Tessan");
    case TechFlex:
        return QStringLiteral("flex");
    default:
        return QString();
    }
}

QString fixtureKind(int tech)
{
    return tech == TechFlex ? QStringLiteral("flex string")
                            : technologyName(tech) + QStringLiteral(" fixture");
}

bool readable(const QString &text, Number number)
{
    bool ok = false;
    if (number == Number::Integer) {
        text.toInt(&ok, 10);
        return ok;
    }
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

// The findings that loading passes over in silence, gathered from the files'
// elements (with their lines) and from the records loaded.
class SilentFindings
{
public:
    void readFile(const QString &path);
    void checkRecords(const Database &database);
    QList<Finding> findings;

private:
    void warn(const QDomNode &node, const QString &text);
    void warnAt(const Finding &where, const QString &text);
    void unreadableOptionals(const QDomElement &e, const QString &owner, const OptionalField *begin,
        const OptionalField *end);
    template<size_t N>
    void negatives(const QDomElement &e, const QString &owner, const char *const (&fields)[N]);
    // Notes where a name is listed under key; reports a name listed again.
    void listed(const QString &key, const QDomElement &e, const QString &what,
        const QString &consequence = QStringLiteral("a project file can only name the first"));
    void readSupply(const QDomElement &e);
    void readFixture(const QDomElement &e);
    void readCable(
        const QDomElement &e, const QString &key, const QString &owner, const QString &kind);

    QString m_file;
    QHash<QString, Finding> m_first; // where each listed name first stands
    // Where each record of the database's lists stands, in list order.
    QHash<int, QList<Finding>> m_supplyAt;
    QHash<int, QList<Finding>> m_fixtureAt;
};

void SilentFindings::warn(const QDomNode &node, const QString &text)
{
    findings << Finding {m_file, node.lineNumber(), 0, Finding::Warning, text};
}

void SilentFindings::warnAt(const Finding &where, const QString &text)
{
    findings << Finding {where.file, where.line, 0, Finding::Warning, text};
}

void SilentFindings::unreadableOptionals(const QDomElement &e, const QString &owner,
    const OptionalField *begin, const OptionalField *end)
{
    for (const OptionalField *field = begin; field != end; ++field) {
        const QDomNode child = e.namedItem(QLatin1String(field->name));
        const QString text = child.toElement().text();
        if (!child.isNull() && !readable(text, field->number))
            warn(child,
                QStringLiteral(
                    "\"%1\" of %2 reads \"%3\", which is not a number: it is taken as %4")
                    .arg(QLatin1String(field->name), owner, text, QLatin1String(field->fallback)));
    }
}

template<size_t N>
void SilentFindings::negatives(
    const QDomElement &e, const QString &owner, const char *const (&fields)[N])
{
    for (const char *field : fields) {
        const QDomNode child = e.namedItem(QLatin1String(field));
        bool ok = false;
        const double value = child.toElement().text().toDouble(&ok);
        if (ok && value < 0)
            warn(child,
                QStringLiteral("\"%1\" of %2 is negative (%3)")
                    .arg(QLatin1String(field), owner, child.toElement().text()));
    }
}

void SilentFindings::listed(
    const QString &key, const QDomElement &e, const QString &what, const QString &consequence)
{
    const auto first = m_first.constFind(key);
    if (first == m_first.cend()) {
        m_first.insert(key, Finding {m_file, e.lineNumber(), 0, Finding::Warning, QString()});
        return;
    }
    warn(e,
        QStringLiteral("%1 is listed twice (first at %2:%3): %4")
            .arg(what, first->file, QString::number(first->line), consequence));
}

void SilentFindings::readSupply(const QDomElement &e)
{
    const QString name = Database::readName(e);
    const int tech = Database::readType(e);
    if (name.isEmpty() || tech == TechNone || tech == TechFlex)
        return; // reported by the loader
    const QString owner = technologyName(tech) + QStringLiteral(" supply ") + name;
    m_supplyAt[tech] << Finding {m_file, e.lineNumber(), 0, Finding::Warning, QString()};
    listed(QStringLiteral("supply/%1/%2").arg(tech).arg(name.toUpper()), e,
        QStringLiteral("%1 supply \"%2\"").arg(technologyName(tech), name),
        QStringLiteral("a fixture's valid supply always finds the first"));
    if (tech == TechZelvane) {
        unreadableOptionals(
            e, owner, std::begin(ZelvaneSupplyFields), std::end(ZelvaneSupplyFields));
        negatives(e, owner, ZelvaneSupplyFigures);
    } else if (tech == TechTessan) {
        negatives(e, owner, TessanSupplyFigures);
    }
}

void SilentFindings::readCable(
    const QDomElement &e, const QString &key, const QString &owner, const QString &kind)
{
    const QString name = Database::readName(e);
    if (name.isEmpty())
        return;
    const QString cable = kind + QLatin1Char(' ') + name + QStringLiteral(" of ") + owner;
    listed(
        key + QLatin1Char('/') + name, e, QStringLiteral("%1 \"%2\" of %3").arg(kind, name, owner));
    if (!e.elementsByTagName(QStringLiteral("CustomWireList")).isEmpty()) {
        unreadableOptionals(e, cable, std::begin(CustomCableFields), std::end(CustomCableFields));
        negatives(e, cable, CustomCableFigures);
        const QString wires = QStringLiteral("wires/%1").arg(e.lineNumber()) + key;
        forEachListItem(e, QStringLiteral("CustomWireList"), QStringLiteral("CustomWire"),
            [&](const QDomElement &wire) {
                const QString wireName = Database::readName(wire);
                if (wireName.isEmpty())
                    return;
                listed(wires + QLatin1Char('/') + wireName, wire,
                    QStringLiteral("wire \"%1\" of %2").arg(wireName, cable));
                negatives(wire, QStringLiteral("wire ") + wireName + QStringLiteral(" of ") + cable,
                    WireFigures);
            });
        return;
    }
    unreadableOptionals(e, cable, std::begin(StandardCableFields), std::end(StandardCableFields));
    negatives(e, cable, StandardCableFigures);
}

void SilentFindings::readFixture(const QDomElement &e)
{
    const QString name = Database::readName(e);
    const int tech = Database::readType(e);
    if (name.isEmpty() || tech == TechNone)
        return; // reported by the loader
    const QString owner = fixtureKind(tech) + QLatin1Char(' ') + name;
    const QDomNode disable = e.namedItem(QStringLiteral("Disable"));
    const QString disableText = disable.toElement().text();
    if (!disable.isNull() && !readable(disableText, Number::Integer)) {
        warn(disable,
            QStringLiteral("\"Disable\" of %1 reads \"%2\", which is not a number: the "
                           "fixture stays enabled (write 1 to disable it)")
                .arg(owner, disableText));
    } else if (disableText.toInt() != 0) {
        return; // left out of the database: nothing of it reaches a run
    }
    m_fixtureAt[tech] << Finding {m_file, e.lineNumber(), 0, Finding::Warning, QString()};
    listed(QStringLiteral("fixture/%1/%2").arg(tech).arg(name), e,
        QStringLiteral("%1 \"%2\"").arg(fixtureKind(tech), name));
    unreadableOptionals(e, owner, std::begin(FixtureFields), std::end(FixtureFields));
    switch (tech) {
    case TechZelvane:
        unreadableOptionals(
            e, owner, std::begin(ZelvaneFixtureFields), std::end(ZelvaneFixtureFields));
        negatives(e, owner, ZelvaneFixtureFigures);
        break;
    case TechTessan:
        negatives(e, owner, TessanFixtureFigures);
        break;
    case TechFlex:
        negatives(e, owner, FlexFigures);
        return; // a flex string reads no cables
    default:
        return;
    }
    const QString key = QStringLiteral("%1:%2").arg(m_file).arg(e.lineNumber());
    forEachListItem(
        e, QStringLiteral("LeaderList"), QStringLiteral("Leader"), [&](const QDomElement &c) {
            readCable(c, QStringLiteral("leader/") + key, owner, QStringLiteral("leader"));
        });
    forEachListItem(
        e, QStringLiteral("JumperList"), QStringLiteral("Jumper"), [&](const QDomElement &c) {
            readCable(c, QStringLiteral("jumper/") + key, owner, QStringLiteral("jumper"));
        });
}

void SilentFindings::readFile(const QString &path)
{
    m_file = path;
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !document.setContent(&file, false))
        return; // the loader has said why
    const QDomElement root = document.documentElement();
    forEachListItem(root, QStringLiteral("PowerSupplyList"), QStringLiteral("PowerSupply"),
        [this](const QDomElement &e) { readSupply(e); });
    forEachListItem(root, QStringLiteral("FixtureList"), QStringLiteral("Fixture"),
        [this](const QDomElement &e) { readFixture(e); });
}

void SilentFindings::checkRecords(const Database &database)
{
    QSet<const YmItem *> named;
    // Ombrel fixtures have no calculation: they only name supplies.
    const auto fixtureChecks = [&](const auto &fixtures, bool needsLeader, bool calculated = true) {
        for (int i = 0; i < fixtures.size(); ++i) {
            const YmFixture *fixture = fixtures.at(i);
            for (const YmItem *supply : fixture->ValidSupplyList)
                named.insert(supply);
            if (!calculated)
                continue;
            const Finding where = m_fixtureAt.value(fixture->techType).value(i);
            const QString owner = fixtureKind(fixture->techType) + QLatin1Char(' ') + fixture->Name;
            if (fixture->ValidSupplyList.isEmpty())
                warnAt(
                    where, owner + QStringLiteral(" has no valid supply: it cannot be calculated"));
            if (needsLeader && fixture->LeaderList.isEmpty())
                warnAt(where, owner + QStringLiteral(" has no leader: it cannot be calculated"));
            const auto *zelvane = qobject_cast<const ZVFixture *>(fixture);
            if (zelvane && zelvane->JumperRequired && zelvane->JumperList.isEmpty())
                warnAt(where,
                    owner
                        + QStringLiteral(" requires jumpers but lists none: no jumper of its "
                                         "run can be calculated"));
        }
    };
    fixtureChecks(database.m_zvFixtures, true);
    fixtureChecks(database.m_tsFixtures, true);
    fixtureChecks(database.m_flexStrings, false);
    fixtureChecks(database.m_obFixtures, false, false);

    const auto supplyChecks = [&](const auto &supplies) {
        for (int i = 0; i < supplies.size(); ++i) {
            const YmItem *supply = supplies.at(i);
            if (!named.contains(supply))
                warnAt(m_supplyAt.value(supply->techType).value(i),
                    technologyName(supply->techType) + QStringLiteral(" supply ") + supply->Name
                        + QStringLiteral(" is named by no fixture"));
        }
    };
    supplyChecks(database.m_zvSupplies);
    supplyChecks(database.m_tsSupplies);
    supplyChecks(database.m_obSupplies);
}

int fileOrder(const QString &path)
{
    for (int i = 0; i < 3; ++i)
        if (path.endsWith(QLatin1String(DatabaseFiles[i])))
            return i;
    return 3;
}

} // namespace

int Report::count(Finding::Severity severity) const
{
    return int(std::count_if(findings.cbegin(), findings.cend(),
        [severity](const Finding &f) { return f.severity == severity; }));
}

Report check(const QDir &catalogue)
{
    Report report;
    Database database;
    database.setReporter([&](const QString &text) {
        const DatabaseLocation at = DatabaseWarning::location();
        report.findings << Finding {
            database.m_currentFile, at.line, at.column, Finding::Error, text};
    });
    report.loaded = database.load(catalogue);
    if (!report.loaded)
        return report;

    SilentFindings silent;
    for (const char *name : DatabaseFiles)
        silent.readFile(catalogue.absoluteFilePath(QLatin1String(name)));
    silent.checkRecords(database);
    std::stable_sort(
        silent.findings.begin(), silent.findings.end(), [](const Finding &a, const Finding &b) {
            const int fa = fileOrder(a.file);
            const int fb = fileOrder(b.file);
            return fa != fb ? fa < fb : a.line < b.line;
        });
    report.findings << silent.findings;
    return report;
}

QString formatted(const Finding &finding)
{
    QString where = finding.file;
    if (finding.line > 0)
        where += QLatin1Char(':') + QString::number(finding.line);
    if (finding.column > 0)
        where += QLatin1Char(':') + QString::number(finding.column);
    QString text = finding.text;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("%1: %2: %3")
        .arg(where,
            finding.severity == Finding::Error ? QStringLiteral("error")
                                               : QStringLiteral("warning"),
            text);
}

} // namespace CatalogueCheck
