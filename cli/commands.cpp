#include "commands.h"

#include "check.h"
#include "database.h"
#include "maxrunsoutput.h"
#include "runreport.h"
#include "sheetinput.h"
#include "table.h"
#include "zelvanerules.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Cli {

namespace {

void printJson(const QJsonObject &object, QTextStream &out)
{
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void printTable(const TextTable &table, Format format, QTextStream &out)
{
    switch (format) {
    case Format::Csv:
        out << table.csv();
        break;
    case Format::Markdown:
        out << table.markdown();
        break;
    default:
        out << table.text();
    }
}

// Says on err why the catalogue could not be loaded, or how many problems the
// window would report in it; false when it could not be loaded.
bool reportLoad(const QDir &catalogue, bool loaded, int problems, QTextStream &err)
{
    if (!loaded) {
        err << QCoreApplication::translate("Cli",
            "wattlan-cli: the catalogue in %1 cannot be loaded (wattlan-cli check says "
            "why)\n")
                   .arg(catalogue.absolutePath());
        return false;
    }
    if (problems > 0)
        err << QCoreApplication::translate("Cli",
            "wattlan-cli: warning: the catalogue has %1 problem(s) the window would "
            "report (see wattlan-cli check)\n")
                   .arg(problems);
    return true;
}

// Rows beyond what the window offers are computed all the same; say so once.
void noteBeyondTheWindow(const MaxRuns::Options &options, QTextStream &err)
{
    const auto beyond = [](const QList<double> &values, double low, double high) {
        return std::any_of(values.cbegin(), values.cend(),
            [low, high](double value) { return value < low || value > high; });
    };
    if (beyond(options.voltages, ZelvaneRules::MinimumLineVoltage, ZelvaneRules::MaximumLineVoltage)
        || beyond(
            options.loads, ZelvaneRules::MinimumCircuitLoad, ZelvaneRules::MaximumCircuitLoad))
        err << QCoreApplication::translate("Cli",
            "wattlan-cli: note: the window offers line voltages of %1 to %2 V and circuits "
            "of %3 to %4 A; the rows beyond them are computed all the same\n")
                   .arg(ZelvaneRules::MinimumLineVoltage)
                   .arg(ZelvaneRules::MaximumLineVoltage)
                   .arg(ZelvaneRules::MinimumCircuitLoad)
                   .arg(ZelvaneRules::MaximumCircuitLoad);
}

} // namespace

bool holdsADatabaseFile(const QDir &catalogue)
{
    return std::any_of(std::begin(Database::FileNames), std::end(Database::FileNames),
        [&catalogue](const char *name) { return catalogue.exists(QLatin1String(name)); });
}

// check ----------------------------------------------------------------------

int check(const QDir &catalogue, Format format, QTextStream &out)
{
    const CatalogueCheck::Report report = CatalogueCheck::check(catalogue);
    const int errors = report.count(CatalogueCheck::Finding::Error);
    const int warnings = report.count(CatalogueCheck::Finding::Warning);
    if (format == Format::Json) {
        QJsonArray findings;
        for (const CatalogueCheck::Finding &f : report.findings)
            findings << QJsonObject {{QStringLiteral("file"), f.file},
                {QStringLiteral("line"), f.line}, {QStringLiteral("column"), f.column},
                {QStringLiteral("severity"),
                    f.severity == CatalogueCheck::Finding::Error ? QStringLiteral("error")
                                                                 : QStringLiteral("warning")},
                {QStringLiteral("message"), f.text}};
        printJson(
            QJsonObject {{QStringLiteral("catalogue"), catalogue.absolutePath()},
                {QStringLiteral("loaded"), report.loaded}, {QStringLiteral("findings"), findings},
                {QStringLiteral("errors"), errors}, {QStringLiteral("warnings"), warnings}},
            out);
    } else {
        for (const CatalogueCheck::Finding &f : report.findings)
            out << CatalogueCheck::formatted(f) << '\n';
        out << QStringLiteral("%1 error%2, %3 warning%4")
                   .arg(errors)
                   .arg(errors == 1 ? "" : "s")
                   .arg(warnings)
                   .arg(warnings == 1 ? "" : "s");
        if (!report.loaded)
            out << QStringLiteral("; the catalogue cannot be loaded");
        out << '\n';
    }
    if (!report.loaded)
        return Failed;
    return report.findings.isEmpty() ? AllGood : Findings;
}

// max-runs ---------------------------------------------------------------------

int maxRuns(const QDir &catalogue, const MaxRuns::Options &options, Format format, QTextStream &out,
    QTextStream &err)
{
    Database database;
    int problems = 0;
    database.setReporter([&problems](const QString &) { ++problems; });
    const bool loaded = database.load(catalogue);
    if (!reportLoad(catalogue, loaded, problems, err))
        return Failed;
    noteBeyondTheWindow(options, err);
    bool invalid = false;
    MaxRunsPrinter printer(format, out, database, options);
    MaxRuns::forEachRow(database, options, [&](const MaxRuns::Row &row) {
        invalid = invalid || !row.valid;
        printer.print(row);
    });
    printer.finish();
    return problems > 0 || invalid ? Findings : AllGood;
}

// run --------------------------------------------------------------------------

namespace {

QString checkName(ZelvaneModel::Check check)
{
    static const char *const names[] = {"deratedLoad", "supplyFixtureCount", "supplyLength",
        "voltageDrop", "endVoltage", "voltageDropShare", "power", "fixtureCurrent", "fixtureLength",
        "fixture", "supply", "leader", "jumpers", "finiteFigures"};
    return QLatin1String(names[int(check)]);
}

QString leaderText(const RunReport::Report &r)
{
    QString text = r.settings.leaderType;
    if (r.settings.leaderType == ProjectFormat::customLeaderText())
        text += QStringLiteral(" (%1)").arg(r.settings.customLeaderGauge);
    return text;
}

QJsonObject runJson(const RunReport::Report &r)
{
    QJsonObject object {{QStringLiteral("file"), r.file}, {QStringLiteral("opened"), r.opened()}};
    if (!r.opened()) {
        object.insert(QStringLiteral("refusal"), r.refusal);
        return object;
    }
    QJsonArray limits;
    for (const ZelvaneModel::LimitCheck &c : r.result.checks)
        limits << QJsonObject {{QStringLiteral("check"), checkName(c.check)},
            {QStringLiteral("figure"), c.figure}, {QStringLiteral("limit"), c.limit},
            {QStringLiteral("holds"), c.holds},
            {QStringLiteral("text"), ZelvaneModel::describe(c, r.result)}};
    const ZelvaneModel::Totals &t = r.result.totals;
    object.insert(QStringLiteral("fixture"), r.settings.fixtureName);
    object.insert(QStringLiteral("supply"), r.settings.supplyName);
    object.insert(QStringLiteral("lineVoltage"), r.inputs.lineVoltage);
    object.insert(QStringLiteral("effectiveVoltage"), r.result.voltage);
    object.insert(QStringLiteral("circuit"), r.inputs.maxLoad);
    object.insert(QStringLiteral("deratedLoad"), r.result.deratedLoad);
    object.insert(QStringLiteral("leader"), leaderText(r));
    object.insert(QStringLiteral("leaderLength"), r.inputs.leader ? r.inputs.leader->length : 0);
    object.insert(QStringLiteral("fixtures"), r.result.fixtureCount);
    object.insert(QStringLiteral("length"), t.length);
    object.insert(QStringLiteral("power"), t.power);
    object.insert(QStringLiteral("current"), r.result.current);
    object.insert(QStringLiteral("voltageDrop"), t.voltageDrop);
    object.insert(QStringLiteral("endVoltage"), r.endVoltage());
    object.insert(QStringLiteral("valid"), r.result.valid);
    object.insert(QStringLiteral("limits"), limits);
    QJsonArray cells;
    for (const ZelvaneModel::CellProfile &c : r.profile.cells)
        cells << QJsonObject {{QStringLiteral("cell"), c.index + 1},
            {QStringLiteral("kind"),
                c.kind == ZelvaneModel::CellProfile::Fixture ? QStringLiteral("fixture")
                                                             : QStringLiteral("jumper")},
            {QStringLiteral("fixture"), c.fixtureNumber},
            {QStringLiteral("inputVoltage"), c.inputVoltage}, {QStringLiteral("drop"), c.drop},
            {QStringLiteral("power"), c.load}};
    object.insert(QStringLiteral("profile"),
        QJsonObject {{QStringLiteral("supplyVoltage"), r.profile.supplyVoltage},
            {QStringLiteral("leaderDrop"), r.profile.leaderDrop},
            {QStringLiteral("farEndVoltage"), r.profile.farEndVoltage},
            {QStringLiteral("cells"), cells}});
    object.insert(QStringLiteral("headroom"), r.headroom);
    return object;
}

void printOne(const RunReport::Report &r, QTextStream &out)
{
    const ZelvaneModel::Totals &t = r.result.totals;
    const auto field = [&out](const char *name, const QString &value) {
        out << "  " << QString::fromLatin1(name).leftJustified(14) << value << '\n';
    };
    out << r.file << '\n';
    field("Fixture", r.settings.fixtureName);
    field("Supply", r.settings.supplyName);
    field("Line voltage",
        QStringLiteral("%1 V (effective %2 V)")
            .arg(figure(r.inputs.lineVoltage), figure(r.result.voltage)));
    field("Circuit",
        QStringLiteral("%1 A (derated to %2 A)")
            .arg(figure(r.inputs.maxLoad), figure(r.result.deratedLoad)));
    field("Leader",
        QStringLiteral("%1, %2 ft")
            .arg(leaderText(r), figure(r.inputs.leader ? r.inputs.leader->length : 0)));
    field("Fixtures", QString::number(r.result.fixtureCount));
    field("Length", figure(t.length) + QStringLiteral(" ft"));
    field("Power", figure(t.power) + QStringLiteral(" W"));
    field("Current", figure(r.result.current) + QStringLiteral(" A"));
    field("Voltage drop", figure(t.voltageDrop) + QStringLiteral(" V"));
    field("End voltage", figure(r.endVoltage()) + QStringLiteral(" V"));
    field("Valid", yesNo(r.result.valid));
    out << "  Limits:\n";
    for (const QString &line : ZelvaneModel::limitReport(r.result).split(QLatin1Char('\n')))
        out << "    " << line << '\n';
    if (!r.headroom.isEmpty())
        out << "    " << r.headroom << '\n';
    out << "  Profile (volts at each fixture's input):\n";
    for (const ZelvaneModel::CellProfile &c : r.profile.cells)
        if (c.kind == ZelvaneModel::CellProfile::Fixture)
            out << "    " << QString::number(c.fixtureNumber).rightJustified(4) << "  "
                << figure(c.inputVoltage) << " V\n";
    out << "    " << QStringLiteral("end").rightJustified(4) << "  "
        << figure(r.profile.farEndVoltage) << " V\n";
}

// Draws the plot and the sheets the user asked for; false, with the reason
// on err, when a file cannot be written.
bool draw(const QList<RunReport::Report> &reports, const Drawings &drawings, QTextStream &err)
{
    QString error;
    if (!drawings.plot.isEmpty() && reports.size() == 1 && reports.first().opened()) {
        const RunReport::Report &report = reports.first();
        VoltagePlot::Data data = RunSheet::plotData(SheetInput::sheetRun(report));
        data.title = QStringLiteral("%1: %2, %3 fixtures")
                         .arg(QFileInfo(report.file).fileName(), report.settings.fixtureName)
                         .arg(report.result.fixtureCount);
        if (!VoltagePlot::write(data, drawings.plot, &error)) {
            err << "wattlan-cli: " << error << '\n';
            return false;
        }
    }
    if (!drawings.sheet.isEmpty()) {
        QList<RunSheet::Run> runs;
        for (const RunReport::Report &report : reports)
            runs << SheetInput::sheetRun(report);
        if (!RunSheet::writePdf(runs, RunSheet::madeAt(), drawings.page, drawings.sheet, &error)) {
            err << "wattlan-cli: " << error << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int run(const QDir &catalogue, const QStringList &files, const Drawings &drawings, Format format,
    QTextStream &out, QTextStream &err)
{
    QList<RunReport::Report> reports;
    int problems = 0;
    const bool loaded = RunReport::openAll(catalogue, files, reports, problems);
    if (!reportLoad(catalogue, loaded, problems, err))
        return Failed;
    if (!draw(reports, drawings, err))
        return Failed;

    bool refused = false;
    bool invalid = false;
    for (const RunReport::Report &r : reports) {
        refused = refused || !r.opened();
        invalid = invalid || (r.opened() && !r.result.valid);
        if (!r.opened())
            err << QCoreApplication::translate("Cli", "wattlan-cli: %1: refused: %2\n")
                       .arg(
                           r.file, QString(r.refusal).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }

    if (format == Format::Json) {
        QJsonArray runs;
        for (const RunReport::Report &r : reports)
            runs << runJson(r);
        printJson(QJsonObject {{QStringLiteral("runs"), runs}}, out);
    } else if (reports.size() == 1 && format == Format::Text) {
        if (reports.first().opened())
            printOne(reports.first(), out);
    } else {
        TextTable table;
        table.headers = QStringList {QStringLiteral("file"), QStringLiteral("fixture"),
            QStringLiteral("supply"), QStringLiteral("volts"), QStringLiteral("load_a"),
            QStringLiteral("leader"), QStringLiteral("leader_ft"), QStringLiteral("fixtures"),
            QStringLiteral("length_ft"), QStringLiteral("power_w"), QStringLiteral("current_a"),
            QStringLiteral("drop_v"), QStringLiteral("end_v"), QStringLiteral("valid"),
            QStringLiteral("next_fixture")};
        for (const RunReport::Report &r : reports) {
            if (!r.opened()) {
                table.rows << QStringList {r.file, QString(), QString(), QString(), QString(),
                    QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                    QString(), QStringLiteral("refused"), QString()};
                continue;
            }
            const ZelvaneModel::Totals &t = r.result.totals;
            table.rows << QStringList {r.file, r.settings.fixtureName, r.settings.supplyName,
                figure(r.inputs.lineVoltage), figure(r.inputs.maxLoad), leaderText(r),
                figure(r.inputs.leader ? r.inputs.leader->length : 0),
                QString::number(r.result.fixtureCount), figure(t.length), figure(t.power),
                figure(r.result.current), figure(t.voltageDrop), figure(r.endVoltage()),
                yesNo(r.result.valid), r.headroom};
        }
        printTable(table, format, out);
    }
    if (refused)
        return Failed;
    return invalid || problems > 0 ? Findings : AllGood;
}

} // namespace Cli
