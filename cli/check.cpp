#include "check.h"

#include "database.h"
#include "databasewarning.h"
#include "domlists.h"
#include "jumperchoice.h"
#include "recordfields.h"
#include "records.h"
#include "zelvanemodel.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace CatalogueCheck {

namespace {

using RecordFields::Field;
using RecordFields::Number;
using RecordFields::Range;
using RecordFields::Record;

// The findings are in the system's language, as the window's messages are.
QString text(const char *source)
{
    return QCoreApplication::translate("CatalogueCheck", source);
}

QString supplyKind(int tech)
{
    switch (tech) {
    case TechZelvane:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Zelvane supply"));
    case TechOmbrel:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Ombrel supply"));
    default:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Tessan supply"));
    }
}

QString fixtureKind(int tech)
{
    switch (tech) {
    case TechZelvane:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Zelvane fixture"));
    case TechOmbrel:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Ombrel fixture"));
    case TechTessan:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "Tessan fixture"));
    default:
        return text(QT_TRANSLATE_NOOP("CatalogueCheck", "flex string"));
    }
}

// Whether a figure keeps within the range its field expects.
bool inRange(double value, Range range)
{
    switch (range) {
    case Range::NotNegative:
        return value >= 0;
    case Range::AboveZero:
        return value > 0;
    case Range::AtLeastOne:
        return value >= 1;
    case Range::Any:
        break;
    }
    return true;
}

