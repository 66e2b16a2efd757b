// Tessan tab: controller and run calculation.
#include "cframe.h"
#include "cwidget.h"
#include "familyrule.h"
#include "framerun.h"
#include "jwidget.h"
#include "prompter.h"
#include "records.h"
#include "selectors.h"
#include "tessanmodel.h"
#include "tessanrules.h"
#include "wattlan.h"
#include "zelvanerules.h"

#include <QPalette>

#include <optional>

namespace {

bool isJumperCell(const CWidget *cell)
{
    return cell->itemType() == CWidget::ItemJumper;
}

bool isFixtureCell(const CWidget *cell)
{
    return cell->itemType() == CWidget::ItemFixture;
}

// The cell's figures; a cell of another kind or technology adds nothing.
std::optional<TessanModel::Cell> modelCell(const CWidget *cell)
{
    if (isJumperCell(cell)) {
        const JWidget *jumper = cell->jumperWidget();
        return jumper ? TessanRules::jumperCell(jumper->fixture(), jumper->choice())
                      : TessanModel::Cell::unresolvedJumper();
    }
    const auto *fixture = qobject_cast<const TSFixture *>(cell->item());
    if (!isFixtureCell(cell) || !fixture)
        return std::nullopt;
    return TessanRules::fixtureCell(*fixture);
}

} // namespace

TSFixture *Wattlan::TS_FixtureAt(int comboIndex) const
{
    return Selectors::recordOfEntry(*ui.m_TSFixture_Combo, comboIndex, m_database.m_tsFixtures);
}

TSFixture *Wattlan::TS_SelectedFixture() const
{
    return TS_FixtureAt(ui.m_TSFixture_Combo->currentIndex());
}

TSPowerSupply *Wattlan::TS_SelectedSupply() const
{
    const TSFixture *fixture = TS_SelectedFixture();
    if (!fixture)
        return nullptr;
    return const_cast<TSPowerSupply *>(
        TessanRules::supplyAt(fixture->ValidSupplyList, ui.m_TSSupply_Combo->currentIndex()));
}

YmJumper *Wattlan::TS_SelectedLeader() const
{
    const TSFixture *fixture = TS_SelectedFixture();
    return fixture ? fixture->LeaderList.value(ui.m_TS_LeaderType_Combo->currentIndex()) : nullptr;
}

TessanModel::Inputs Wattlan::TS_Inputs() const
{
    TessanModel::Inputs inputs;
    if (const TSFixture *fixture = TS_SelectedFixture())
        inputs.fixture = TessanRules::selectedOf(*fixture);
    if (const TSPowerSupply *supply = TS_SelectedSupply())
        inputs.supply = TessanRules::limitsOf(*supply);
    if (const YmJumper *leader = TS_SelectedLeader()) {
        const std::optional<double> perFoot = ZelvaneRules::leaderResistancePerFoot(
            *leader, ZelvaneRules::gaugeAt(*leader, ui.m_TS_LeaderSize_Combo->currentIndex()));
        if (perFoot)
            inputs.leader
                = TessanModel::Leader {double(ui.m_TS_LeaderLength_Spin->value()), *perFoot};
    }
    for (const CWidget *cell : ui.m_TS_Frame->cells())
        if (const std::optional<TessanModel::Cell> figures = modelCell(cell))
            inputs.cells << *figures;
    return inputs;
}

QString Wattlan::TS_CellTip(int index) const
{
    const TSFixture *fixture = TS_SelectedFixture();
    const int position = RunProfile::modelPosition(ui.m_TS_Frame->cells(), index,
        [](const CWidget *cell) { return modelCell(cell).has_value(); });
    if (!fixture || position < 0)
        return {};
    return RunProfile::cellTipAt(TessanModel::profile(TS_Inputs()), position, fixture->MinVoltage);
}

QString Wattlan::TS_TotalsTip() const
{
    const TessanModel::Inputs inputs = TS_Inputs();
    QString tip = TessanModel::limitReport(TessanModel::calculate(inputs));
    const TSFixture *fixture = TS_SelectedFixture();
    if (!fixture)
        return tip;
    const QString next = TessanModel::headroomLine(
        TessanModel::headroom(inputs, TessanRules::fixtureCell(*fixture)));
    return next.isEmpty() ? tip : tip + QLatin1Char('\n') + next;
}

void Wattlan::TS_Update()
{
    CFrame *frame = ui.m_TS_Frame;
    ui.m_TS_TotalFixtures_Label->setText(
        QStringLiteral("Total Fixtures: %1").arg(frame->fixtureCount()));
    const TessanModel::Result result = TessanModel::calculate(TS_Inputs());
    frame->setValid(result.valid);

    QPalette palette = ui.m_TS_TotalPower_Label->palette();
    palette.setBrush(QPalette::All, QPalette::Base,
        QBrush(result.valid ? QColor(192, 255, 192) : QColor(255, 128, 128)));
    QLineEdit *watts = ui.m_TS_TotalPowerWatts_Edit;
    watts->setPalette(palette);
    watts->setAlignment(Qt::AlignHCenter);
    watts->setText(QString::number(result.power, 'f', 1));
    watts->setToolTip(TessanModel::limitReport(result));

    statusMessage(TessanModel::logLine(result));
}

