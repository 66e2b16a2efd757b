#pragma once

#include "database.h"
#include "projectformat.h"
#include "ui_wattlan.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

class QCloseEvent;
class QDir;

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
    void writeConfiguration(const QString &fileName);
    void readConfiguration(const QString &fileName);
    ZelvaneSettings zelvaneSettings() const;
    void applyZelvaneSettings(const ZelvaneSettings &settings);
    void refuseToOpen(const QString &fileName, const QString &text);
    void offerToSaveIfNeeded(bool &cancelled);
    void saveConfigurationAs(bool &cancelled);
    void newConfiguration();

    Database m_database;
    Ui::WattlanClass ui;
    QString m_fileName;
    bool m_databaseLoaded = false;
};