// Edits (insertions, deletions, changes of a letter, in any case) that turn
// one name into another.
int editDistance(const QString &a, const QString &b)
{
    std::vector<int> previous(std::size_t(b.size()) + 1);
    std::vector<int> current(previous.size());
    for (std::size_t j = 0; j < previous.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const bool same = a[i - 1].toLower() == b[j - 1].toLower();
            current[std::size_t(j)] = std::min({previous[std::size_t(j)] + 1,
                current[std::size_t(j) - 1] + 1, previous[std::size_t(j) - 1] + (same ? 0 : 1)});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

// The name the program reads that is nearest to an unknown one, if any is near.
QString nearestName(const QString &name, const QStringList &known)
{
    QString nearest;
    int best = std::max(2, int(name.size()) / 3) + 1;
    for (const QString &candidate : known) {
        const int distance = editDistance(name, candidate);
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
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
    // Unreadable optional figures and figures out of their range.
    void checkFields(const QDomElement &e, const QString &owner, Record record);
    void checkField(const QDomElement &e, const QString &owner, const Field &field);
    // Direct children the program does not read, with the nearest it does.
    void unknownElements(
        const QDomElement &e, const QString &owner, const QStringList &known, const QString &kind);
    // A figure the program reads and then does not use.
    void unused(const QDomElement &e, const QString &owner, const char *name, const QString &why);
    // Notes where a name is listed under key; reports a name listed again.
    void listed(const QString &key, const QDomElement &e, const QString &what,
        const QString &consequence
        = text(QT_TRANSLATE_NOOP("CatalogueCheck", "a project file can only name the first")));
    void readSupply(const QDomElement &e);
    void readFixture(const QDomElement &e);
    void readValidSupplies(const QDomElement &e, const QString &owner);
    void readCable(
        const QDomElement &e, const QString &key, const QString &owner, int tech, bool isLeader);
    void readWires(const QDomElement &e, const QString &cable);
    // A supply whose only limit is the kind the fixture's family does not use.
    void checkSupplyLimits(const ZVFixture &fixture, int index, const QString &owner);

    QString m_file;
    int m_elements = 0; // numbers the fixtures and cables, keys of their lists
    QHash<QString, Finding> m_first; // where each listed name first stands
    // Where each record of the database's lists stands, in list order.
    QHash<int, QList<Finding>> m_supplyAt;
    QHash<int, QList<Finding>> m_fixtureAt;
    // Where each enabled Zelvane fixture names each of its supplies.
    QHash<int, QList<Finding>> m_zelvaneSupplyNamedAt;
};

void SilentFindings::warn(const QDomNode &node, const QString &text)
{
    findings << Finding {m_file, node.lineNumber(), 0, Finding::Warning, text};
}

void SilentFindings::warnAt(const Finding &where, const QString &text)
{
    findings << Finding {where.file, where.line, 0, Finding::Warning, text};
}

void SilentFindings::checkField(const QDomElement &e, const QString &owner, const Field &field)
{
    const QDomNode child = e.namedItem(QLatin1String(field.name));
    if (child.isNull() || field.number == Number::Text)
        return;
    const QString value = child.toElement().text();
    const QString name = QLatin1String(field.name);
    if (!RecordFields::readsAs(value, field.number)) {
        if (field.required)
            return; // the loader reports it
        bool real = false;
        value.toDouble(&real);
        const QString what = real && field.number != Number::Real
            ? text(QT_TRANSLATE_NOOP("CatalogueCheck", "which is not a whole number"))
            : text(QT_TRANSLATE_NOOP("CatalogueCheck", "which is not a number"));
        if (&field == &RecordFields::Fixture::Disable)
            warn(child,
                text(QT_TRANSLATE_NOOP("CatalogueCheck",
                         "\"Disable\" of %1 reads \"%2\", %3: the fixture stays enabled (write 1 "
                         "to disable it)"))
                    .arg(owner, value, what));
        else
            warn(child,
                text(QT_TRANSLATE_NOOP(
                         "CatalogueCheck", "\"%1\" of %2 reads \"%3\", %4: it is taken as %5"))
                    .arg(name, owner, value, what, text(field.fallbackText)));
        return;
    }
    if (inRange(value.toDouble(), field.range))
        return;
    const QString consequence = text(field.outOfRange);
    if (field.range == Range::NotNegative)
        warn(child,
            text(QT_TRANSLATE_NOOP("CatalogueCheck", "\"%1\" of %2 is negative (%3): %4"))
                .arg(name, owner, value, consequence));
    else
        warn(child,
            text(QT_TRANSLATE_NOOP("CatalogueCheck", "\"%1\" of %2 is %3: %4"))
                .arg(name, owner, value, consequence));
}

void SilentFindings::checkFields(const QDomElement &e, const QString &owner, Record record)
{
    for (const Field *field : RecordFields::fieldsOf(record))
        checkField(e, owner, *field);
}

void SilentFindings::unknownElements(
    const QDomElement &e, const QString &owner, const QStringList &known, const QString &kind)
{
    static const QStringList lists {QStringLiteral("LeaderList"), QStringLiteral("JumperList"),
        QStringLiteral("ValidSupplyList"), QStringLiteral("CustomWireList")};
    for (QDomElement child = e.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString name = child.tagName();
        if (known.contains(name))
            continue;
        // Lists are found at any depth: a wrapper around one is read through.
        if (std::any_of(lists.cbegin(), lists.cend(),
                [&child](const QString &list) { return !child.elementsByTagName(list).isEmpty(); }))
            continue;
        if (name == QLatin1String("Disable")) {
            warn(child,
                text(QT_TRANSLATE_NOOP("CatalogueCheck",
                         "\"Disable\" of %1 has no effect: only a fixture can be disabled"))
                    .arg(owner));
            continue;
        }
        const QString nearest = nearestName(name, known);
        warn(child,
            text(QT_TRANSLATE_NOOP(
                     "CatalogueCheck", "\"%1\" is not an element the program reads in a %2: %3"))
                .arg(name, kind,
                    nearest.isEmpty()
                        ? text(QT_TRANSLATE_NOOP("CatalogueCheck", "it is ignored"))
                        : text(QT_TRANSLATE_NOOP("CatalogueCheck", "did you mean \"%1\"?"))
                              .arg(nearest)));
    }
}

void SilentFindings::unused(
    const QDomElement &e, const QString &owner, const char *name, const QString &why)
{
    const QDomNode child = e.namedItem(QLatin1String(name));
    if (!child.isNull())
        warn(child,
            text(QT_TRANSLATE_NOOP("CatalogueCheck", "\"%1\" of %2 is read but not used: %3"))
                .arg(QLatin1String(name), owner, why));
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
        text(QT_TRANSLATE_NOOP("CatalogueCheck", "%1 is listed twice (first at %2:%3): %4"))
            .arg(what, first->file, QString::number(first->line), consequence));
}

// Whether the loader keeps the record of the element: every required field
// of it readable.
bool keptByTheLoader(const QDomElement &e, Record record)
{
    for (const Field *field : RecordFields::fieldsOf(record))
        if (field->required
            && !RecordFields::readsAs(
                YmItem::childText(e, QLatin1String(field->name)), field->number))
            return false;
    return true;
}

void SilentFindings::readSupply(const QDomElement &e)
{
    const QString name = Database::readName(e);
    const int tech = Database::readType(e);
    if (name.isEmpty() || tech == TechNone || tech == TechFlex)
        return; // reported by the loader
    const QString kind = supplyKind(tech);
    const QString owner = kind + QLatin1Char(' ') + name;
    m_supplyAt[tech] << Finding {m_file, e.lineNumber(), 0, Finding::Warning, QString()};
    listed(QStringLiteral("supply/%1/%2").arg(tech).arg(name.toUpper()), e,
        QStringLiteral("%1 \"%2\"").arg(kind, name),
        text(QT_TRANSLATE_NOOP(
            "CatalogueCheck", "a fixture's valid supply always finds the first")));
    QStringList known {QStringLiteral("Name"), QStringLiteral("Type")};
    if (tech == TechZelvane) {
        checkFields(e, owner, Record::ZelvaneSupply);
        known = RecordFields::elementsOf(Record::ZelvaneSupply);
    } else if (tech == TechTessan) {
        checkFields(e, owner, Record::TessanSupply);
        known = RecordFields::elementsOf(Record::TessanSupply);
    }
    unknownElements(e, owner, known, kind);
}

void SilentFindings::readCable(
    const QDomElement &e, const QString &key, const QString &owner, int tech, bool isLeader)
{
    const QString name = Database::readName(e);
    if (name.isEmpty())
        return;
    const QString cable = (isLeader ? text(QT_TRANSLATE_NOOP("CatalogueCheck", "leader %1 of %2"))
                                    : text(QT_TRANSLATE_NOOP("CatalogueCheck", "jumper %1 of %2")))
                              .arg(name, owner);
    const bool custom = !e.elementsByTagName(QStringLiteral("CustomWireList")).isEmpty();
    const Record record = custom ? Record::CustomCable : Record::StandardCable;
    if (keptByTheLoader(e, record))
        listed(key + QLatin1Char('/') + name, e,
            (isLeader ? text(QT_TRANSLATE_NOOP("CatalogueCheck", "leader \"%1\" of %2"))
                      : text(QT_TRANSLATE_NOOP("CatalogueCheck", "jumper \"%1\" of %2")))
                .arg(name, owner));
    checkFields(e, cable, record);
    const char *const kinds[2][2] = {{QT_TRANSLATE_NOOP("CatalogueCheck", "standard jumper"),
                                         QT_TRANSLATE_NOOP("CatalogueCheck", "user-sized jumper")},
        {QT_TRANSLATE_NOOP("CatalogueCheck", "standard leader"),
            QT_TRANSLATE_NOOP("CatalogueCheck", "user-sized leader")}};
    unknownElements(e, cable, RecordFields::elementsOf(record), text(kinds[isLeader][custom]));
    if (custom) {
        if (!isLeader)
            unused(e, cable, "DefaultCustomLength",
                text(QT_TRANSLATE_NOOP(
                    "CatalogueCheck", "the window starts a user-sized jumper at 1 ft")));
        else if (tech != TechZelvane)
            unused(e, cable, "DefaultCustomLength",
                text(QT_TRANSLATE_NOOP(
                    "CatalogueCheck", "the Tessan tab starts a user-sized leader at 1 ft")));
        readWires(e, cable);
        return;
    }
    if (isLeader) {
        unused(e, cable, "MaxInARow",
            text(QT_TRANSLATE_NOOP("CatalogueCheck", "a leader is never repeated")));
        return;
    }
    if (tech == TechZelvane)
        unused(e, cable, "MaxInARow",
            text(QT_TRANSLATE_NOOP(
                "CatalogueCheck", "the Zelvane tab never puts two jumpers in a row")));
    unused(e, cable, "MaxLeaderLength",
        text(QT_TRANSLATE_NOOP("CatalogueCheck", "only a leader has a length box")));
}

void SilentFindings::readWires(const QDomElement &e, const QString &cable)
{
    const QString wires = QStringLiteral("wires/%1").arg(++m_elements);
    bool anyWire = false;
    forEachListItem(e, QStringLiteral("CustomWireList"), QStringLiteral("CustomWire"),
        [&](const QDomElement &wire) {
            anyWire = true;
            const QString name = Database::readName(wire);
            if (name.isEmpty())
                return;
            const QString owned
                = text(QT_TRANSLATE_NOOP("CatalogueCheck", "wire %1 of %2")).arg(name, cable);
            if (keptByTheLoader(wire, Record::Wire))
                listed(wires + QLatin1Char('/') + name, wire,
                    text(QT_TRANSLATE_NOOP("CatalogueCheck", "wire \"%1\" of %2"))
                        .arg(name, cable));
            checkFields(wire, owned, Record::Wire);
            unknownElements(wire, owned, RecordFields::elementsOf(Record::Wire),
                text(QT_TRANSLATE_NOOP("CatalogueCheck", "wire")));
        });
    if (!anyWire)
        warn(e,
            text(QT_TRANSLATE_NOOP("CatalogueCheck",
                     "%1 has an empty CustomWireList: with no gauge to choose it cannot be "
                     "calculated"))
                .arg(cable));
}

void SilentFindings::readValidSupplies(const QDomElement &e, const QString &owner)
{
    const QDomNodeList lists = e.elementsByTagName(QStringLiteral("ValidSupplyList"));
    for (int i = 0; i < lists.size(); ++i) {
        QSet<QString> named;
        const QDomNodeList supplies
            = lists.at(i).toElement().elementsByTagName(QStringLiteral("Supply"));
        for (int j = 0; j < supplies.size(); ++j) {
            const QDomElement supply = supplies.at(j).toElement();
            const QString name = supply.text().toUpper();
            if (named.contains(name))
                warn(supply,
                    text(QT_TRANSLATE_NOOP("CatalogueCheck",
                             "%1 names supply \"%2\" twice in one ValidSupplyList: the window "
                             "offers it twice"))
                        .arg(owner, supply.text()));
            named.insert(name);
        }
    }
}

void SilentFindings::readFixture(const QDomElement &e)
{
    const QString name = Database::readName(e);
    const int tech = Database::readType(e);
    if (name.isEmpty() || tech == TechNone)
        return; // reported by the loader
    const QString owner = fixtureKind(tech) + QLatin1Char(' ') + name;
    const QString disable = YmItem::childText(e, QStringLiteral("Disable"));
    if (RecordFields::readsAs(disable, Number::Flag) && disable.toInt() != 0)
        return; // left out of the database: nothing of it reaches a run
    m_fixtureAt[tech] << Finding {m_file, e.lineNumber(), 0, Finding::Warning, QString()};
    listed(QStringLiteral("fixture/%1/%2").arg(tech).arg(name), e,
        QStringLiteral("%1 \"%2\"").arg(fixtureKind(tech), name));
    checkFields(e, owner, Record::Fixture);
    readValidSupplies(e, owner);
    if (tech == TechZelvane) {
        QList<Finding> &named = m_zelvaneSupplyNamedAt[int(m_fixtureAt[tech].size()) - 1];
        forEachListItem(e, QStringLiteral("ValidSupplyList"), QStringLiteral("Supply"),
            [&](const QDomElement &supply) {
                named << Finding {m_file, supply.lineNumber(), 0, Finding::Warning, supply.text()};
            });
    }
    const Record record = tech == TechZelvane ? Record::ZelvaneFixture
        : tech == TechTessan                  ? Record::TessanFixture
        : tech == TechFlex                    ? Record::FlexString
                                              : Record::Fixture;
    if (record != Record::Fixture)
        checkFields(e, owner, record);
    unknownElements(e, owner, RecordFields::elementsOf(record), fixtureKind(tech));
    if (tech != TechZelvane && tech != TechTessan)
        return; // only these read cables
    const QString key = QString::number(++m_elements);
    forEachListItem(
        e, QStringLiteral("LeaderList"), QStringLiteral("Leader"), [&](const QDomElement &c) {
            readCable(c, QStringLiteral("leader/") + key, owner, tech, true);
        });
    forEachListItem(
        e, QStringLiteral("JumperList"), QStringLiteral("Jumper"), [&](const QDomElement &c) {
            readCable(c, QStringLiteral("jumper/") + key, owner, tech, false);
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

void SilentFindings::checkSupplyLimits(const ZVFixture &fixture, int index, const QString &owner)
{
    const bool countsFixtures = ZelvaneModel::countsFixtures(fixture.Family);
    for (const Finding &at : m_zelvaneSupplyNamedAt.value(index)) {
        const auto found = std::find_if(fixture.ValidSupplyList.cbegin(),
            fixture.ValidSupplyList.cend(),
            [&at](const YmItem *supply) { return supply->Name.toUpper() == at.text.toUpper(); });
        const auto *supply = found == fixture.ValidSupplyList.cend()
            ? nullptr
            : qobject_cast<const ZVPowerSupply *>(*found);
        // A supply without either limit is reported by the loader.
        if (!supply || (supply->MaxNumFixtures == 0 && supply->MaxElectricalLength == 0))
            continue;
        if (countsFixtures && supply->MaxNumFixtures == 0)
            warnAt(at,
                text(QT_TRANSLATE_NOOP("CatalogueCheck",
                         "Zelvane supply %1 limits only the electrical length, which %2 of family "
                         "1 does not use (family 1 counts fixtures): it limits nothing on its "
                         "runs"))
                    .arg(supply->Name, owner));
        else if (!countsFixtures && supply->MaxElectricalLength == 0)
            warnAt(at,
                text(QT_TRANSLATE_NOOP("CatalogueCheck",
                         "Zelvane supply %1 limits only the number of fixtures, which %2 does not "
                         "use (only family 1 counts fixtures): it limits nothing on its runs"))
                    .arg(supply->Name, owner));
    }
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
                warnAt(where,
                    text(QT_TRANSLATE_NOOP(
                             "CatalogueCheck", "%1 has no valid supply: it cannot be calculated"))
                        .arg(owner));
            if (needsLeader && fixture->LeaderList.isEmpty())
                warnAt(where,
                    text(QT_TRANSLATE_NOOP(
                             "CatalogueCheck", "%1 has no leader: it cannot be calculated"))
                        .arg(owner));
            const auto *zelvane = qobject_cast<const ZVFixture *>(fixture);
            if (!zelvane)
                continue;
            // The jumper a new jumper selector of the fixture shows.
            const YmJumper *jumper = JumperChoices::type(zelvane, JumperChoices::fresh(zelvane));
            if (zelvane->JumperRequired && !jumper)
                warnAt(where,
                    text(QT_TRANSLATE_NOOP("CatalogueCheck",
                             "%1 requires jumpers but lists none: no jumper of its run can be "
                             "calculated"))
                        .arg(owner));
            else if (zelvane->JumperRequired && jumper->IsCustom
                && jumper->CustomWireList.isEmpty())
                warnAt(where,
                    text(QT_TRANSLATE_NOOP("CatalogueCheck",
                             "%1 requires jumpers but its default jumper %2 has no wires: no run "
                             "of more than one fixture can be calculated"))
                        .arg(owner, jumper->Name));
            checkSupplyLimits(*zelvane, i, owner);
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
                    text(QT_TRANSLATE_NOOP("CatalogueCheck", "%1 is named by no fixture"))
                        .arg(supplyKind(supply->techType) + QLatin1Char(' ') + supply->Name));
        }
    };
    supplyChecks(database.m_zvSupplies);
    supplyChecks(database.m_tsSupplies);
    supplyChecks(database.m_obSupplies);
}

int fileOrder(const QString &path)
{
    const auto *file = std::find_if(std::begin(Database::FileNames), std::end(Database::FileNames),
        [&path](const char *name) { return path.endsWith(QLatin1String(name)); });
    return int(file - std::begin(Database::FileNames));
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
    for (const char *name : Database::FileNames)
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
