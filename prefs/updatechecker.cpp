#include "updatechecker.h"

#include "autoupdatetool.h"
#include "prompter.h"

#include <QDebug>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

using ReVazodiZedid::AutoUpdateTool;

namespace {
// Only web pages are opened: an update file could otherwise make the desktop
// run any handler it knows for the address.
bool isWebAddress(const QUrl &url)
{
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
        && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}
} // namespace

UpdateChecker::UpdateChecker(QObject *parent) : QObject(parent) { }

UpdateChecker::~UpdateChecker() = default;

void UpdateChecker::setHostAndFile(const QString &host, const QString &file)
{
    m_host = host;
    m_updateFile = file;
}

void UpdateChecker::setApplicationInfo(const QString &name, quint32 series, quint32 major,
    quint32 minor, quint32 revision, quint32 build)
{
    m_appName = name;
    m_series = series;
    m_major = major;
    m_minor = minor;
    m_revision = revision;
    m_build = build;
}

void UpdateChecker::setInteractive(bool interactive)
{
    m_interactive = interactive;
}

void UpdateChecker::setSchemeAndPort(const QString &scheme, int port)
{
    m_scheme = scheme;
    m_port = port;
}

void UpdateChecker::checkForUpdates(
    const QString &proxyHost, int proxyPort, const QString &proxyUser, const QString &proxyPassword)
{
    if (!m_tool)
        m_tool = std::make_unique<AutoUpdateTool>();
    connectTool();
    m_tool->setScheme(m_scheme);
    m_tool->setPort(m_port);
    m_tool->setHost(m_host);
    m_tool->setUpdateFile(m_updateFile);
    if (proxyHost.isEmpty())
        m_tool->clearProxy();
    else
        m_tool->setProxy(proxyHost, proxyPort, proxyUser, proxyPassword);
    m_tool->getVersionInfo();
}

// A check that ended without a report leaves its connections in place, so
// each is made only once.
void UpdateChecker::connectTool()
{
    AutoUpdateTool *tool = m_tool.get();
    connect(tool, &AutoUpdateTool::fileDownloadSuccess, this,
        &UpdateChecker::handleXMLFileDownloadSuccess, Qt::UniqueConnection);
    connect(tool, &AutoUpdateTool::unableToRetrieveFile, this,
        &UpdateChecker::handleUnableToRetrieveFile, Qt::UniqueConnection);
    connect(tool, &AutoUpdateTool::updateAvailable, this, &UpdateChecker::handleUpdateAvailable,
        Qt::UniqueConnection);
    connect(tool, &AutoUpdateTool::noUpdateAvailable, this, &UpdateChecker::handleNoUpdateAvailable,
        Qt::UniqueConnection);
}

void UpdateChecker::disconnectTool()
{
    disconnect(m_tool.get(), nullptr, this, nullptr);
}

void UpdateChecker::handleXMLFileDownloadSuccess()
{
    if (m_appName.isEmpty()) {
        qDebug("Bug: No appname set");
        return;
    }
    m_tool->checkForUpdate(m_appName, m_series, m_major, m_minor, m_revision, m_build);
}

void UpdateChecker::handleUnableToRetrieveFile()
{
    disconnectTool();
    qDebug("Update: Unable to retrieve XML file.");
    if (!m_interactive)
        return;
    QMessageBox box(QMessageBox::Information, tr("Update Error"),
        tr("Unable to retrieve update file."), QMessageBox::Ok);
    Prompter::current().exec(box);
}

void UpdateChecker::handleNoUpdateAvailable(const QString &versionStr)
{
    disconnectTool();
    qDebug("Update: No update available. Have latest version.");
    if (!m_interactive)
        return;
    QMessageBox box(QMessageBox::Information, tr("No Update Available"),
        tr("You have the latest version: v%1").arg(versionStr), QMessageBox::Ok);
    Prompter::current().exec(box);
}

void UpdateChecker::handleUpdateAvailable(const QString &version, const QString &url)
{
    disconnectTool();
    qDebug("Update: Update available.");
    QMessageBox box(QMessageBox::Question, tr("Update Available"),
        tr("A newer version (%1) of this application is available.\n\n"
           "Would you like to go to the download page?")
            .arg(version),
        QMessageBox::Yes | QMessageBox::No);
    if (Prompter::current().exec(box) != QMessageBox::Yes || url.isEmpty())
        return;

    const QUrl address(url, QUrl::StrictMode);
    if (!isWebAddress(address)) {
        qDebug() << "Update: Refused to open download address" << url;
        Prompter::warning(nullptr, tr("Update Error"),
            tr("The download page address is not a web address and was not opened."));
        return;
    }
    QDesktopServices::openUrl(address);
}
