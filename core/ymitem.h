#pragma once

#include <QObject>
#include <QString>

class QDomElement;
class QDomNode;
namespace RecordFields {
struct Field;
}
class YmJumper;
class YmWire;

// Technology codes carried by every record and every run editor.
enum TechType : int {
    TechNone = 0, // wires and cable types
    TechZelvane = 1,
    TechOmbrel = 2,
    TechTessan = 3,
    TechFlex = 4,
};

// Base of every product record. A record is created by the loader with its
// name, reads its own database element once and is read-only afterwards.
class YmItem : public QObject
{
    Q_OBJECT

public:
    YmItem(const QString &name, int techType);

    // Reads the record's fields from its element; true when it is complete.
    virtual bool fromXml(const QDomElement &element);

    // The text of the first direct child element called name, or an empty
    // string. Fields are always direct children; attributes are never read.
    static QString childText(const QDomNode &node, const QString &name);

    // A cable type or custom wire read from its element, or null when it has
    // no name or misses a required figure. The caller owns the result.
    static YmWire *readCustomWire(const QDomElement &element);
    static YmJumper *readJumper(const QDomElement &element);

    QString Name;
    QString ShortName;
    int techType;
    bool Disable = false;

protected:
    // Read a field as the record tables describe it: a required field that
    // is missing or unreadable is reported; an optional one then takes its
    // fallback. True when the field was read.
    bool read(const QDomElement &element, const RecordFields::Field &field, double &target);
    bool read(const QDomElement &element, const RecordFields::Field &field, int &target);
    bool read(const QDomElement &element, const RecordFields::Field &field, bool &target);

    // Field readers: on success store the child's value in target and return
    // true; otherwise leave target as it is and, when report is set, warn
    // that the field could not be read. A number that is not finite counts
    // as unreadable.
    bool readDouble(const QDomElement &element, const QString &field, double &target, bool report);
    bool readInt(const QDomElement &element, const QString &field, int &target, bool report);
    // Any non-zero integer is true; words such as "true" are unreadable.
    bool readBool(const QDomElement &element, const QString &field, bool &target, bool report);

private:
    bool readFailed(const QDomElement &element, const QString &field, bool report) const;
};
