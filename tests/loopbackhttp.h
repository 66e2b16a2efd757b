#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSslConfiguration>
#include <QString>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// One request head as the server read it.
struct HttpRequest
{
    QByteArray method;
    // As sent: a path, or an absolute address when it came through a proxy.
    QByteArray target;
    // Header names in lower case.
    QMap<QByteArray, QByteArray> headers;
};

// An HTTP/1.1 server on 127.0.0.1 written for tests. It reads the head of
// the one request of each connection and hands it to the handler, which
// answers on the socket, or not, as the test needs. With a TLS configuration
// it speaks HTTPS.
class LoopbackHttpServer : public QTcpServer
{
public:
    using Handler = std::function<void(const HttpRequest &, QTcpSocket &)>;

    explicit LoopbackHttpServer(Handler handler, const QSslConfiguration &tls = {});

    // "http://127.0.0.1:<port>" (or https).
    QString baseUrl() const;
    QList<HttpRequest> requests;

    // Writes a whole answer and closes the connection once it is sent.
    static void reply(QTcpSocket &socket, int status, const QByteArray &body,
        const QByteArray &extraHeaders = {});
    // The status line and headers of an answer, closing the connection.
    static QByteArray head(int status, const QByteArray &extraHeaders = {});

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readRequest(QTcpSocket *socket);

    Handler m_handler;
    QSslConfiguration m_tls;
};

// A port on 127.0.0.1 that nothing listens on.
quint16 closedLoopbackPort();

// An update file holding the given entries.
QByteArray updateFile(const QByteArray &entries);
// One entry; the version as "series.major.minor.revision.build".
QByteArray updateEntry(
    const QByteArray &name, const QByteArray &version, const QByteArray &download);
