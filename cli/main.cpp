// wattlan-cli: checks a product catalogue, reports saved runs and tabulates
// the largest run of every product, with no display.
#include "commands.h"
#include "programlanguage.h"
#include "runsheet.h"
#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char Description[]
    = R"(Checks a Wattlan product catalogue, reports saved runs and tabulates the
largest run of every product, with no display.

Commands:
  check             every problem the window would report at start-up, as
                    FILE:LINE: error: lines in the same order and words, then
                    what loading passes over in silence (unreadable optional
                    figures, duplicate names, fixtures that cannot be
                    calculated, figures out of range or read and ignored,
                    elements the program does not read, unused supplies) as
                    warnings that say what the program does; a last line
                    counts them
  run FILE...       what the window shows after File, Open of each project
                    file; several files give one table, one row each;
                    --sheet OUT.pdf also prints a run sheet of each file for
                    those who build, buy and inspect it
  max-runs          the largest valid run, as Maximize builds it, of every
                    Zelvane fixture, supply, leader, voltage and circuit, of
                    every Tessan fixture, supply and leader, and of every flex
                    string and supply, printed as found; --fixture and
                    --supply keep the rows of matching names

Exit status: 0 all good, 1 findings (a catalogue problem, a run or row
invalid with one fixture), 2 the job could not be done (bad arguments, a
catalogue that cannot be loaded, an unreadable or refused file).

--format json prints one object: check {catalogue, loaded, findings: [{file,
line, column, severity, message}], errors, warnings}; run {runs: [{file,
opened, refusal | fixture, supply, lineVoltage, effectiveVoltage, circuit,
deratedLoad, leader, leaderLength, fixtures, length, power, current,
voltageDrop, endVoltage, valid, limits: [{check, figure, limit, holds,
text}], profile: [...], headroom}]}; max-runs {rows: [{kind, fixture,
supply, leader, wire, leaderLength, voltage, load, fixtures, length, power,
current, voltageDrop, valid, stop}]}.)";

// One clear line and status 2.
int usageError(const QString &text)
{
    std::fprintf(stderr, "wattlan-cli: %s (see wattlan-cli --help)\n", qPrintable(text));
    return Cli::Failed;
}

bool parseList(const QString &text, QList<double> &values)
{
    values.clear();
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (!ok || !(value > 0) || !std::isfinite(value))
            return false;
        values << value;
    }
    return !values.isEmpty();
}

bool parseCount(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0;
}

// Drawing text needs the toolkit's fonts, which only a GUI application
// object provides; the offscreen platform keeps it free of a display.
bool drawsPictures(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--plot", 6) == 0 || std::strncmp(argv[i], "--sheet", 7) == 0)
            return true;
    return false;
}

