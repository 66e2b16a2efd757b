#include "runreport.h"

#include "database.h"
#include "zelvanerules.h"
#include "zelvanetab.h"
#include "zvrecords.h"

#include <QDomDocument>

namespace RunReport {

namespace {

// What File, Open shows of one file in a window just started on database.
Report open(const Database &database, const QString &file)
{
    Report report;
    report.file = file;
    QDomDocument document;
    QString reason;
    const ProjectFormat::LoadResult loaded = ProjectFormat::load(file, document, &reason);
    if (loaded != ProjectFormat::LoadResult::Loaded) {
        report.refusal = ProjectFormat::refusal(loaded, file, reason);
        return report;
    }
    ZelvaneTab tab(database);
    const QDomElement root = document.documentElement();
    tab.applySettings(ProjectFormat::settingsFrom(root));
    // Last: the run refers to the fixture and its lists set above.
    tab.readRun(root);
    report.settings = tab.settings();
    report.inputs = tab.inputs();
    report.result = ZelvaneModel::calculate(report.inputs);
    report.profile = ZelvaneModel::profile(report.inputs);
    if (const ZVFixture *fixture = tab.fixture()) {
        report.headroom = ZelvaneModel::headroomLine(ZelvaneModel::headroom(
            report.inputs, fixture->JumperRequired, ZelvaneRules::defaultJumper(*fixture)));
        report.minimumVoltage
            = ZelvaneRules::lowestAllowedVoltage(*report.inputs.fixture, report.result.voltage);
    }
    return report;
}

} // namespace

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
