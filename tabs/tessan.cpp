// Tessan tab: controller and run calculation.
#include "cframe.h"
#include "cwidget.h"
#include "jwidget.h"
#include "maximize.h"
#include "prompter.h"
#include "records.h"
#include "selectors.h"
#include "tessanmodel.h"
#include "wattlan.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A record's figure as a spin box value: truncated toward zero, and kept
// within the range of an int so that a huge figure cannot overflow.
int spinValue(double figure)
{
    if (std::isnan(figure))
        return 0;
    const double truncated = std::trunc(figure);
    return int(std::clamp(truncated, double(std::numeric_limits<int>::min()),
        double(std::numeric_limits<int>::max())));
}

bool isJumperCell(const CWidget *cell)
{
    return cell->itemType() == CWidget::ItemJumper;
}

bool isFixtureCell(const CWidget *cell)
{
    return cell->itemType() == CWidget::ItemFixture;
}

TessanModel::Cell modelCell(const CWidget *cell)
{
    if (isJumperCell(cell)) {
        const JWidget *jumper = cell->jumperWidget();
        const YmJumper *type = jumper ? jumper->selectedJumper() : nullptr;
        if (!type || (type->IsCustom && !jumper->selectedWire()))
            return TessanModel::Cell::unresolvedJumper();
        double length = 0;
        double resistance = 0;
        jumper->lengthAndResistance(length, resistance);
        return TessanModel::Cell::jumper(length, resistance);
    }
    const auto *fixture = qobject_cast<const TSFixture *>(cell->item());
    if (!fixture)
        return TessanModel::Cell::fixture(0, 0, 0);
    return TessanModel::Cell::fixture(fixture->Length, fixture->Resistance, fixture->Current);
}

// The run editor's view for the Maximize search.
class TessanRun : public GrowableRun
{
public:
    TessanRun(CFrame *frame, std::function<void(bool)> addFixture)
        : m_frame(frame), m_addFixture(std::move(addFixture))
    { }

    bool isValid() const override { return m_frame->isValid(); }
    int cellCount() const override { return int(m_frame->cells().size()); }
    int fixtureCount() const override { return m_frame->fixtureCount(); }
    bool lastCellIsJumper() const override
    {
        return !m_frame->cells().isEmpty() && isJumperCell(m_frame->cells().constLast());
    }
    void addFixture(bool continuePattern) override { m_addFixture(continuePattern); }
    void removeLastCell() override { m_frame->removeCell(-1); }

private:
    CFrame *m_frame;
    std::function<void(bool)> m_addFixture;
};

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
    return qobject_cast<TSPowerSupply *>(
        fixture->ValidSupplyList.value(ui.m_TSSupply_Combo->currentIndex()));
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
        inputs.fixture = TessanModel::SelectedFixture {fixture->Voltage, fixture->MinVoltage};
    if (const TSPowerSupply *supply = TS_SelectedSupply())
        inputs.supply = TessanModel::SupplyLimits {supply->MaxPortPower};
    if (const YmJumper *leader = TS_SelectedLeader()) {
        const double length = ui.m_TS_LeaderLength_Spin->value();
        if (!leader->IsCustom) {
            inputs.leader = TessanModel::Leader {length, leader->Resistance};
        } else if (const YmWire *wire
            = leader->CustomWireList.value(ui.m_TS_LeaderSize_Combo->currentIndex())) {
            inputs.leader = TessanModel::Leader {length, wire->Resistance};
        }
    }
    for (const CWidget *cell : ui.m_TS_Frame->cells())
        inputs.cells << modelCell(cell);
    return inputs;
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
    // Fixtures of one non-zero family share their supplies, leaders and runs.
    if (!m_TS_PreviousFixture || fixture->Family == 0
        || m_TS_PreviousFixture->Family != fixture->Family) {
        Selectors::fillNames(*ui.m_TSSupply_Combo, fixture->ValidSupplyList);
        Selectors::fillNames(*ui.m_TS_LeaderType_Combo, fixture->LeaderList);
        ui.m_TS_Frame->resetFrame();
        TS_AddFixture(false);
    }
    m_TS_PreviousFixture = fixture;
}

void Wattlan::on_m_TS_LeaderType_Combo_currentIndexChanged(int index)
{
    const TSFixture *fixture = TS_SelectedFixture();
    const YmJumper *leader = fixture && index >= 0 ? fixture->LeaderList.value(index) : nullptr;
    if (!leader)
        return;
    QSpinBox *length = ui.m_TS_LeaderLength_Spin;
    if (leader->IsCustom) {
        // The first wire stays selected; its slot sets the length's maximum.
        Selectors::fillNames(*ui.m_TS_LeaderSize_Combo, leader->CustomWireList);
        ui.m_TS_LeaderSize_Label->show();
        ui.m_TS_LeaderSize_Combo->show();
    } else {
        ui.m_TS_LeaderSize_Label->hide();
        ui.m_TS_LeaderSize_Combo->hide();
        length->setMaximum(spinValue(leader->MaxLeaderLength));
    }
    // A custom leader's record holds no length: the spin box falls to its minimum.
    length->setValue(spinValue(leader->ElectricalLength));
    TS_Update();
}

void Wattlan::on_m_TS_LeaderSize_Combo_currentIndexChanged(int index)
{
    const YmJumper *leader = TS_SelectedLeader();
    const YmWire *wire = leader && index >= 0 ? leader->CustomWireList.value(index) : nullptr;
    if (!wire)
        return;
    ui.m_TS_LeaderLength_Spin->setMaximum(spinValue(wire->MaxLength));
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
    const QList<CWidget *> &cells = frame->cells();
    const qsizetype count = cells.size();
    if (continuePattern && count >= 2 && isFixtureCell(cells.at(count - 1))
        && isJumperCell(cells.at(count - 2)))
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
    const QList<CWidget *> &cells = ui.m_TS_Frame->cells();
    const auto nearestJumper = std::find_if(cells.crbegin(), cells.crend(), isJumperCell);
    JWidget *model = nearestJumper != cells.crend() ? (*nearestJumper)->jumperWidget() : nullptr;
    if (model && model->maxInARow() > 0) {
        // The jumpers at the end of the run that count towards a limit.
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
    TessanRun run(ui.m_TS_Frame, [this](bool continuePattern) { TS_AddFixture(continuePattern); });
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
