#include "autoupdatetool.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <utility>

namespace ReVazodiZedid {

namespace {
Q_LOGGING_CATEGORY(lcUpdate, "wattlan.update", QtInfoMsg)

// The reply hands data over in pieces of this size at most.
constexpr qint64 ReadBufferSize = 64 * 1024;
} // namespace

AutoUpdateTool::AutoUpdateTool(QObject *parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this))
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        qCInfo(lcUpdate) << "update file fetch timed out";
        if (m_reply)
            m_reply->abort();
    });
}

AutoUpdateTool::~AutoUpdateTool()
{
    abandonFetch();
}

void AutoUpdateTool::setHost(const QString &host)
{
    m_host = host;
}

void AutoUpdateTool::setUpdateFile(QString path)
{
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    m_updateFile = std::move(path);
}

void AutoUpdateTool::setScheme(const QString &scheme)
{
    const QString lower = scheme.toLower();
    if (lower == QLatin1String("http") || lower == QLatin1String("https"))
        m_scheme = lower;
    else
        qCWarning(lcUpdate) << "ignoring update scheme" << scheme;
}

void AutoUpdateTool::setPort(int port)
{
    m_port = (port > 0 && port <= 65535) ? port : -1;
}

void AutoUpdateTool::setTimeout(int msecs)
{
    if (msecs > 0)
        m_timeoutMsecs = msecs;
}

int AutoUpdateTool::setProxy(
    const QString &host, int port, const QString &user, const QString &password)
{
    const bool usablePort = port > 0 && port <= 65535;
    m_manager->setProxy(QNetworkProxy(
        QNetworkProxy::HttpProxy, host, quint16(usablePort ? port : 0), user, password));
    return usablePort ? 0 : -1;
}

int AutoUpdateTool::clearProxy()
{
    m_manager->setProxy(QNetworkProxy::NoProxy);
    return 0;
}

void AutoUpdateTool::getVersionInfo()
{
    abandonFetch();
    m_file.clear();

    QUrl url;
    url.setScheme(m_scheme);
    url.setHost(m_host);
    url.setPort(m_port);
    url.setPath(m_updateFile);

    QNetworkRequest request(url);
    // A redirect may never downgrade HTTPS to plain HTTP.
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setTransferTimeout(m_timeoutMsecs);
    request.setAttribute(
        QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    m_reply = m_manager->get(request);
    m_reply->setReadBufferSize(ReadBufferSize);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &AutoUpdateTool::checkAnnouncedSize);
    connect(m_reply, &QNetworkReply::readyRead, this, &AutoUpdateTool::readReply);
    connect(m_reply, &QNetworkReply::finished, this, &AutoUpdateTool::finishFetch);
    // The transfer time-out only counts silence; this one bounds the whole fetch.
    m_deadline.start(m_timeoutMsecs);
}

void AutoUpdateTool::checkAnnouncedSize()
{
    bool known = false;
    const qint64 announced
        = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > MaxUpdateFileSize) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void AutoUpdateTool::readReply()
{
    m_received += m_reply->readAll();
    if (m_received.size() > MaxUpdateFileSize) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void AutoUpdateTool::finishFetch()
{
    m_deadline.stop();
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    QByteArray data = std::exchange(m_received, QByteArray());
    const bool tooLarge = std::exchange(m_tooLarge, false);
    const bool fetched = !tooLarge && reply->error() == QNetworkReply::NoError;
    if (fetched)
        data += reply->readAll();

    std::optional<UpdateFile> file;
    if (tooLarge || data.size() > MaxUpdateFileSize)
        qCInfo(lcUpdate) << "update file from" << reply->url() << "is too large";
    else if (reply->error() != QNetworkReply::NoError)
        qCInfo(lcUpdate) << "update file not fetched from" << reply->url() << reply->errorString();
    else if (!(file = parseUpdateFile(data)))
        qCInfo(lcUpdate) << "no update file at" << reply->url();

    // The handlers may start the next fetch, so all state is settled first.
    if (!file) {
        emit unableToRetrieveFile();
        return;
    }
    m_file = std::move(*file);
    emit fileDownloadSuccess();
}

void AutoUpdateTool::abandonFetch()
{
    m_deadline.stop();
    m_received.clear();
    m_tooLarge = false;
    if (QNetworkReply *reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void AutoUpdateTool::checkForUpdate(const QString &appName, quint32 series, quint32 major,
    quint32 minor, quint32 revision, quint32 build)
{
    const AppVersion current {{series, major, minor, revision, build}};
    const auto listed = m_file.constFind(appName);
    if (listed != m_file.constEnd() && current < listed->version) {
        emit updateAvailable(listed->version.toString(), listed->downloadUrl);
        return;
    }
    // Not listed, or listed no newer: what the user has is the latest.
    emit noUpdateAvailable(current.toString());
}

} // namespace ReVazodiZedid
