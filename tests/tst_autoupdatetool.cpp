#include "autoupdatetool.h"
#include "loopbackhttp.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>

using ReVazodiZedid::AppVersion;
using ReVazodiZedid::AutoUpdateTool;
using ReVazodiZedid::parseUpdateFile;

namespace {
const QString UpdatePath = QStringLiteral("/software/YmAppVersions.xml");
constexpr int ShortTimeout = 300;

// A self-signed certificate for 127.0.0.1, valid from 2000 to 2100, and its
// key, in tests/data/tls; for these tests only.
QByteArray tlsFile(const char *name)
{
    QFile file(qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/tests/data/tls/")
        + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

const QByteArray WattlanFile
    = updateFile(updateEntry("WATTLAN", "3.2.1.7.20120510", "https://example.test/get"));

void serveFile(const QByteArray &file, const HttpRequest &, QTcpSocket &socket)
{
    LoopbackHttpServer::reply(socket, 200, file, "Content-Type: text/xml\r\n");
}

// Keeps the socket busy with data until the other side goes away.
void streamEndlessly(QTcpSocket &socket)
{
    const QByteArray chunk(64 * 1024, 'x');
    QObject::connect(&socket, &QTcpSocket::bytesWritten, &socket, [&socket, chunk] {
        if (socket.bytesToWrite() < chunk.size())
            socket.write(chunk);
    });
    socket.write(chunk);
}

// Sends a byte at a time, far too slowly to finish within any time-out.
void trickle(QTcpSocket &socket)
{
    socket.write(LoopbackHttpServer::head(200, "Content-Length: 100000\r\n"));
    auto *timer = new QTimer(&socket);
    QObject::connect(timer, &QTimer::timeout, &socket, [&socket] { socket.write(" "); });
    timer->start(50);
}

std::unique_ptr<AutoUpdateTool> toolFor(const QString &baseUrl, int timeout = ShortTimeout)
{
    auto tool = std::make_unique<AutoUpdateTool>();
    const QUrl base(baseUrl);
    tool->setScheme(base.scheme());
    tool->setHost(base.host());
    tool->setPort(base.port());
    tool->setUpdateFile(UpdatePath);
    tool->setTimeout(timeout);
    return tool;
}

// Runs one fetch to its end; the names of the signals that came, in order.
QStringList fetch(AutoUpdateTool &tool)
{
    QStringList outcomes;
    QObject context;
    QObject::connect(&tool, &AutoUpdateTool::fileDownloadSuccess, &context,
        [&] { outcomes << QStringLiteral("fileDownloadSuccess"); });
    QObject::connect(&tool, &AutoUpdateTool::unableToRetrieveFile, &context,
        [&] { outcomes << QStringLiteral("unableToRetrieveFile"); });
    tool.getVersionInfo();
    if (!QTest::qWaitFor([&] { return !outcomes.isEmpty(); }, 15000))
        return {QStringLiteral("<no signal>")};
    // Room for a second signal that should never come.
    QTest::qWait(50);
    return outcomes;
}

// What checkForUpdate reports: the signal's name and its arguments.
QStringList compare(AutoUpdateTool &tool, const QString &name, const AppVersion &current)
{
    QStringList outcome;
    QObject context;
    QObject::connect(&tool, &AutoUpdateTool::updateAvailable, &context,
        [&](const QString &version, const QString &url) {
            outcome << QStringLiteral("updateAvailable") << version << url;
        });
    QObject::connect(&tool, &AutoUpdateTool::noUpdateAvailable, &context,
        [&](const QString &latest) { outcome << QStringLiteral("noUpdateAvailable") << latest; });
    const auto &f = current.fields;
    tool.checkForUpdate(name, f[0], f[1], f[2], f[3], f[4]);
    return outcome;
}

QSslConfiguration serverTls()
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(tlsFile("certificate.pem")));
    tls.setPrivateKey(QSslKey(tlsFile("key.pem"), QSsl::Ec));
    return tls;
}
} // namespace

class TestAutoUpdateTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tools trust the test certificate as they would a real server's.
        QSslConfiguration client = QSslConfiguration::defaultConfiguration();
        client.addCaCertificate(QSslCertificate(tlsFile("certificate.pem")));
        QSslConfiguration::setDefaultConfiguration(client);
    }

    void readsOnlyWholeUpdateFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("names");
        const QByteArray other = updateEntry("OTHER", "1.0.0.1.20100101", "");
        QTest::newRow("two entries")
            << updateFile(updateEntry("WATTLAN", "3.2.1.6.20120202", "") + other)
            << QStringList({"OTHER", "WATTLAN"});
        QTest::newRow("no entries") << updateFile("") << QStringList();
        QTest::newRow("unknown elements are skipped")
            << updateFile("<Notice><Application name=\"X\"/></Notice>" + other)
            << QStringList({"OTHER"});

        const QStringList none {"<none>"};
        QTest::newRow("empty") << QByteArray() << none;
        QTest::newRow("not XML") << QByteArray("version=2.1.7\n") << none;
        QTest::newRow("other root") << QByteArray("<html><body>Moved</body></html>") << none;
        QTest::newRow("cut short") << updateFile(other).chopped(8) << none;
        QTest::newRow("garbage after the root") << updateFile(other) + "<x/>" << none;
        QTest::newRow("field missing")
            << updateFile(QByteArray(other).replace(" build=\"20100101\"", "")) << none;
        QTest::newRow("field not a number")
            << updateFile(updateEntry("A", "3.2.x.6.1", "")) << none;
        QTest::newRow("field past 32 bits")
            << updateFile(updateEntry("A", "3.2.1.6.4294967296", "")) << none;
        QTest::newRow("name twice") << updateFile(other + other) << none;
    }

    void readsOnlyWholeUpdateFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, names);
        const auto file = parseUpdateFile(data);
        QStringList found {"<none>"};
        if (file) {
            found = file->keys();
            found.sort();
        }
        QCOMPARE(found, names);
    }

    void comparesVersions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<quint32>>("current");
        QTest::addColumn<QStringList>("outcome");
        const QStringList available {
            "updateAvailable", "2.1.7 Build 20120510", "https://example.test/get"};
        QTest::newRow("older revision")
            << "WATTLAN" << QList<quint32>({3, 2, 1, 6, 20120202}) << available;
        QTest::newRow("same version, older build")
            << "WATTLAN" << QList<quint32>({3, 2, 1, 7, 20120509}) << available;
        QTest::newRow("lower series")
            << "WATTLAN" << QList<quint32>({2, 9, 9, 9, 20991231}) << available;
        QTest::newRow("same version") << "WATTLAN" << QList<quint32>({3, 2, 1, 7, 20120510})
                                      << QStringList({"noUpdateAvailable", "2.1.7 Build 20120510"});
        QTest::newRow("newer than listed")
            << "WATTLAN" << QList<quint32>({3, 2, 2, 0, 20110101})
            << QStringList({"noUpdateAvailable", "2.2.0 Build 20110101"});
        QTest::newRow("higher series")
            << "WATTLAN" << QList<quint32>({4, 1, 0, 0, 20000101})
            << QStringList({"noUpdateAvailable", "1.0.0 Build 20000101"});
        QTest::newRow("not listed") << "wattlan" << QList<quint32>({3, 2, 1, 6, 20120202})
                                    << QStringList({"noUpdateAvailable", "2.1.6 Build 20120202"});
    }

    void comparesVersions()
    {
        QFETCH(QString, name);
        QFETCH(QList<quint32>, current);
        QFETCH(QStringList, outcome);
        LoopbackHttpServer server(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); });
        auto tool = toolFor(server.baseUrl());
        QCOMPARE(fetch(*tool), QStringList({"fileDownloadSuccess"}));
        AppVersion version;
        std::copy(current.begin(), current.end(), version.fields.begin());
        QCOMPARE(compare(*tool, name, version), outcome);
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests.first().method, QByteArray("GET"));
        QCOMPARE(server.requests.first().target, UpdatePath.toLatin1());
    }

    void comparesNothingAfterAFailedFetch()
    {
        LoopbackHttpServer good(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); });
        auto tool = toolFor(good.baseUrl());
        QCOMPARE(fetch(*tool), QStringList({"fileDownloadSuccess"}));
        tool->setPort(closedLoopbackPort());
        QCOMPARE(fetch(*tool), QStringList({"unableToRetrieveFile"}));
        // The file of the earlier fetch no longer counts.
        QCOMPARE(compare(*tool, "WATTLAN", AppVersion {{3, 2, 1, 6, 20120202}}),
            QStringList({"noUpdateAvailable", "2.1.6 Build 20120202"}));
    }

    void failsWithinItsTimeout_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("timeout");
        for (const char *kind : {"not found", "server error", "server down", "never answers",
                 "answers slowly", "redirect loop", "too many redirects", "malformed XML"})
            QTest::newRow(kind) << kind << ShortTimeout;
        // A long time-out: these must end by their size, not by the clock.
        QTest::newRow("megabytes announced") << "megabytes announced" << 120000;
        QTest::newRow("endless answer") << "endless answer" << 120000;
    }

    void failsWithinItsTimeout()
    {
        QFETCH(QString, kind);
        QFETCH(int, timeout);
        int redirects = 0;
        LoopbackHttpServer server([&](const HttpRequest &, QTcpSocket &socket) {
            if (kind == "not found")
                LoopbackHttpServer::reply(socket, 404, "<html>Not here</html>");
            else if (kind == "server error")
                LoopbackHttpServer::reply(socket, 500, WattlanFile);
            else if (kind == "answers slowly")
                trickle(socket);
            else if (kind == "redirect loop")
                LoopbackHttpServer::reply(
                    socket, 302, "", "Location: " + UpdatePath.toLatin1() + "\r\n");
            else if (kind == "too many redirects")
                LoopbackHttpServer::reply(
                    socket, 302, "", "Location: /hop" + QByteArray::number(++redirects) + "\r\n");
            else if (kind == "malformed XML")
                LoopbackHttpServer::reply(socket, 200, WattlanFile.left(WattlanFile.size() / 2));
            else if (kind == "megabytes announced") {
                socket.write(LoopbackHttpServer::head(200, "Content-Length: 50000000\r\n"));
                streamEndlessly(socket);
            } else if (kind == "endless answer") {
                socket.write(LoopbackHttpServer::head(200));
                streamEndlessly(socket);
            }
            // "never answers": reads the request and stays silent.
        });
        QString base = server.baseUrl();
        if (kind == "server down") {
            server.close();
            base = QStringLiteral("http://127.0.0.1:%1").arg(closedLoopbackPort());
        }
        auto tool = toolFor(base, timeout);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(fetch(*tool), QStringList({"unableToRetrieveFile"}));
        // Generous bounds, so that a loaded machine or a sanitizer build
        // cannot fail it: far below the time-out for the size-bound cases,
        // far below the tool's default time-out for the others.
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        if (kind == "redirect loop")
            QCOMPARE(server.requests.size(), AutoUpdateTool::MaxRedirects + 1);
    }

    void followsAFewRedirects()
    {
        LoopbackHttpServer server([](const HttpRequest &request, QTcpSocket &socket) {
            if (request.target == UpdatePath.toLatin1())
                LoopbackHttpServer::reply(socket, 301, "", "Location: /moved\r\n");
            else if (request.target == "/moved")
                LoopbackHttpServer::reply(socket, 302, "", "Location: /moved/again\r\n");
            else
                serveFile(WattlanFile, request, socket);
        });
        auto tool = toolFor(server.baseUrl());
        QCOMPARE(fetch(*tool), QStringList({"fileDownloadSuccess"}));
        QCOMPARE(server.requests.size(), 3);
        QCOMPARE(server.requests.last().target, QByteArray("/moved/again"));
    }

    void fetchesOverHttpsByDefault()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend");
        LoopbackHttpServer server(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); }, serverTls());
        AutoUpdateTool tool;
        tool.setHost(QStringLiteral("127.0.0.1"));
        tool.setPort(server.serverPort());
        tool.setUpdateFile(UpdatePath.mid(1));
        tool.setTimeout(5000);
        QCOMPARE(fetch(tool), QStringList({"fileDownloadSuccess"}));
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests.first().target, UpdatePath.toLatin1());
    }

    void neverFollowsHttpsToPlainHttp()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend");
        LoopbackHttpServer plain(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); });
        LoopbackHttpServer secure(
            [&](const HttpRequest &, QTcpSocket &socket) {
                LoopbackHttpServer::reply(socket, 302, "",
                    "Location: " + plain.baseUrl().toLatin1() + UpdatePath.toLatin1() + "\r\n");
            },
            serverTls());
        auto tool = toolFor(secure.baseUrl(), 5000);
        QCOMPARE(fetch(*tool), QStringList({"unableToRetrieveFile"}));
        QCOMPARE(secure.requests.size(), 1);
        QCOMPARE(plain.requests.size(), 0);
    }

    void unusableProxyPortFailsRatherThanGoingDirect()
    {
        LoopbackHttpServer server(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); });
        auto tool = toolFor(server.baseUrl());
        QCOMPARE(tool->setProxy(QStringLiteral("127.0.0.1"), 0, QString(), QString()), -1);
        QCOMPARE(fetch(*tool), QStringList({"unableToRetrieveFile"}));
        QCOMPARE(server.requests.size(), 0);
    }

    void aNewFetchDropsTheRunningOne()
    {
        LoopbackHttpServer silent([](const HttpRequest &, QTcpSocket &) {});
        LoopbackHttpServer server(
            [](const HttpRequest &r, QTcpSocket &s) { serveFile(WattlanFile, r, s); });
        auto tool = toolFor(silent.baseUrl());
        tool->getVersionInfo();
        QTRY_COMPARE(silent.requests.size(), 1);
        tool->setPort(server.serverPort());
        QCOMPARE(fetch(*tool), QStringList({"fileDownloadSuccess"}));
        // Past the dropped fetch's time-out: it stays silent.
        QSignalSpy failures(tool.get(), &AutoUpdateTool::unableToRetrieveFile);
        QTest::qWait(ShortTimeout + 100);
        QCOMPARE(failures.size(), 0);
    }
};

WATTLAN_TEST_MAIN(TestAutoUpdateTool)
#include "tst_autoupdatetool.moc"
