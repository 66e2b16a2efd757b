#include "projectformat.h"

#include "version.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {
const QString RootTag = QStringLiteral("Wattlan");

// The texts are shown by the main window, so they are translated in its context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Wattlan)
};

QString atPosition(qint64 line, qint64 column, const QString &what)
{
    return Texts::tr("Line %1, column %2: %3").arg(line).arg(column).arg(what);
}

QString atLine(const QXmlStreamReader &reader, const QString &what)
{
    return atPosition(reader.lineNumber(), reader.columnNumber(), what);
}

// Checks well-formedness and the bounds with a streaming pass, so that
// the document parser never meets a hostile structure: it takes time
// quadratic in the nesting depth.
bool withinBounds(const QByteArray &bytes, QString *reason)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > ProjectFormat::MaxNesting) {
                *reason = atLine(reader,
                    Texts::tr("elements are nested more than %1 levels deep.")
                        .arg(ProjectFormat::MaxNesting));
                return false;
            }
            if (++elements > ProjectFormat::MaxElements) {
                *reason
                    = Texts::tr("It holds more than %1 elements.").arg(ProjectFormat::MaxElements);
                return false;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        *reason = atLine(reader, reader.errorString());
        return false;
    }
    return true;
}

bool parse(const QByteArray &bytes, QDomDocument &document, QString *reason)
{
    if (!withinBounds(bytes, reason))
        return false;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(bytes, true, &message, &line, &column)) {
        *reason = atPosition(line, column, message);
        return false;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != RootTag) {
        *reason = Texts::tr("Its root element is \"%1\", not \"Wattlan\".").arg(root.tagName());
        return false;
    }
    return true;
}

int integerAttribute(const QDomElement &element, const QString &name, const QString &fallback)
{
    return element.attribute(name, fallback).toInt(); // not a number: 0
}
} // namespace

namespace ProjectFormat {

QString otherText()
{
    return QStringLiteral("Other");
}

QString customLeaderText()
{
    return QStringLiteral("Custom Leader");
}

QByteArray serialise(
    const ZelvaneSettings &settings, const std::function<void(QXmlStreamWriter &)> &writeRun)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    // No XML declaration; the document type on a line of its own.
    writer.writeDTD(QStringLiteral("<!DOCTYPE WattlanConfigurationFile>"));
    writer.writeCharacters(QStringLiteral("\n"));
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);

    writer.writeStartElement(RootTag);
    writer.writeAttribute(QStringLiteral("fileVersion"), QStringLiteral("1.0"));
    writer.writeAttribute(QStringLiteral("appVersion"), Version::text());
    writer.writeAttribute(QStringLiteral("CurrentFixtureName"), settings.fixtureName);
    writer.writeAttribute(QStringLiteral("CurrentSupplyName"), settings.supplyName);
    writer.writeAttribute(QStringLiteral("LineVoltage"), settings.lineVoltage);
    if (settings.lineVoltage == otherText())
        writer.writeAttribute(
            QStringLiteral("CustomLineVoltage"), QString::number(settings.customLineVoltage));
    writer.writeAttribute(QStringLiteral("MaxCircuitLoad"), settings.maxCircuitLoad);
    if (settings.maxCircuitLoad == otherText())
        writer.writeAttribute(
            QStringLiteral("CustomMaxCircuitLoad"), QString::number(settings.customMaxCircuitLoad));
    writer.writeAttribute(QStringLiteral("LeaderType"), settings.leaderType);
    if (settings.leaderType == customLeaderText())
        writer.writeAttribute(QStringLiteral("CustomLeaderGauge"), settings.customLeaderGauge);
    writer.writeAttribute(QStringLiteral("LeaderLength"), QString::number(settings.leaderLength));
    if (writeRun)
        writeRun(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    return bytes;
}

LoadResult load(const QString &fileName, QDomDocument &document, QString *reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *reason = file.errorString();
        return LoadResult::Unreadable;
    }
    // Read one byte past the bound: devices report no size of their own.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return LoadResult::Unreadable;
    }
    if (bytes.size() > MaxFileBytes) {
        *reason = Texts::tr("It is larger than %1 MB.").arg(MaxFileBytes / (1024 * 1024));
        return LoadResult::NotConfiguration;
    }
    return parse(bytes, document, reason) ? LoadResult::Loaded : LoadResult::NotConfiguration;
}

QString refusal(LoadResult result, const QString &fileName, const QString &reason)
{
    if (result == LoadResult::Unreadable)
        return Texts::tr("Cannot read file %1:\n%2.").arg(fileName, reason);
    return Texts::tr("%1 is not a Wattlan configuration.\n%2").arg(fileName, reason);
}

ZelvaneSettings settingsFrom(const QDomElement &root)
{
    ZelvaneSettings settings;
    settings.fixtureName = root.attribute(QStringLiteral("CurrentFixtureName"));
    settings.supplyName = root.attribute(QStringLiteral("CurrentSupplyName"));
    settings.lineVoltage = root.attribute(QStringLiteral("LineVoltage"));
    settings.customLineVoltage
        = integerAttribute(root, QStringLiteral("CustomLineVoltage"), QStringLiteral("120"));
    settings.maxCircuitLoad = root.attribute(QStringLiteral("MaxCircuitLoad"));
    settings.customMaxCircuitLoad
        = integerAttribute(root, QStringLiteral("CustomMaxCircuitLoad"), QStringLiteral("15"));
    settings.leaderType = root.attribute(QStringLiteral("LeaderType"));
    settings.customLeaderGauge = root.attribute(QStringLiteral("CustomLeaderGauge"));
    settings.leaderLength
        = integerAttribute(root, QStringLiteral("LeaderLength"), QStringLiteral("0"));
    return settings;
}

} // namespace ProjectFormat
