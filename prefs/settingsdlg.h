#pragma once

#include "ui_settingsdlg.h"

#include <QDialog>
#include <QUrl>

class UpdateChecker;

// The preferences: the HTTP proxy of the update check and the options of the
// automatic check, kept in the application's settings store on OK.
class SettingsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDlg(QWidget *parent = nullptr);
    ~SettingsDlg() override;

    // Where "Check Now" asks: the build's own update server over HTTPS,
    // unless pointed elsewhere (scheme, host and port are taken).
    void setUpdateServer(const QUrl &server);

private slots:
    void handleFinished(int inResult);
    void on_checkForUpdatesNowButton_clicked();

private:
    void loadSettings();
    void storeSettings() const;

    Ui::SettingsDlg ui;
    UpdateChecker *m_updateChecker = nullptr;
    QUrl m_updateServer;
};
