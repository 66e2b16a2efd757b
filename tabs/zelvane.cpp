// Zelvane tab: the controller of its selectors and run, and the glue between
// the form and the run model (zelvanemodel.h).
#include "wattlan.h"

#include "cframe.h"
#include "cwidget.h"
#include "familyrule.h"
#include "framerun.h"
#include "jwidget.h"
#include "prompter.h"
#include "selectors.h"
#include "zelvanerules.h"
#include "zvrecords.h"

#include <QPalette>

#include <cmath>
#include <limits>

namespace {

// The selector's figure, or the spin box's when "Other", its last entry, is chosen.
double chosenFigure(const QComboBox *combo, const QSpinBox *spin)
{
    if (combo->currentIndex() == combo->count() - 1)
        return spin->value();
    return combo->currentText().toDouble();
}

void showOtherSpin(QSpinBox *spin, const QComboBox *combo, int index)
{
    spin->setVisible(index == combo->count() - 1);
}

const QColor ValidRunColor(192, 255, 192);
const QColor InvalidRunColor(255, 128, 128);

} // namespace

// Calculation -------------------------------------------------------------

void Wattlan::ZV_Update()
{
    const ZelvaneModel::Result result = m_ZV_EditedRun.calculate(ZV_Inputs());
    ui.m_ZV_DerateLoad_Label->setText(
        tr("(derated to %1 amps)").arg(result.deratedLoad, 0, 'g', 6));
    ui.m_ZV_TotalFixtures_Label->setText(
        QStringLiteral("Total Fixtures: %1").arg(ui.m_ZV_Frame->fixtureCount()));
    ui.m_ZV_Frame->setValid(result.valid);
    ZV_ShowResult(result);
    statusMessage(ZelvaneModel::logLine(result));
}

void Wattlan::ZV_ShowResult(const ZelvaneModel::Result &result)
{
    QPalette palette = ui.m_ZV_TotalPower_Label->palette();
    palette.setBrush(QPalette::Base, QBrush(result.valid ? ValidRunColor : InvalidRunColor));
    const QString report = ZelvaneModel::limitReport(result);
    const std::pair<QLineEdit *, double> fields[] = {
        {ui.m_ZV_TotalPowerWatts_Edit, result.totals.power},
        {ui.m_ZV_TotalPowerAmps_Edit, result.current},
    };
    for (const auto &[edit, figure] : fields) {
        edit->setPalette(palette);
        edit->setAlignment(Qt::AlignHCenter);
        edit->setText(ZelvaneModel::fieldText(figure));
        edit->setToolTip(report);
    }
}

QString Wattlan::ZV_CellTip(int index) const
{
    const ZVFixture *fixture = ZV_SelectedFixture();
    const int position = RunProfile::modelPosition(ui.m_ZV_Frame->cells(), index,
        [this](const CWidget *cell) { return ZV_SumCell(*cell).has_value(); });
    if (!fixture || position < 0)
        return {};
    return RunProfile::cellTipAt(ZelvaneModel::profile(ZV_Inputs()), position, fixture->MinVoltage);
}

QString Wattlan::ZV_TotalsTip() const
{
    const ZelvaneModel::Inputs inputs = ZV_Inputs();
    QString tip = ZelvaneModel::limitReport(ZelvaneModel::calculate(inputs));
    ZVFixture *fixture = ZV_SelectedFixture();
    if (!fixture)
        return tip;
    const QString next = ZelvaneModel::headroomLine(ZelvaneModel::headroom(
        inputs, fixture->JumperRequired, ZelvaneRules::defaultJumper(*fixture)));
    return next.isEmpty() ? tip : tip + QLatin1Char('\n') + next;
}

ZelvaneModel::Inputs Wattlan::ZV_Inputs() const
{
    ZelvaneModel::Inputs inputs;
    inputs.lineVoltage = ZV_LineVoltage();
    inputs.maxLoad = ZV_MaxLoad();
    if (const ZVFixture *fixture = ZV_SelectedFixture()) {
        inputs.fixture = ZelvaneRules::selectedOf(*fixture);
        if (const ZVPowerSupply *supply = ZV_SelectedSupply())
            inputs.supply = ZelvaneRules::limitsOf(*supply);
        inputs.leader = ZV_SumLeader(*fixture);
    }
    inputs.cells = ZV_SumRun();
    return inputs;
}

