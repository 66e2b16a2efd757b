// The full window: every tool the program contains, offered on request.
#include "cframe.h"
#include "wattlan.h"

#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>

namespace {
// The platform's key for Save As; where it names none, the one its desktops use.
QList<QKeySequence> platformSaveAsKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (keys.isEmpty())
        keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    return keys;
}
} // namespace

void Wattlan::offerAllTools()
{
    if (m_allTools)
        return;
    m_allTools = true;

    // The flex string and Tessan pages follow Zelvane in the form's order; the
    // Ombrel page has no calculation and stays out.
    const std::pair<QWidget *, const char *> pages[]
        = {{ui.Flextab, "Flex String"}, {ui.TSFtab, "Tessan Fixture"}};
    for (const auto &[page, title] : pages) {
        page->setEnabled(true);
        ui.tabWidget->addTab(page, QCoreApplication::translate("WattlanClass", title));
    }

    const QList<QAction *> documentActions {
        ui.actionNew, ui.actionOpen, ui.actionSave, ui.actionSave_As};
    for (QAction *action : documentActions)
        action->setVisible(true);
    ui.actionSave_As->setShortcuts(
        QList<QKeySequence> {ui.actionSave_As->shortcut()} + platformSaveAsKeys());
    ui.toolBar->show();
    offerRunSheet();
    auto *edit = new QMenu(tr("Edit"), ui.menuBar);
    edit->setObjectName(QStringLiteral("menuEdit"));
    edit->addAction(ui.actionPreferences);
    ui.menuBar->insertMenu(ui.menuHelp->menuAction(), edit);
    // Exit closes through its slot alone, so that the offer to save comes once.
    disconnect(ui.actionQuit, &QAction::triggered, this, &QWidget::close);

    // The project file keeps the Zelvane tab alone, whichever tab is current.
    QStringList zelvaneTips;
    for (const QAction *action : documentActions)
        zelvaneTips << action->statusTip();
    const QStringList otherTabTips {
        tr("Create a new configuration of the Zelvane tab (project files do not keep this tab)"),
        tr("Open a configuration into the Zelvane tab, checking for unsaved changes (project "
           "files do not keep this tab)"),
        tr("Save the configuration of the Zelvane tab (project files do not keep this tab)"),
        tr("Save the configuration of the Zelvane tab to a new file (project files do not keep "
           "this tab)")};
    connect(ui.tabWidget, &QTabWidget::currentChanged, this,
        [this, documentActions, zelvaneTips, otherTabTips] {
            const bool onZelvane = ui.tabWidget->currentWidget() == ui.ZVTab;
            for (int i = 0; i < documentActions.size(); ++i)
                documentActions[i]->setStatusTip(onZelvane ? zelvaneTips[i] : otherTabTips[i]);
        });

    // Every edit of what a project file keeps is an unsaved change until the
    // next New, Open or Save (setCurrentFile). Marked once: each mark retitles
    // the window on the display, and Maximize edits the run hundreds of times.
    const auto changed = [this] {
        if (!isWindowModified())
            setWindowModified(true);
    };
    for (QComboBox *combo : {ui.m_ZVFixture_Combo, ui.m_ZVSupply_Combo, ui.m_ZV_LineVoltage_Combo,
             ui.m_ZV_MaxLoad_Combo, ui.m_ZV_LeaderType_Combo, ui.m_ZV_LeaderSize_Combo})
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    for (QSpinBox *spin :
        {ui.m_ZV_LineVoltage_Spin, ui.m_ZV_MaxLoad_Spin, ui.m_ZV_LeaderLength_Spin})
        connect(spin, &QSpinBox::valueChanged, this, changed);
    connect(ui.m_ZV_Frame, &CFrame::frameChanged, this, changed);
    updateWindowTitle();
}
