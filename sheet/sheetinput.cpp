#include "sheetinput.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace SheetInput {

namespace {

QList<RunSheet::Cell> cells(const RunReport::Report &report)
{
    QList<RunSheet::Cell> cells;
    int fixtures = 0;
    for (const RunReport::BuiltCell &built : report.built) {
        RunSheet::Cell cell;
        cell.kind = built.fixture ? RunSheet::Cell::Fixture : RunSheet::Cell::Jumper;
        cell.number = built.fixture ? ++fixtures : 0;
        cell.name = built.name;
        cell.gauge = built.gauge;
        cell.custom = built.custom;
        cell.length = built.length;
        cells << cell;
    }
    // The profile holds the cells the calculation counts, by their place in the run.
    for (const ZelvaneModel::CellProfile &counted : report.profile.cells)
        if (counted.index >= 0 && counted.index < cells.size())
            cells[counted.index].inputVoltage = counted.inputVoltage;
    return cells;
}

} // namespace

RunSheet::Run sheetRun(const RunReport::Report &report)
{
    RunSheet::Run run;
    run.file = QFileInfo(report.file).fileName();
    run.refusal = report.refusal;
    run.catalogueVersion = report.catalogueVersion;
    if (!report.opened())
        return run;
    const ZelvaneSettings &settings = report.settings;
    const ZelvaneModel::Result &result = report.result;
    run.fixture = settings.fixtureName;
    run.supply = settings.supplyName;
    run.lineVoltage = report.inputs.lineVoltage;
    run.effectiveVoltage = result.voltage;
    run.circuit = report.inputs.maxLoad;
    run.deratedLoad = result.deratedLoad;
    run.leaderType = settings.leaderType;
    if (settings.leaderType == ProjectFormat::customLeaderText())
        run.leaderGauge = settings.customLeaderGauge;
    run.leaderLength = report.inputs.leader ? report.inputs.leader->length : 0;
    run.cells = cells(report);
    run.fixtureCount = result.fixtureCount;
    run.length = result.totals.length;
    run.power = result.totals.power;
    run.current = result.current;
    run.voltageDrop = result.totals.voltageDrop;
    run.endVoltage = report.endVoltage();
    run.valid = result.valid;
    // As the totals' tool tip lists them: those that fail first.
    for (const bool holds : {false, true})
        for (const ZelvaneModel::LimitCheck &check : result.checks)
            if (check.holds == holds)
                run.limits << RunSheet::Limit {ZelvaneModel::describe(check, result), holds};
    run.nextFixture = ZelvaneModel::headroomLine(report.next);
    run.supplyVoltage = report.profile.supplyVoltage;
    run.lowestAllowed = report.minimumVoltage;
    return run;
}

} // namespace SheetInput
