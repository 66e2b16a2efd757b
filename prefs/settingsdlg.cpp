#include "settingsdlg.h"

#include "updatechecker.h"
#include "updateserver.h"
#include "version.h"

#include <QDebug>
#include <QSettings>

namespace {
const QString UpdateFile = QStringLiteral("/software/YmAppVersions.xml");
const QString UpdateAppName = QStringLiteral("WATTLAN");
// The release series under which the update file lists this version.
constexpr quint32 UpdateSeries = 3;

namespace Key {
const QString UseProxy = QStringLiteral("use_proxy");
const QString ProxyHost = QStringLiteral("proxy_host");
const QString ProxyPort = QStringLiteral("proxy_port");
const QString ProxyUser = QStringLiteral("proxy_user");
const QString ProxyPassword = QStringLiteral("proxy_password");
const QString NeverCheck = QStringLiteral("update_never_check");
const QString CheckIntervalDays = QStringLiteral("update_check_interval_days");
} // namespace Key

constexpr int DefaultProxyPort = 8080;
constexpr int DefaultCheckIntervalDays = 14;
} // namespace

SettingsDlg::SettingsDlg(QWidget *parent)
    : QDialog(parent),
      m_updateServer(QStringLiteral("https://%1").arg(QLatin1String(UpdateServer::Host)))
{
    ui.setupUi(this);
    loadSettings();
    connect(ui.proxyCheckBox, &QCheckBox::clicked, ui.proxyFrame, &QWidget::setEnabled);
    connect(this, &QDialog::finished, this, &SettingsDlg::handleFinished);
}

SettingsDlg::~SettingsDlg() = default;

void SettingsDlg::setUpdateServer(const QUrl &server)
{
    m_updateServer = server;
}

// Values outside a spin box's range are clamped by the spin box.
void SettingsDlg::loadSettings()
{
    QSettings settings;
    const bool neverCheck = settings.value(Key::NeverCheck, false).toBool();
    const int intervalDays
        = settings.value(Key::CheckIntervalDays, DefaultCheckIntervalDays).toInt();
    ui.autoCheckForUpdatesCheckbox->setChecked(!neverCheck);
    ui.checkForUpdateEveryNDaysSpinBox->setValue(intervalDays);

    const bool useProxy = settings.value(Key::UseProxy, false).toBool();
    const QString host = settings.value(Key::ProxyHost, QString()).toString();
    const int port = settings.value(Key::ProxyPort, DefaultProxyPort).toInt();
    const QString user = settings.value(Key::ProxyUser, QString()).toString();
    const QString password = settings.value(Key::ProxyPassword, QString()).toString();
    ui.proxyCheckBox->setChecked(useProxy);
    ui.proxyFrame->setEnabled(useProxy);
    ui.proxyLineEdit->setText(host);
    ui.proxyPortSpinBox->setValue(port);
    ui.usernameLineEdit->setText(user);
    ui.passwordLineEdit->setText(password);
}

// Every key is written on every accept, changed or not.
void SettingsDlg::storeSettings() const
{
    QSettings settings;
    settings.setValue(Key::UseProxy, ui.proxyCheckBox->isChecked());
    settings.setValue(Key::ProxyHost, ui.proxyLineEdit->text());
    settings.setValue(Key::ProxyPort, ui.proxyPortSpinBox->value());
    settings.setValue(Key::ProxyUser, ui.usernameLineEdit->text());
    settings.setValue(Key::ProxyPassword, ui.passwordLineEdit->text());
    settings.setValue(Key::NeverCheck, !ui.autoCheckForUpdatesCheckbox->isChecked());
    settings.setValue(Key::CheckIntervalDays, ui.checkForUpdateEveryNDaysSpinBox->value());
}

void SettingsDlg::handleFinished(int inResult)
{
    if (inResult != QDialog::Accepted) {
        qDebug("Dialog rejected, ignoring settings changes.");
        return;
    }
    qDebug("Dialog accepted, writing settings changes.");
    storeSettings();
}

// Works on the controls as they stand, stored or not.
void SettingsDlg::on_checkForUpdatesNowButton_clicked()
{
    if (!m_updateChecker)
        m_updateChecker = new UpdateChecker(this);
    m_updateChecker->setHostAndFile(m_updateServer.host(), UpdateFile);
    m_updateChecker->setSchemeAndPort(m_updateServer.scheme(), m_updateServer.port());
    m_updateChecker->setApplicationInfo(UpdateAppName, UpdateSeries, Version::VERSION_MAJOR,
        Version::VERSION_MINOR, Version::VERSION_REVISION, Version::BUILD_DATE);
    m_updateChecker->setInteractive(true);

    QString proxyHost;
    int proxyPort = 0;
    QString proxyUser;
    QString proxyPassword;
    if (ui.proxyCheckBox->isChecked() && !ui.proxyLineEdit->text().isEmpty()) {
        proxyHost = ui.proxyLineEdit->text();
        proxyPort = ui.proxyPortSpinBox->value();
        proxyUser = ui.usernameLineEdit->text();
        proxyPassword = ui.passwordLineEdit->text();
    }
    m_updateChecker->checkForUpdates(proxyHost, proxyPort, proxyUser, proxyPassword);
}