QList<ZelvaneModel::Cell> Wattlan::ZV_SumRun() const
{
    // Only the cells that changed since the last look are read again, so
    // that a run grown one fixture at a time costs its new cells only.
    const QList<CWidget *> &frameCells = ui.m_ZV_Frame->cells();
    const int unchanged = ui.m_ZV_Frame->takeUnchangedCount();
    m_ZV_CellsUpTo.resize(unchanged);
    const int kept = unchanged > 0 ? m_ZV_CellsUpTo.constLast() : 0;
    m_ZV_Cells.resize(kept);
    m_ZV_EditedRun.keepFirst(kept);
    for (int i = unchanged; i < frameCells.size(); ++i) {
        if (const std::optional<ZelvaneModel::Cell> figures = ZV_SumCell(*frameCells.at(i)))
            m_ZV_Cells << *figures;
        m_ZV_CellsUpTo << int(m_ZV_Cells.size());
    }
    return m_ZV_Cells;
}

std::optional<ZelvaneModel::Cell> Wattlan::ZV_SumCell(const CWidget &cell) const
{
    const auto *record = qobject_cast<const ZVFixture *>(cell.item());
    if (!record)
        return std::nullopt; // not a Zelvane cell: it adds nothing
    if (cell.itemType() == CWidget::ItemFixture)
        return ZelvaneRules::fixtureCell(*record);
    if (cell.itemType() != CWidget::ItemJumper)
        return std::nullopt;
    const JWidget *jumper = cell.jumperWidget();
    return jumper ? ZelvaneRules::jumperCell(*record, jumper->choice())
                  : ZelvaneModel::Cell::unresolvedJumper(ZelvaneRules::figuresOf(*record));
}

std::optional<ZelvaneModel::Leader> Wattlan::ZV_SumLeader(const ZVFixture &fixture) const
{
    const YmJumper *leader
        = ZelvaneRules::leaderAt(fixture, ui.m_ZV_LeaderType_Combo->currentIndex());
    if (!leader)
        return std::nullopt;
    return ZelvaneRules::leaderOf(*leader,
        ZelvaneRules::gaugeAt(*leader, ui.m_ZV_LeaderSize_Combo->currentIndex()),
        ui.m_ZV_LeaderLength_Spin->value());
}

double Wattlan::ZV_LineVoltage() const
{
    return chosenFigure(ui.m_ZV_LineVoltage_Combo, ui.m_ZV_LineVoltage_Spin);
}

double Wattlan::ZV_MaxLoad() const
{
    return chosenFigure(ui.m_ZV_MaxLoad_Combo, ui.m_ZV_MaxLoad_Spin);
}

ZVFixture *Wattlan::ZV_FixtureAt(int index) const
{
    return Selectors::recordOfEntry(*ui.m_ZVFixture_Combo, index, m_database.m_zvFixtures);
}

ZVFixture *Wattlan::ZV_SelectedFixture() const
{
    const int index = ui.m_ZVFixture_Combo->currentIndex();
    return index < 0 ? nullptr : ZV_FixtureAt(index);
}

ZVPowerSupply *Wattlan::ZV_SelectedSupply() const
{
    const ZVFixture *fixture = ZV_SelectedFixture();
    if (!fixture)
        return nullptr;
    return const_cast<ZVPowerSupply *>(
        ZelvaneRules::supplyAt(*fixture, ui.m_ZVSupply_Combo->currentIndex()));
}

YmJumper *Wattlan::ZV_SelectedLeader() const
{
    const ZVFixture *fixture = ZV_SelectedFixture();
    return fixture ? const_cast<YmJumper *>(
               ZelvaneRules::leaderAt(*fixture, ui.m_ZV_LeaderType_Combo->currentIndex()))
                   : nullptr;
}

// Selectors -----------------------------------------------------------------

void Wattlan::on_m_ZVFixture_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return; // no current entry, as a project file naming an unknown fixture leaves it
    ZVFixture *fixture = ZV_FixtureAt(index);
    if (!fixture) {
        Prompter::warning(this, tr("Wattlan"), tr("Fixture combo mismatch (ZV)!"));
        return;
    }
    if (!sharesFamilyChoices(m_ZV_PreviousFixture, *fixture)) {
        Selectors::fillNames(*ui.m_ZVSupply_Combo, ZelvaneRules::supplyNames(*fixture));
        Selectors::fillNames(*ui.m_ZV_LeaderType_Combo, ZelvaneRules::leaderNames(*fixture));
        ZV_ResetRun();
    }
    m_ZV_PreviousFixture = fixture;
}

void Wattlan::on_m_ZV_LineVoltage_Combo_currentIndexChanged(int index)
{
    showOtherSpin(ui.m_ZV_LineVoltage_Spin, ui.m_ZV_LineVoltage_Combo, index);
    ZV_Update();
}

