#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QDomDocument;
class QDomElement;
class QXmlStreamWriter;

// The settings of the Zelvane tab that a project file keeps, with the
// selectors' display texts, so a file names its products as the database does.
struct ZelvaneSettings
{
    QString fixtureName;
    QString supplyName;
    QString lineVoltage;
    int customLineVoltage = 120; // stored only with the line voltage "Other"
    QString maxCircuitLoad;
    int customMaxCircuitLoad = 15; // stored only with the load "Other"
    QString leaderType;
    QString customLeaderGauge; // stored only with the leader type "Custom Leader"
    int leaderLength = 0;
};

// The project file format: one "Wattlan" element with the settings as
// attributes, holding the run's element.
namespace ProjectFormat {

// The selector entries that make the custom values matter, as a file
// stores them: untranslated, so that a file reads the same whatever the
// language it was saved in. The leader type is a database name, and
// database names are never translated.
QString otherText();
QString customLeaderText();

// Files larger than this, or nested deeper, are not configurations: a
// real one is a few hundred kilobytes at most, three levels deep.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
constexpr int MaxNesting = 64;
constexpr int MaxElements = 250000;

// The whole file: the document type, then the root element with the
// settings as attributes in a fixed order; writeRun adds the run inside it.
QByteArray serialise(
    const ZelvaneSettings &settings, const std::function<void(QXmlStreamWriter &)> &writeRun);

enum class LoadResult {
    Loaded,
    Unreadable, // the file cannot be opened or read
    NotConfiguration, // it can be read but is no configuration
};

// Reads and parses the file into document. A configuration is well-formed
// XML within the bounds above whose root element is "Wattlan"; otherwise
// reason says, for a person, what is wrong with it.
LoadResult load(const QString &fileName, QDomDocument &document, QString *reason);
// Why File, Open refuses a file that load() did not load, for a person.
QString refusal(LoadResult result, const QString &fileName, const QString &reason);

// The settings stored on root; an attribute that is missing takes its
// default and a number that does not read as one becomes 0.
ZelvaneSettings settingsFrom(const QDomElement &root);

} // namespace ProjectFormat
