#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>
#include <QDir>

namespace {
const QString ProgramName = QStringLiteral("wattlan");

// Options that the toolkit's application object reads from the same command
// line; a value of their own unless named in switches.
void acceptToolkitOptions(QCommandLineParser &parser)
{
    const QStringList withValue {"platform", "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry", "name",
        "title", "visual", "style", "stylesheet", "qmljsdebugger"};
    const QStringList switches {"reverse", "widgetcount", "nograb", "dograb", "testability"};
    for (const QString &name : withValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : switches) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

StartRequest ending(int status, const QString &output, const QString &error = QString())
{
    StartRequest request;
    request.exits = true;
    request.exitStatus = status;
    request.output = output;
    request.error = error;
    return request;
}

// One line, as the command-line companion words its own.
StartRequest badArgument(const QString &text)
{
    return ending(2, QString(), QStringLiteral("%1: %2 (see %1 --help)\n").arg(ProgramName, text));
}
} // namespace

StartRequest readCommandLine(const QStringList &arguments, const QString &callerDirectory)
{
    QCommandLineParser parser;
    // -platform and -style are words, as the toolkit reads them; -f stays short.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Plans LED lighting runs within the limits of their circuit, supply and fixtures.\n"
        "Without options the window offers the Zelvane tab; --full adds the Tessan and\n"
        "flex string tabs, New, Open, Save and Save As for the Zelvane configuration,\n"
        "and Preferences. The toolkit's own options (-platform, -style, ...) are accepted."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Displays version information."));
    const QCommandLineOption full({QStringLiteral("f"), QStringLiteral("full")},
        QStringLiteral("Offers every tool: the Tessan and flex string tabs, the document "
                       "commands and Preferences."));
    parser.addOptions({help, version, full});
    acceptToolkitOptions(parser);
    parser.addPositionalArgument(QStringLiteral("file"),
        QStringLiteral("A project file to open, as File, Open does (with every tool)."),
        QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
        return badArgument(parser.errorText());
    if (parser.isSet(help))
        // Without an application object the parser cannot know the program's name.
        return ending(
            0, parser.helpText().replace(QLatin1String("<executable_name>"), ProgramName));
    if (parser.isSet(version))
        return ending(0, QStringLiteral("Wattlan %1\n").arg(Version::text()));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return badArgument(QStringLiteral("one project file at most, not %1").arg(files.size()));

    StartRequest request;
    request.allTools = parser.isSet(full) || !files.isEmpty();
    if (!files.isEmpty()) {
        const QDir base(callerDirectory.isEmpty() ? QDir::currentPath() : callerDirectory);
        request.projectFile = QDir::cleanPath(base.absoluteFilePath(files.first()));
    }
    return request;
}
