#include "runreport.h"

#include "database.h"
#include "ymcable.h"
#include "zelvanerules.h"
#include "zelvanetab.h"
#include "zvrecords.h"

#include <QDomDocument>

namespace RunReport {

namespace {

// The tab's Zelvane cells with their names, one for one with the model's.
QList<BuiltCell> builtCells(const ZelvaneTab &tab)
{
    QList<BuiltCell> built;
    for (const RunCell &cell : tab.cells()) {
        const auto *record = qobject_cast<const ZVFixture *>(cell.fixture);
        if (!record)
            continue; // not a Zelvane cell: the model leaves it out too
        BuiltCell b;
        b.fixture = cell.kind == RunCell::Fixture;
        if (b.fixture) {
            b.name = record->Name;
        } else if (const YmJumper *type = JumperChoices::type(record, cell.jumper)) {
            b.name = type->Name;
            b.custom = type->IsCustom;
            const YmWire *wire = JumperChoices::wire(record, cell.jumper);
            b.gauge = b.custom && wire ? wire->Name : QString();
            b.length = b.custom ? cell.jumper.length : type->ElectricalLength;
        }
        built << b;
    }
    return built;
}

} // namespace

Report evaluate(const Database &database, const QString &file, const QDomElement &root)
{
    Report report;
    report.file = file;
    report.catalogueVersion = database.m_dbVersion;
    ZelvaneTab tab(database);
    tab.open(root);
    report.settings = tab.settings();
    report.inputs = tab.inputs();
    report.result = ZelvaneModel::calculate(report.inputs);
    report.profile = ZelvaneModel::profile(report.inputs);
    report.built = builtCells(tab);
    if (const ZVFixture *fixture = tab.fixture()) {
        report.next = ZelvaneModel::headroom(
            report.inputs, fixture->JumperRequired, ZelvaneRules::defaultJumper(*fixture));
        report.headroom = ZelvaneModel::headroomLine(report.next);
        report.minimumVoltage
            = ZelvaneRules::lowestAllowedVoltage(*report.inputs.fixture, report.result.voltage);
    }
    return report;
}

Report open(const Database &database, const QString &file)
{
    QDomDocument document;
    QString reason;
    const ProjectFormat::LoadResult loaded = ProjectFormat::load(file, document, &reason);
    if (loaded == ProjectFormat::LoadResult::Loaded)
        return evaluate(database, file, document.documentElement());
    Report report;
    report.file = file;
    report.catalogueVersion = database.m_dbVersion;
    report.refusal = ProjectFormat::refusal(loaded, file, reason);
    return report;
}

bool openAll(
    const QDir &catalogue, const QStringList &files, QList<Report> &reports, int &catalogueProblems)
{
    catalogueProblems = 0;
    Database database;
    database.setReporter([&catalogueProblems](const QString &) { ++catalogueProblems; });
    if (!database.load(catalogue))
        return false;
    for (const QString &file : files)
        reports << open(database, file);
    return true;
}

} // namespace RunReport