void Wattlan::on_m_TSFixture_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return; // the selector was emptied: there is nothing to apply
    TSFixture *fixture = TS_FixtureAt(index);
    if (!fixture) {
        Prompter::warning(this, tr("Wattlan"), tr("Fixture combo mismatch (TS Fixture)!"));
        return;
    }
    if (!sharesFamilyChoices(m_TS_PreviousFixture, *fixture)) {
        Selectors::fillNames(*ui.m_TSSupply_Combo, fixture->ValidSupplyList);
        Selectors::fillNames(*ui.m_TS_LeaderType_Combo, fixture->LeaderList);
        ui.m_TS_Frame->resetFrame();
        TS_AddFixture(false);
    }
    m_TS_PreviousFixture = fixture;
}

void Wattlan::on_m_TS_LeaderType_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    // After a switch within one family the row may lie beyond the new
    // fixture's leaders; the calculation then has no leader.
    if (const YmJumper *leader = TS_SelectedLeader()) {
        const ZelvaneRules::LeaderSetup setup = TessanRules::leaderSetup(*leader);
        if (setup.custom) {
            // The first wire stays selected; its slot sets the length's maximum.
            Selectors::fillNames(*ui.m_TS_LeaderSize_Combo, setup.gauges);
            ui.m_TS_LeaderSize_Label->show();
            ui.m_TS_LeaderSize_Combo->show();
        } else {
            ui.m_TS_LeaderSize_Label->hide();
            ui.m_TS_LeaderSize_Combo->hide();
            ui.m_TS_LeaderLength_Spin->setMaximum(setup.lengthMaximum);
        }
        ui.m_TS_LeaderLength_Spin->setValue(setup.length);
    }
    TS_Update();
}

void Wattlan::on_m_TS_LeaderSize_Combo_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    const YmJumper *leader = TS_SelectedLeader();
    if (const YmWire *wire = leader ? ZelvaneRules::gaugeAt(*leader, index) : nullptr)
        ui.m_TS_LeaderLength_Spin->setMaximum(ZelvaneRules::gaugeLengthMaximum(*wire));
    TS_Update();
}

void Wattlan::on_m_TS_LeaderLength_Spin_valueChanged(int)
{
    TS_Update();
}

void Wattlan::TS_AddFixture(bool continuePattern)
{
    TSFixture *fixture = TS_SelectedFixture();
    if (!fixture)
        return;
    CFrame *frame = ui.m_TS_Frame;
    if (RunCells::addsJumperFirst(*frame, false, continuePattern))
        TS_AddJumper();
    auto *cell = new CWidget;
    cell->setFixture(fixture, frame->fixtureCount() + 1);
    frame->addCell(cell);
}

void Wattlan::TS_AddJumper()
{
    TSFixture *fixture = TS_SelectedFixture();
    if (!fixture)
        return;
    // Several jumpers in a row are allowed, up to the jumper type's limit.
    JWidget *model = RunCells::lastJumper(*ui.m_TS_Frame);
    if (model && model->maxInARow() > 0) {
        // The jumpers at the end of the run that count towards a limit.
        const QList<CWidget *> &cells = ui.m_TS_Frame->cells();
        int inARow = 0;
        for (auto it = cells.crbegin(); it != cells.crend() && !isFixtureCell(*it); ++it) {
            const JWidget *jumper = (*it)->jumperWidget();
            if (isJumperCell(*it) && jumper && jumper->maxInARow() > 0)
                ++inARow;
        }
        if (inARow >= model->maxInARow())
            return;
    }
    auto *cell = new CWidget;
    cell->setJumper(fixture, model, -1, -1);
    ui.m_TS_Frame->addCell(cell);
}

void Wattlan::TS_ResetRun()
{
    ui.m_TS_Frame->resetFrame();
    TS_AddFixture(false);
}

void Wattlan::TS_Maximize()
{
    FrameRun run(*ui.m_TS_Frame, [this](bool continuePattern) { TS_AddFixture(continuePattern); });
    maximizeRun(run);
}

void Wattlan::on_m_TS_AddFixture_Button_clicked(bool)
{
    TS_AddFixture(false);
}

void Wattlan::on_m_TS_AddJumper_Button_clicked(bool)
{
    TS_AddJumper();
}

void Wattlan::on_m_TS_Delete_Button_clicked(bool)
{
    ui.m_TS_Frame->removeCell(-1);
    if (ui.m_TS_Frame->cells().isEmpty())
        TS_AddFixture(false);
}

void Wattlan::on_m_TS_Maximize_Button_clicked(bool)
{
    TS_Maximize();
}

void Wattlan::on_m_TS_Reset_Button_clicked(bool)
{
    TS_ResetRun();
}
