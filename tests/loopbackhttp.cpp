#include "loopbackhttp.h"

#include <QSslSocket>
#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(Handler handler, const QSslConfiguration &tls)
    : m_handler(std::move(handler)), m_tls(tls)
{
    if (!listen(QHostAddress::LocalHost))
        qFatal("cannot listen on 127.0.0.1: %s", qPrintable(errorString()));
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_tls.isNull() ? QLatin1String("http") : QLatin1String("https"))
        .arg(serverPort());
}

void LoopbackHttpServer::incomingConnection(qintptr descriptor)
{
    QTcpSocket *socket = nullptr;
    if (m_tls.isNull()) {
        socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
    } else {
        auto *tlsSocket = new QSslSocket(this);
        tlsSocket->setSocketDescriptor(descriptor);
        tlsSocket->setSslConfiguration(m_tls);
        tlsSocket->startServerEncryption();
        socket = tlsSocket;
    }
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void LoopbackHttpServer::readRequest(QTcpSocket *socket)
{
    QByteArray buffered = socket->property("buffered").toByteArray() + socket->readAll();
    socket->setProperty("buffered", buffered);
    const qsizetype end = buffered.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("served").toBool())
        return;
    socket->setProperty("served", true);

    const QList<QByteArray> lines = buffered.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    HttpRequest request;
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(
                lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    requests << request;
    m_handler(request, *socket);
}

QByteArray LoopbackHttpServer::head(int status, const QByteArray &extraHeaders)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nConnection: close\r\n"
        + extraHeaders + "\r\n";
}

void LoopbackHttpServer::reply(
    QTcpSocket &socket, int status, const QByteArray &body, const QByteArray &extraHeaders)
{
    socket.write(
        head(status, "Content-Length: " + QByteArray::number(body.size()) + "\r\n" + extraHeaders));
    socket.write(body);
    socket.disconnectFromHost();
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

QByteArray updateFile(const QByteArray &entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<YmAppVersions>\n" + entries
        + "</YmAppVersions>\n";
}

QByteArray updateEntry(
    const QByteArray &name, const QByteArray &version, const QByteArray &download)
{
    const QList<QByteArray> f = version.split('.');
    return "  <Application name=\"" + name + "\" series=\"" + f.value(0) + "\" major=\""
        + f.value(1) + "\" minor=\"" + f.value(2) + "\" revision=\"" + f.value(3) + "\" build=\""
        + f.value(4) + "\" download=\"" + QString::fromUtf8(download).toHtmlEscaped().toUtf8()
        + "\"/>\n";
}