void Wattlan::on_m_ZV_MaxLoad_Combo_currentIndexChanged(int index)
{
    showOtherSpin(ui.m_ZV_MaxLoad_Spin, ui.m_ZV_MaxLoad_Combo, index);
    ZV_Update();
}

void Wattlan::on_m_ZV_LineVoltage_Spin_valueChanged(int)
{
    ZV_Update();
}

void Wattlan::on_m_ZV_MaxLoad_Spin_valueChanged(int)
{
    ZV_Update();
}

void Wattlan::on_m_ZV_LeaderLength_Spin_valueChanged(int)
{
    ZV_Update();
}

void Wattlan::on_m_ZV_LeaderType_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    // After a switch within one family the row may lie beyond the new
    // fixture's leaders; the calculation then has no leader.
    if (const YmJumper *leader = ZV_SelectedLeader()) {
        const ZelvaneRules::LeaderSetup setup = ZelvaneRules::leaderSetup(*leader);
        if (setup.custom) {
            // Each wire chosen sets the length's maximum through its own slot.
            Selectors::fillNames(*ui.m_ZV_LeaderSize_Combo, setup.gauges);
            if (setup.defaultGaugeRow >= 0)
                ui.m_ZV_LeaderSize_Combo->setCurrentIndex(setup.defaultGaugeRow);
            ui.m_ZV_LeaderSize_Label->show();
            ui.m_ZV_LeaderSize_Combo->show();
        } else {
            ui.m_ZV_LeaderSize_Label->hide();
            ui.m_ZV_LeaderSize_Combo->hide();
            ui.m_ZV_LeaderLength_Spin->setMaximum(setup.lengthMaximum);
        }
        ui.m_ZV_LeaderLength_Spin->setValue(setup.length);
    }
    ZV_Update();
}

void Wattlan::on_m_ZV_LeaderSize_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    const YmJumper *leader = ZV_SelectedLeader();
    if (const YmWire *wire = leader ? ZelvaneRules::gaugeAt(*leader, index) : nullptr)
        ui.m_ZV_LeaderLength_Spin->setMaximum(ZelvaneRules::gaugeLengthMaximum(*wire));
    ZV_Update();
}

// Run edits -------------------------------------------------------------------

void Wattlan::on_m_ZV_AddFixture_Button_clicked(bool)
{
    ZV_AddFixture(false);
}

void Wattlan::on_m_ZV_AddJumper_Button_clicked(bool)
{
    ZV_AddJumper();
}

void Wattlan::on_m_ZV_Delete_Button_clicked(bool)
{
    ui.m_ZV_Frame->removeCell(-1);
    if (ui.m_ZV_Frame->cells().isEmpty())
        ZV_AddFixture(false);
}

void Wattlan::on_m_ZV_Maximize_Button_clicked(bool)
{
    ZV_Maximize();
}

void Wattlan::on_m_ZV_Reset_Button_clicked(bool)
{
    ZV_ResetRun();
}

void Wattlan::ZV_AddFixture(bool continuePattern)
{
    ZVFixture *fixture = ZV_SelectedFixture();
    if (!fixture)
        return; // nothing to add a cell for
    CFrame *frame = ui.m_ZV_Frame;
    if (RunCells::addsJumperFirst(*frame, fixture->JumperRequired, continuePattern))
        ZV_AddJumper();
    auto *cell = new CWidget;
    cell->setFixture(fixture, frame->fixtureCount() + 1);
    frame->addCell(cell);
}

void Wattlan::ZV_AddJumper()
{
    ZVFixture *fixture = ZV_SelectedFixture();
    if (!fixture)
        return;
    CFrame *frame = ui.m_ZV_Frame;
    // A run never ends in two jumpers added here.
    if (RunCells::lastCellIsJumper(*frame))
        return;
    auto *cell = new CWidget;
    cell->setJumper(fixture, RunCells::lastJumper(*frame), -1, -1);
    frame->addCell(cell);
}

void Wattlan::ZV_ResetRun()
{
    const qsizetype cellsBefore = ui.m_ZV_Frame->cells().size();
    ui.m_ZV_Frame->resetFrame();
    ZV_AddFixture(false);
    // Resetting a fresh one-fixture run is no modification.
    if (cellsBefore == 1)
        ui.m_ZV_Frame->clearModified();
}

void Wattlan::ZV_Maximize()
{
    FrameRun run(*ui.m_ZV_Frame, [this](bool continuePattern) { ZV_AddFixture(continuePattern); });
    maximizeRun(run);
}
