#pragma once

#include "updatefile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

namespace ReVazodiZedid {

// Fetches the update file from the update server and tells whether it lists
// a newer version of an application. Every fetch ends in exactly one of
// fileDownloadSuccess() and unableToRetrieveFile(), and every comparison in
// exactly one of updateAvailable() and noUpdateAvailable().
class AutoUpdateTool : public QObject
{
    Q_OBJECT

public:
    // An update file is a few hundred bytes; anything past this is not one.
    static constexpr qint64 MaxUpdateFileSize = 256 * 1024;
    static constexpr int MaxRedirects = 3;
    static constexpr int DefaultTimeoutMsecs = 20000;

    explicit AutoUpdateTool(QObject *parent = nullptr);
    ~AutoUpdateTool() override;

    void setHost(const QString &host);
    void setUpdateFile(QString path);
    // "https" unless set otherwise; only "http" and "https" are accepted.
    void setScheme(const QString &scheme);
    // -1 means the scheme's own port.
    void setPort(int port);
    // How long a fetch may take in all, redirects included.
    void setTimeout(int msecs);

    // Later fetches go through this HTTP proxy. Returns 0, or -1 when the
    // port is not a usable one (fetches then fail rather than go direct).
    int setProxy(const QString &host, int port, const QString &user, const QString &password);
    // Later fetches go direct, whatever the system's proxy settings say.
    int clearProxy();

    // Starts fetching the update file; a fetch still running is dropped
    // without a signal.
    void getVersionInfo();
    // Compares the given version with what the last fetched file lists
    // under the name.
    void checkForUpdate(const QString &appName, quint32 series, quint32 major, quint32 minor,
        quint32 revision, quint32 build);

signals:
    void fileDownloadSuccess();
    void unableToRetrieveFile();
    void updateAvailable(const QString &version, const QString &url);
    void noUpdateAvailable(const QString &latest);

private:
    void readReply();
    void checkAnnouncedSize();
    void finishFetch();
    void abandonFetch();

    QNetworkAccessManager *m_manager;
    QNetworkReply *m_reply = nullptr;
    QTimer m_deadline;
    QByteArray m_received;
    bool m_tooLarge = false;
    UpdateFile m_file;

    QString m_scheme = QStringLiteral("https");
    QString m_host;
    int m_port = -1;
    QString m_updateFile;
    int m_timeoutMsecs = DefaultTimeoutMsecs;
};

} // namespace ReVazodiZedid
