#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <optional>

class QByteArray;

namespace ReVazodiZedid {

// A version as five unsigned fields, most significant first: the release
// series, major, minor, revision and build date (YYYYMMDD).
struct AppVersion
{
    std::array<quint32, 5> fields {};

    // "2.1.6 Build 20120202"; the series is compared but never shown.
    QString toString() const;

    friend bool operator<(const AppVersion &a, const AppVersion &b) { return a.fields < b.fields; }
    friend bool operator==(const AppVersion &a, const AppVersion &b)
    {
        return a.fields == b.fields;
    }
};

// What the update file lists for one application.
struct UpdateEntry
{
    AppVersion version;
    QString downloadUrl;
};

// The entries of an update file by application name.
using UpdateFile = QHash<QString, UpdateEntry>;

// Reads an update file. Anything that is not one as a whole (broken XML, a
// different root, an entry with a missing or non-numeric field, a name listed
// twice) yields nothing, so that a damaged file is never half believed.
std::optional<UpdateFile> parseUpdateFile(const QByteArray &data);

} // namespace ReVazodiZedid
