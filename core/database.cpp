#include "database.h"

#include "domlists.h"
#include "utf8position.h"
#include "xmlnesting.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

namespace {
// Where a file nests its elements deeper than the limit, if it does; a file
// that is not well-formed is left to the parser to report.
struct DepthFault
{
    bool found = false;
    qint64 line = 0;
    qint64 column = 0;
};

DepthFault findExcessiveNesting(QIODevice &device, int maxDepth)
{
    // A glance at the bytes vouches for nearly every file much faster than
    // an XML reader; the reader is left the files it cannot vouch for. It
    // looks at the bytes as the parser will read them (in text mode).
    const bool shallow = nestsSurelyWithin(device.readAll(), maxDepth);
    device.seek(0);
    if (shallow)
        return {};

    DepthFault fault;
    QXmlStreamReader reader(&device);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDepth) {
            fault.found = true;
            fault.line = reader.lineNumber();
            fault.column = reader.columnNumber();
            break;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    device.seek(0);
    return fault;
}
} // namespace

Database::Database() : QObject(nullptr) { }

Database::~Database()
{
    clear();
}

void Database::clear()
{
    qDeleteAll(m_zvSupplies);
    qDeleteAll(m_obSupplies);
    qDeleteAll(m_tsSupplies);
    qDeleteAll(m_zvFixtures);
    qDeleteAll(m_obFixtures);
    qDeleteAll(m_tsFixtures);
    qDeleteAll(m_flexStrings);
    m_zvSupplies.clear();
    m_obSupplies.clear();
    m_tsSupplies.clear();
    m_zvFixtures.clear();
    m_obFixtures.clear();
    m_tsFixtures.clear();
    m_flexStrings.clear();
    m_zvSuppliesByName.clear();
    m_obSuppliesByName.clear();
    m_tsSuppliesByName.clear();
    m_dbVersion.clear();
    m_currentFile.clear();
}

bool Database::load()
{
    return load(QDir(QCoreApplication::applicationDirPath()));
}

bool Database::load(const QDir &directory)
{
    clear();
    m_directory = directory.absolutePath();
    return std::all_of(std::begin(FileNames), std::end(FileNames),
        [this](const char *name) { return readFile(QLatin1String(name)); });
}

void Database::setReporter(DatabaseReporter reporter)
{
    m_reporter = std::move(reporter);
}

void Database::report(const QString &text) const
{
    DatabaseWarning::report(text);
}

bool Database::readFile(const QString &fileName)
{
    // Records report through the same seam as the loader.
    const DatabaseWarning::Scope reporting(m_reporter);
    const QString directory
        = m_directory.isEmpty() ? QCoreApplication::applicationDirPath() : m_directory;
    m_currentFile = directory + QLatin1Char('/') + fileName;
    const DatabaseWarning::At wholeFile(0, 0);

    QFile file(m_currentFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        report(tr("Cannot read database file %1:\n%2.").arg(m_currentFile, file.errorString()));
        return false;
    }
    if (file.size() > MaxFileSize) {
        report(tr("Cannot read database file %1:\n%2.")
                   .arg(m_currentFile,
                       tr("The file is larger than %1 MB").arg(MaxFileSize / (1024 * 1024))));
        return false;
    }

    const QString parseError = tr("Error parsing database file %1:\n%2\nLine %3 Column %4");
    // A document nested without bound would exhaust the stack of the parser
    // and of the walks below it; no database needs more than a few levels.
    const DepthFault fault = findExcessiveNesting(file, MaxElementDepth);
    if (fault.found) {
        const DatabaseWarning::At at(int(fault.line), int(fault.column));
        report(parseError.arg(m_currentFile,
            tr("Elements are nested more than %1 deep").arg(MaxElementDepth),
            QString::number(fault.line), QString::number(fault.column)));
        return false;
    }

    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    const bool parsed = document.setContent(&file, false, &message, &line, &column);
    file.close();
    if (!parsed) {
        // The reader loses track of where a byte that is not UTF-8 stands;
        // any other fault it places right, even one before such a byte.
        // The reader's own words, in its own context (not this program's).
        const char *const readerContext = "QXmlStream";
        const bool encodingFault = message
            == QCoreApplication::translate(
                readerContext, "Encountered incorrectly encoded content.");
        if (encodingFault && file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            if (const std::optional<TextPosition> bad = firstByteNotUtf8(file.readAll())) {
                line = bad->line;
                column = bad->column;
            }
            file.close();
        }
        const DatabaseWarning::At at(line, column);
        report(
            parseError.arg(m_currentFile, message, QString::number(line), QString::number(column)));
        return false;
    }

    const QDomElement root = document.documentElement();
    readVersion(root);
    readPowerSupplies(root);
    readFixtures(root);
    return true;
}