// The toolkit's diagnostics (a signal the form names but a combo box lacks,
// a missing runtime folder) mean nothing to the user of the tool.
void quietDiagnostics(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "wattlan-cli: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietDiagnostics);
    std::unique_ptr<QCoreApplication> app;
    if (drawsPictures(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("wattlan-cli"));
    // The program's texts in the system's language, as the window has them.
    const ProgramLanguage language;
    QCoreApplication::setApplicationVersion(Version::text());

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption catalogueOption(QStringLiteral("catalogue"),
        QStringLiteral("The folder of the three database files (default: beside the program, "
                       "as the window reads them)."),
        QStringLiteral("DIR"), QCoreApplication::applicationDirPath());
    const QCommandLineOption formatOption(QStringLiteral("format"),
        QStringLiteral("text (default), json, or for a table csv or markdown."),
        QStringLiteral("FORMAT"), QStringLiteral("text"));
    const QCommandLineOption plotOption(QStringLiteral("plot"),
        QStringLiteral("run: draw the voltage along the run into OUT (.svg or .png)."),
        QStringLiteral("OUT"));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
        QStringLiteral("run: write the run sheet of each file into OUT (PDF), and a summary "
                       "page when there are several."),
        QStringLiteral("OUT"));
    const QCommandLineOption pageOption(QStringLiteral("page"),
        QStringLiteral("run: the sheet's paper, a4 or letter (default: as the locale has it)."),
        QStringLiteral("SIZE"));
    const QCommandLineOption voltageOption(QStringLiteral("voltage"),
        QStringLiteral("max-runs: line voltages (default 100,120,208,220,240,277)."),
        QStringLiteral("V,..."));
    const QCommandLineOption loadOption(QStringLiteral("load"),
        QStringLiteral("max-runs: circuit ratings in amps (default 15,20)."),
        QStringLiteral("A,..."));
    const QCommandLineOption spacingOption(QStringLiteral("spacing"),
        QStringLiteral("max-runs: flex node spacing in inches (default 4)."), QStringLiteral("IN"));
    const QCommandLineOption leaderOption(QStringLiteral("leader"),
        QStringLiteral("max-runs: flex leader in feet for the node count (default 20)."),
        QStringLiteral("FT"));
    const QCommandLineOption nodesOption(QStringLiteral("nodes"),
        QStringLiteral("max-runs: flex node count for the longest leader (default 50)."),
        QStringLiteral("N"));
    const QCommandLineOption fixtureOption(QStringLiteral("fixture"),
        QStringLiteral("max-runs: only fixtures whose names contain TEXT (any letter case)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption supplyOption(QStringLiteral("supply"),
        QStringLiteral("max-runs: only supplies whose names contain TEXT (any letter case)."),
        QStringLiteral("TEXT"));
    parser.addOptions(
        {catalogueOption, formatOption, plotOption, sheetOption, pageOption, voltageOption,
            loadOption, spacingOption, leaderOption, nodesOption, fixtureOption, supplyOption});
    parser.addPositionalArgument(QStringLiteral("command"),
        QStringLiteral("check, run or max-runs."), QStringLiteral("COMMAND"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("run: the project files."),
        QStringLiteral("[FILE...]"));

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return Cli::AllGood;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("wattlan-cli %s\n", qPrintable(QCoreApplication::applicationVersion()));
        return Cli::AllGood;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given (check, run or max-runs)"));
    const QString command = positional.takeFirst();

    const QString formatName = parser.value(formatOption);
    Cli::Format format = Cli::Format::Text;
    if (formatName == QLatin1String("json"))
        format = Cli::Format::Json;
    else if (formatName == QLatin1String("csv"))
        format = Cli::Format::Csv;
    else if (formatName == QLatin1String("markdown"))
        format = Cli::Format::Markdown;
    else if (formatName != QLatin1String("text"))
        return usageError(
            QStringLiteral("unknown format '%1' (text, json, csv, markdown)").arg(formatName));

    const auto misplaced = [&](const QList<const QCommandLineOption *> &options) -> QString {
        for (const QCommandLineOption *option : options)
            if (parser.isSet(*option))
                return option->names().constFirst();
        return QString();
    };
    const QList<const QCommandLineOption *> maxRunsOptions {&voltageOption, &loadOption,
        &spacingOption, &leaderOption, &nodesOption, &fixtureOption, &supplyOption};
    QList<const QCommandLineOption *> notHere = maxRunsOptions;
    if (command == QLatin1String("max-runs"))
        notHere.clear();
    if (command != QLatin1String("run"))
        notHere << &plotOption << &sheetOption << &pageOption;
    if (const QString option = misplaced(notHere); !option.isEmpty())
        return usageError(QStringLiteral("--%1 does not apply to %2").arg(option, command));

    const QDir catalogue(parser.value(catalogueOption));
    if (command != QLatin1String("check") && command != QLatin1String("run")
        && command != QLatin1String("max-runs"))
        return usageError(
            QStringLiteral("unknown command '%1' (check, run or max-runs)").arg(command));
    // A folder with some of the files is a catalogue that cannot be loaded,
    // which the commands report as the window would.
    if (!Cli::holdsADatabaseFile(catalogue))
        return usageError(QStringLiteral("%1 does not hold the three database files "
                                         "(ym_config_zv.xml, ym_config_ob.xml, ym_config_ts.xml)")
                              .arg(catalogue.absolutePath()));

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (command == QLatin1String("check")) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("check takes no file"));
        if (format == Cli::Format::Csv || format == Cli::Format::Markdown)
            return usageError(QStringLiteral("check prints text or json"));
        return Cli::check(catalogue, format, out);
    }
    if (command == QLatin1String("run")) {
        if (positional.isEmpty())
            return usageError(QStringLiteral("run needs at least one project file"));
        const QString plot = parser.value(plotOption);
        if (!plot.isEmpty() && positional.size() != 1)
            return usageError(QStringLiteral("--plot draws one run: give one file"));
        if (!plot.isEmpty() && !plot.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
            && !plot.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            return usageError(QStringLiteral("--plot writes .svg or .png: %1").arg(plot));
        Cli::Drawings drawings {
            plot, parser.value(sheetOption), RunSheet::defaultPage(QLocale::system())};
        const QString page = parser.value(pageOption).toLower();
        if (page == QLatin1String("letter"))
            drawings.page = QPageSize::Letter;
        else if (page == QLatin1String("a4"))
            drawings.page = QPageSize::A4;
        else if (parser.isSet(pageOption))
            return usageError(QStringLiteral("--page is a4 or letter: %1").arg(page));
        if (parser.isSet(pageOption) && drawings.sheet.isEmpty())
            return usageError(QStringLiteral("--page sizes the sheet: give --sheet too"));
        return Cli::run(catalogue, positional, drawings, format, out, err);
    }

    if (!positional.isEmpty())
        return usageError(QStringLiteral("max-runs takes no file"));
    MaxRuns::Options options;
    if (parser.isSet(voltageOption) && !parseList(parser.value(voltageOption), options.voltages))
        return usageError(QStringLiteral("--voltage needs positive numbers separated by commas: %1")
                              .arg(parser.value(voltageOption)));
    if (parser.isSet(loadOption) && !parseList(parser.value(loadOption), options.loads))
        return usageError(QStringLiteral("--load needs positive numbers separated by commas: %1")
                              .arg(parser.value(loadOption)));
    const std::pair<const QCommandLineOption *, int *> counts[]
        = {{&spacingOption, &options.flexSpacing}, {&leaderOption, &options.flexLeader},
            {&nodesOption, &options.flexNodes}};
    for (const auto &[option, target] : counts)
        if (parser.isSet(*option) && !parseCount(parser.value(*option), *target))
            return usageError(QStringLiteral("--%1 needs a whole number: %2")
                                  .arg(option->names().constFirst(), parser.value(*option)));
    options.fixtureFilter = parser.value(fixtureOption);
    options.supplyFilter = parser.value(supplyOption);
    return Cli::maxRuns(catalogue, options, format, out, err);
}
