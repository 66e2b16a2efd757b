#include "updatefile.h"

#include <QByteArray>
#include <QXmlStreamReader>

namespace ReVazodiZedid {

namespace {
const QLatin1String RootElement("YmAppVersions");
const QLatin1String EntryElement("Application");
const std::array<QLatin1String, 5> FieldAttributes
    = {QLatin1String("series"), QLatin1String("major"), QLatin1String("minor"),
        QLatin1String("revision"), QLatin1String("build")};

std::optional<quint32> readField(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    if (!attributes.hasAttribute(name))
        return std::nullopt;
    bool ok = false;
    const quint32 value = attributes.value(name).toUInt(&ok, 10);
    return ok ? std::optional<quint32>(value) : std::nullopt;
}

// Reads one entry element; the reader is left on its end.
std::optional<std::pair<QString, UpdateEntry>> readEntry(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString name = attributes.value(QLatin1String("name")).toString();
    if (name.isEmpty())
        return std::nullopt;
    UpdateEntry entry;
    for (std::size_t i = 0; i < FieldAttributes.size(); ++i) {
        const std::optional<quint32> field = readField(attributes, FieldAttributes[i]);
        if (!field)
            return std::nullopt;
        entry.version.fields[i] = *field;
    }
    entry.downloadUrl = attributes.value(QLatin1String("download")).toString().trimmed();
    xml.skipCurrentElement();
    return std::make_pair(name, entry);
}
} // namespace

QString AppVersion::toString() const
{
    return QStringLiteral("%1.%2.%3 Build %4")
        .arg(fields[1])
        .arg(fields[2])
        .arg(fields[3])
        .arg(fields[4]);
}

std::optional<UpdateFile> parseUpdateFile(const QByteArray &data)
{
    QXmlStreamReader xml(data);
    if (!xml.readNextStartElement() || xml.name() != RootElement)
        return std::nullopt;

    UpdateFile file;
    while (xml.readNextStartElement()) {
        if (xml.name() != EntryElement) {
            // Room for what later files may add.
            xml.skipCurrentElement();
            continue;
        }
        const auto entry = readEntry(xml);
        if (!entry || file.contains(entry->first))
            return std::nullopt;
        file.insert(entry->first, entry->second);
    }
    // Runs the reader to the end, so that damage after the last entry counts too.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return std::nullopt;
    return file;
}

} // namespace ReVazodiZedid