void Database::readVersion(const QDomElement &root)
{
    const QString version = YmItem::childText(root, QStringLiteral("DBVersion"));
    const DatabaseWarning::At at(root);
    const DatabaseWarning::At atVersion(root.namedItem(QStringLiteral("DBVersion")));
    if (version.isEmpty()) {
        report(
            tr("Error in database file %1:\nDBVersion %2 not found.").arg(m_currentFile, version));
        return;
    }
    if (!m_dbVersion.isEmpty() && m_dbVersion != version) {
        report(tr("Error in database file %1:\nDBVersion %2 does not match previous (%3)")
                   .arg(m_currentFile, version, m_dbVersion));
        return;
    }
    if (m_dbVersion.isEmpty())
        m_dbVersion = version;
}

template<typename Supply> void Database::appendSupply(Supply *supply, QList<Supply *> &list)
{
    list.append(supply);
    // Lookups by name find the first supply of that name in list order.
    QHash<QString, YmItem *> *byName = suppliesByUpperName(supply->techType);
    const QString key = supply->Name.toUpper();
    if (!byName->contains(key))
        byName->insert(key, supply);
}

void Database::readPowerSupplies(const QDomElement &root)
{
    forEachListItem(root, QStringLiteral("PowerSupplyList"), QStringLiteral("PowerSupply"),
        [this](const QDomElement &element) {
            const DatabaseWarning::At at(element);
            const QString name = readName(element);
            if (name.isEmpty()) {
                report(tr("Error in database file %1:\nPowerSupply element with no Name")
                           .arg(m_currentFile));
                return;
            }
            // A supply is listed even when it is incomplete: it was reported.
            switch (readType(element)) {
            case TechZelvane: {
                auto *supply = new ZVPowerSupply(name);
                supply->fromXml(element);
                appendSupply(supply, m_zvSupplies);
                break;
            }
            case TechOmbrel: {
                auto *supply = new OBPowerSupply(name);
                supply->fromXml(element);
                appendSupply(supply, m_obSupplies);
                break;
            }
            case TechTessan: {
                auto *supply = new TSPowerSupply(name);
                supply->fromXml(element);
                appendSupply(supply, m_tsSupplies);
                break;
            }
            default:
                report(tr("Error in database file %1:\nPowerSupply %2 has unknown type")
                           .arg(m_currentFile, name));
            }
        });
}

namespace {
// Reads a fixture in full, messages included, and lists it unless it is
// disabled.
template<typename Fixture, typename Resolve>
void readFixture(
    const QString &name, const QDomElement &element, QList<Fixture *> &list, Resolve resolve)
{
    auto *fixture = new Fixture(name);
    fixture->fromXml(element);
    resolve(fixture, element);
    if (fixture->Disable)
        delete fixture;
    else
        list.append(fixture);
}
} // namespace

void Database::readFixtures(const QDomElement &root)
{
    const auto resolve = [this](YmFixture *fixture, const QDomElement &element) {
        resolveValidSupplies(fixture, element);
    };
    forEachListItem(root, QStringLiteral("FixtureList"), QStringLiteral("Fixture"),
        [&](const QDomElement &element) {
            const DatabaseWarning::At at(element);
            const QString name = readName(element);
            if (name.isEmpty()) {
                report(tr("Error in database file %1:\nFixture element with no Name")
                           .arg(m_currentFile));
                return;
            }
            switch (readType(element)) {
            case TechZelvane:
                readFixture(name, element, m_zvFixtures, resolve);
                break;
            case TechOmbrel:
                readFixture(name, element, m_obFixtures, resolve);
                break;
            case TechTessan:
                readFixture(name, element, m_tsFixtures, resolve);
                break;
            case TechFlex:
                readFixture(name, element, m_flexStrings, resolve);
                break;
            default:
                report(tr("Error in database file %1:\nFixture %2 has unknown type")
                           .arg(m_currentFile, name));
            }
        });
}

QString Database::readName(const QDomElement &element)
{
    return YmItem::childText(element, QStringLiteral("Name"));
}

int Database::readType(const QDomElement &element)
{
    const QString type = YmItem::childText(element, QStringLiteral("Type")).toLower();
    if (type == QLatin1String("zelvane"))
        return TechZelvane;
    if (type == QLatin1String("ombrel"))
        return TechOmbrel;
    if (type == QLatin1String("tessan"))
        return TechTessan;
    if (type == QLatin1String("tsflex"))
        return TechFlex;
    return TechNone;
}

QHash<QString, YmItem *> *Database::suppliesByUpperName(int techType)
{
    switch (techType) {
    case TechZelvane:
        return &m_zvSuppliesByName;
    case TechOmbrel:
        return &m_obSuppliesByName;
    case TechTessan:
    case TechFlex: // flex strings run on Tessan supplies
        return &m_tsSuppliesByName;
    default:
        return nullptr;
    }
}

void Database::resolveValidSupplies(YmFixture *fixture, const QDomElement &element)
{
    if (const QHash<QString, YmItem *> *byName = suppliesByUpperName(fixture->techType))
        fixture->resolveValidSupplies(element, *byName);
}
