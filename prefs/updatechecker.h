#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace ReVazodiZedid {
class AutoUpdateTool;
}

// Asks the update server whether a newer version exists and tells the user.
// A check runs from checkForUpdates() until one of the three handlers that
// end it (file not retrieved, no update, update available) has reported.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    explicit UpdateChecker(QObject *parent = nullptr);
    ~UpdateChecker() override;

    void setHostAndFile(const QString &host, const QString &file);
    void setApplicationInfo(const QString &name, quint32 series, quint32 major, quint32 minor,
        quint32 revision, quint32 build);
    // When false, the negative outcomes go to the debug output only.
    void setInteractive(bool interactive);
    // How the host is reached: "https" on its own port unless set otherwise.
    void setSchemeAndPort(const QString &scheme, int port);

    // Starts a check, through the proxy unless its host is empty; returns at
    // once and reports when the server has answered.
    void checkForUpdates(const QString &proxyHost, int proxyPort, const QString &proxyUser,
        const QString &proxyPassword);

private slots:
    void handleXMLFileDownloadSuccess();
    void handleUnableToRetrieveFile();
    void handleUpdateAvailable(const QString &version, const QString &url);
    void handleNoUpdateAvailable(const QString &versionStr);

private:
    void connectTool();
    void disconnectTool();

    bool m_interactive = true;
    QString m_host;
    QString m_updateFile;
    QString m_appName;
    quint32 m_series = 0;
    quint32 m_major = 0;
    quint32 m_minor = 0;
    quint32 m_revision = 0;
    quint32 m_build = 0;
    std::unique_ptr<ReVazodiZedid::AutoUpdateTool> m_tool;
    QString m_scheme = QStringLiteral("https");
    int m_port = -1;
};
