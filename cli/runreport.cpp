#include "runreport.h"

#include "cframe.h"
#include "cwidget.h"
#include "databasewarning.h"
#include "jwidget.h"
#include "maxruns.h"
#include "prompter.h"
#include "wattlan.h"
#include "ymcable.h"
#include "zvrecords.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <algorithm>

namespace RunReport {

namespace {

// Answers every box with its default button and keeps the texts: nothing
// may wait for a user who is not there.
class CollectingPrompter : public Prompter
{
public:
    CollectingPrompter() { Prompter::install(this); }
    ~CollectingPrompter() override { Prompter::install(nullptr); }
    CollectingPrompter(const CollectingPrompter &) = delete;
    CollectingPrompter &operator=(const CollectingPrompter &) = delete;

    int exec(QMessageBox &box) override
    {
        texts << box.text();
        QAbstractButton *button = box.defaultButton() ? box.defaultButton() : box.escapeButton();
        return button ? box.standardButton(button) : QMessageBox::Ok;
    }
    int exec(QDialog &) override { return 0; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }

    QStringList texts;
};

// The lowest voltage a fixture may get: the fixture's minimum, or the
// effective voltage less the drop the fixture allows, whichever is higher.
double lowestAllowed(const ZelvaneModel::Result &result, const ZelvaneModel::SelectedFixture &f)
{
    double lowest = f.minVoltage;
    if (f.maxVoltageDrop != 0)
        lowest = std::max(lowest, result.voltage - f.maxVoltageDrop);
    if (f.voltageDropPercent != 0)
        lowest = std::max(lowest, result.voltage - f.voltageDropPercent * result.voltage);
    return lowest;
}

// The window's Zelvane cells with their names, as the model gathers them.
QList<BuiltCell> builtCells(const Wattlan &window)
{
    QList<BuiltCell> built;
    const auto *frame = window.findChild<const CFrame *>(QStringLiteral("m_ZV_Frame"));
    for (const CWidget *cell : frame ? frame->cells() : QList<CWidget *>()) {
        const auto *record = qobject_cast<const ZVFixture *>(cell->item());
        if (!record
            || (cell->itemType() != CWidget::ItemFixture
                && cell->itemType() != CWidget::ItemJumper))
            continue;
        BuiltCell b;
        b.fixture = cell->itemType() == CWidget::ItemFixture;
        const JWidget *jumper = cell->jumperWidget();
        if (b.fixture) {
            b.name = record->Name;
        } else if (const YmJumper *type = jumper ? jumper->selectedJumper() : nullptr) {
            b.name = type->Name;
            b.custom = type->IsCustom;
            b.gauge = b.custom && jumper->selectedWire() ? jumper->selectedWire()->Name : QString();
            double resistance = 0;
            jumper->lengthAndResistance(b.length, resistance);
        }
        built << b;
    }
    return built;
}

} // namespace

bool openAll(
    const QDir &catalogue, const QStringList &files, QList<Report> &reports, int &catalogueProblems)
{
    CollectingPrompter prompter;
    catalogueProblems = 0;
    bool counted = false;
    for (const QString &file : files) {
        int problems = 0;
        const DatabaseWarning::Scope quiet([&problems](const QString &) { ++problems; });
        // A fresh window for each file, as if it had just started.
        Wattlan window(catalogue);
        if (!window.databaseLoaded())
            return false;
        if (!counted) {
            catalogueProblems = problems;
            counted = true;
        }
        prompter.texts.clear();
        window.openConfiguration(file);
        Report report;
        report.file = file;
        report.refusal = prompter.texts.join(QLatin1Char('\n'));
        report.catalogueVersion = window.database().m_dbVersion;
        if (report.opened()) {
            report.settings = window.currentZelvaneSettings();
            report.inputs = window.zelvaneInputs();
            report.result = ZelvaneModel::calculate(report.inputs);
            report.profile = ZelvaneModel::profile(report.inputs);
            report.built = builtCells(window);
            const auto *fixture = qobject_cast<const ZVFixture *>(
                window.zelvaneFixtureNamed(report.settings.fixtureName));
            if (fixture && report.inputs.fixture) {
                report.next = ZelvaneModel::headroom(
                    report.inputs, fixture->JumperRequired, MaxRuns::defaultJumper(*fixture));
                report.headroom = ZelvaneModel::headroomLine(report.next);
                report.minimumVoltage = lowestAllowed(report.result, *report.inputs.fixture);
            }
        }
        reports << report;
    }
    return true;
}

} // namespace RunReport
