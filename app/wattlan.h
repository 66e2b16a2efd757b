#pragma once

#include "database.h"
#include "grownwalk.h"
#include "projectformat.h"
#include "tessanmodel.h"
#include "ui_wattlan.h"
#include "zelvanemodel.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

#include <optional>

class CWidget;
class QCloseEvent;
class QDir;
class YmJumper;
class ZVFixture;
class ZVPowerSupply;
namespace RunSheet {
struct Run;
}

// The main window: owns the form and the product database and is the hub
// that every widget of every tab is connected to.
class Wattlan : public QMainWindow
{
    Q_OBJECT

public:
    // Loads the product database from the executable's directory.
    explicit Wattlan(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    // Loads the product database from databaseDir.
    explicit Wattlan(
        const QDir &databaseDir, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~Wattlan() override;

    // The main window, for code that holds no pointer to it.
    static Wattlan *instance();

    void updateWindowTitle();
    void setCurrentFile(const QString &fileName);
    QString currentFileDisplayName() const;

    // False when a database file could not be read: the constructor stopped
    // after reporting it, and the window must not be shown.
    bool databaseLoaded() const { return m_databaseLoaded; }
    // The product database, read-only after the constructor.
    const Database &database() const { return m_database; }

    // Offers every tool (app/fullwindow.cpp): the Tessan and flex string
    // tabs, the document commands with the tool bar, and Preferences in a
    // menu. The window then keeps track of unsaved changes of the Zelvane
    // configuration (windowModified, shown in the title) and offers to save
    // them before it closes.
    void offerAllTools();

    // Opens a project file as File, Open does once the file is chosen; a
    // refused file is reported through the Prompter.
    void openConfiguration(const QString &fileName) { readConfiguration(fileName); }
    // The Zelvane tab's settings as a project file stores them, and the
    // inputs its calculation gathers from the form and the run.
    ZelvaneSettings currentZelvaneSettings() const { return zelvaneSettings(); }
    ZelvaneModel::Inputs zelvaneInputs() const { return ZV_Inputs(); }
    TessanModel::Inputs tessanInputs() const { return TS_Inputs(); }

    // The Zelvane fixture that the fixture selector lists under name (an
    // exact match), or null. Project files name the fixtures of run cells so.
    YmFixture *zelvaneFixtureNamed(const QString &name) const;
    // The name under which the fixture selector lists fixture, or an empty
    // text when it is no Zelvane fixture of the database.
    QString zelvaneFixtureName(const YmFixture *fixture) const;

public slots:
    void statusMessage(const QString &text);
    void statusMessage(const QString &text, const QColor &color);
    void ZV_Update();
    void OB_Update();
    void Flex_Update();
    void TS_Update();
    void handleSaveAsAction();
    void handleSaveAction();
    void handleOpenAction();
    void handleNewAction();

private slots:
    // Combo boxes have no textChanged signal: these three stay unconnected.
    void on_m_ZV_LineVoltage_Combo_textChanged(const QString &text);
    void on_m_ZV_MaxLoad_Combo_textChanged(const QString &text);
    void on_m_ZVFixture_Combo_textChanged(const QString &text);
    void on_tabWidget_currentChanged(int index);
    void on_actionQuit_triggered(bool checked);
    void on_actionAbout_triggered(bool checked);
    void on_actionPreferences_triggered(bool checked);
    void on_m_TSFixture_Combo_currentIndexChanged(int index);
    void on_m_Flex_Combo_currentIndexChanged(int index);
    void on_m_ZVFixture_Combo_currentIndexChanged(int index);
    void on_m_OBFixture_Combo_currentIndexChanged(int index);
    void on_m_FlexSupply_Combo_currentIndexChanged(int index);
    void on_m_Flex_Length_Max_Radio_toggled(bool checked);
    void on_m_Flex_Nodes_Max_Radio_toggled(bool checked);
    void on_m_Flex_Spacing_Spin_valueChanged(int value);
    void on_m_Flex_Length_Spin_valueChanged(int value);
    void on_m_Flex_Nodes_Spin_valueChanged(int value);
    void on_m_ZV_LineVoltage_Combo_currentIndexChanged(int index);
    void on_m_ZV_LineVoltage_Spin_valueChanged(int value);
    void on_m_ZV_MaxLoad_Combo_currentIndexChanged(int index);
    void on_m_ZV_MaxLoad_Spin_valueChanged(int value);
    void on_m_ZV_AddFixture_Button_clicked(bool checked);
    void on_m_ZV_AddJumper_Button_clicked(bool checked);
    void on_m_ZV_Delete_Button_clicked(bool checked);
    void on_m_ZV_Maximize_Button_clicked(bool checked);
    void on_m_ZV_Reset_Button_clicked(bool checked);
    void on_m_ZV_LeaderType_Combo_currentIndexChanged(int index);
    void on_m_ZV_LeaderLength_Spin_valueChanged(int value);
    void on_m_ZV_LeaderSize_Combo_currentIndexChanged(int index);
    void on_m_OB_AddFixture_Button_clicked(bool checked);
    void on_m_OB_AddJumper_Button_clicked(bool checked);
    void on_m_OB_Maximize_Button_clicked(bool checked);
    void on_m_OB_Reset_Button_clicked(bool checked);
    void on_m_OB_LeaderType_Combo_currentIndexChanged(int index);
    void on_m_OB_LeaderLength_Spin_valueChanged(int value);
    void on_m_TS_AddFixture_Button_clicked(bool checked);
    void on_m_TS_AddJumper_Button_clicked(bool checked);
    void on_m_TS_Delete_Button_clicked(bool checked);
    void on_m_TS_Maximize_Button_clicked(bool checked);
    void on_m_TS_Reset_Button_clicked(bool checked);
    void on_m_TS_LeaderType_Combo_currentIndexChanged(int index);
    void on_m_TS_LeaderLength_Spin_valueChanged(int value);
    void on_m_TS_LeaderSize_Combo_currentIndexChanged(int index);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString databaseVersion() const;
    void fillFixtureCombos();

    // Project file and document commands.
    // The Zelvane configuration as a project file holds it.
    QByteArray configurationBytes() const;
    void writeConfiguration(const QString &fileName);
    void readConfiguration(const QString &fileName);
    ZelvaneSettings zelvaneSettings() const;
    void applyZelvaneSettings(const ZelvaneSettings &settings);
    void refuseToOpen(const QString &fileName, const QString &text);
    void offerToSaveIfNeeded(bool &cancelled);
    bool hasUnsavedChanges() const;
    // Whether Save must ask for a name: nothing has been opened or saved.
    bool needsFileName() const;
    void saveConfigurationAs(bool &cancelled);
    void newConfiguration();

    // The run sheet of the Zelvane configuration (app/runsheetcommands.cpp),
    // offered in the full window.
    void offerRunSheet();
    QList<RunSheet::Run> zelvaneSheet() const;
    void exportRunSheet();
    void printRunSheet();

    // Zelvane tab (tabs/zelvane.cpp). The model computes; these gather its
    // inputs from the form and the run editor and show its outputs.
    ZelvaneModel::Inputs ZV_Inputs() const;
    QList<ZelvaneModel::Cell> ZV_SumRun() const;
    std::optional<ZelvaneModel::Cell> ZV_SumCell(const CWidget &cell) const;
    std::optional<ZelvaneModel::Leader> ZV_SumLeader(const ZVFixture &fixture) const;
    void ZV_ShowResult(const ZelvaneModel::Result &result);
    double ZV_LineVoltage() const;
    double ZV_MaxLoad() const;
    // Records behind the selectors; null when a selector names none.
    ZVFixture *ZV_FixtureAt(int index) const;
    ZVFixture *ZV_SelectedFixture() const;
    ZVPowerSupply *ZV_SelectedSupply() const;
    YmJumper *ZV_SelectedLeader() const;
    // Tool tips, built when asked for: a run cell's (by its position in the
    // run) and the totals' (the limits and what the next fixture would do).
    QString ZV_CellTip(int index) const;
    QString ZV_TotalsTip() const;
    void ZV_AddFixture(bool continuePattern);
    void ZV_AddJumper();
    void ZV_ResetRun();
    void ZV_Maximize();

    // Tessan and flex string tabs (tabs/tessan.cpp, tabs/flex.cpp). Records
    // behind the selectors are null when a selector names none.
    TSFixture *TS_FixtureAt(int comboIndex) const;
    TSFixture *TS_SelectedFixture() const;
    TSPowerSupply *TS_SelectedSupply() const;
    YmJumper *TS_SelectedLeader() const;
    TessanModel::Inputs TS_Inputs() const;
    QString TS_CellTip(int index) const;
    QString TS_TotalsTip() const;
    void TS_AddFixture(bool continuePattern);
    void TS_AddJumper();
    void TS_ResetRun();
    void TS_Maximize();
    FlexString *Flex_StringAt(int comboIndex) const;
    FlexString *Flex_SelectedString() const;
    TSPowerSupply *Flex_SelectedSupply() const;
    double Flex_Spacing() const;
    void Flex_MaxNodes();
    void Flex_MaxLength();

    Database m_database;
    Ui::WattlanClass ui;
    QString m_fileName;
    bool m_databaseLoaded = false;
    bool m_allTools = false;
    // The fixture the Zelvane fixture rule last applied; decides whether a
    // new choice keeps the run.
    ZVFixture *m_ZV_PreviousFixture = nullptr;
    // The fixture the Tessan fixture rule last applied.
    TSFixture *m_TS_PreviousFixture = nullptr;
    // The Zelvane run's model cells, read from the run editor's cells that
    // changed only; how many of them the first i + 1 editor cells give; and
    // the walk grown over them.
    mutable QList<ZelvaneModel::Cell> m_ZV_Cells;
    mutable QList<int> m_ZV_CellsUpTo;
    mutable ZelvaneEditedRun m_ZV_EditedRun;
};
