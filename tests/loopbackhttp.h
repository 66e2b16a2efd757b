#pragma once

// An HTTP/1.1 server on 127.0.0.1 written for tests.
#include <QByteArray>
#include <QList>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QString>
#include <QTcpServer>

#include <functional>
#include <memory>

// One request as the server read it: its head, and the target of its
// request line (a path, or an absolute address when it came through a proxy).
struct HttpRequest
{
    QByteArray head;
    QByteArray target;
};

// It reads the head of the one request of each connection and hands it to
// the handler, which answers on the socket, or not, as the test needs. With
// a TLS configuration it speaks HTTPS.
class LoopbackHttpServer : public QTcpServer
{
public:
    using Handler = std::function<void(const HttpRequest &, QTcpSocket &)>;

    explicit LoopbackHttpServer(Handler handler, const QSslConfiguration &tls = {})
        : m_handler(std::move(handler)), m_tls(tls)
    {
        if (!listen(QHostAddress::LocalHost))
            qFatal("cannot listen on 127.0.0.1: %s", qPrintable(errorString()));
    }

    // "http://127.0.0.1:<port>" (or https).
    QString baseUrl() const
    {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(m_tls.isNull() ? QLatin1String("http") : QLatin1String("https"))
            .arg(serverPort());
    }

    QList<HttpRequest> requests;

    // The status line and headers of an answer, closing the connection.
    static QByteArray head(int status, const QByteArray &extraHeaders = {})
    {
        return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nConnection: close\r\n"
            + extraHeaders + "\r\n";
    }

    // Writes a whole answer and closes the connection once it is sent.
    static void reply(
        QTcpSocket &socket, int status, const QByteArray &body, const QByteArray &extraHeaders = {})
    {
        socket.write(head(
            status, "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders));
        socket.write(body);
        socket.disconnectFromHost();
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket = m_tls.isNull() ? new QTcpSocket(this) : new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        if (auto *tls = qobject_cast<QSslSocket *>(socket)) {
            tls->setSslConfiguration(m_tls);
            tls->startServerEncryption();
        }
        auto buffered = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffered] {
            const bool served = buffered->contains("\r\n\r\n");
            *buffered += socket->readAll();
            const qsizetype end = buffered->indexOf("\r\n\r\n");
            if (served || end < 0)
                return;
            const QByteArray head = buffered->left(end);
            requests << HttpRequest {head, head.left(head.indexOf('\r')).split(' ').value(1)};
            m_handler(requests.constLast(), *socket);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    Handler m_handler;
    QSslConfiguration m_tls;
};
