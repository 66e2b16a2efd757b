#pragma once

#include "databasewarning.h"
#include "records.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class QDir;
class QDomElement;

// Every record of the product database, read once at start-up from the
// three database files and read-only afterwards. Each list keeps reading
// order (files in load order, elements in document order); a record's
// position in its list is the key that the fixture selectors store.
class Database : public QObject
{
    Q_OBJECT

public:
    Database();
    ~Database() override;

    // The three files of a catalogue, in the order they are read.
    static constexpr const char *FileNames[]
        = {"ym_config_zv.xml", "ym_config_ob.xml", "ym_config_ts.xml"};

    // Reads the three files from the executable's directory; true when all
    // three were read. Stops at the first file that cannot be opened or parsed.
    bool load();
    // The same from another directory.
    bool load(const QDir &directory);

    // Where the problems found while reading go; by default the fallback of DatabaseWarning.
    void setReporter(DatabaseReporter reporter);

    // Reads one file of the directory being loaded; false only when it cannot
    // be opened or parsed. Problems in its contents are reported and skipped.
    bool readFile(const QString &fileName);
    void readVersion(const QDomElement &root);
    void readPowerSupplies(const QDomElement &root);
    void readFixtures(const QDomElement &root);
    static QString readName(const QDomElement &element);
    // The technology code of the element's "Type", or TechNone.
    static int readType(const QDomElement &element);
    // Fills the fixture's valid supplies from the supplies of its own
    // technology read so far.
    void resolveValidSupplies(YmFixture *fixture, const QDomElement &element);

    // The largest database file that is read, in bytes.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    // The deepest nesting of elements that a database file may hold.
    static constexpr int MaxElementDepth = 256;

    QString m_dbVersion;
    QList<ZVPowerSupply *> m_zvSupplies;
    QList<OBPowerSupply *> m_obSupplies;
    QList<TSPowerSupply *> m_tsSupplies;
    QList<ZVFixture *> m_zvFixtures;
    QList<OBFixture *> m_obFixtures;
    QList<TSFixture *> m_tsFixtures;
    QList<FlexString *> m_flexStrings;
    QString m_currentFile;

private:
    void clear();
    void report(const QString &text) const;
    // The supply list of the given technology, keyed by upper-cased name, the
    // first supply of each name only; null for a technology without supplies.
    QHash<QString, YmItem *> *suppliesByUpperName(int techType);
    template<typename Supply> void appendSupply(Supply *supply, QList<Supply *> &list);

    QString m_directory;
    DatabaseReporter m_reporter;
    QHash<QString, YmItem *> m_zvSuppliesByName;
    QHash<QString, YmItem *> m_obSuppliesByName;
    QHash<QString, YmItem *> m_tsSuppliesByName;
};
