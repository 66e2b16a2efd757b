// Fetching the update file over HTTP(S), and reading it: what the reader keeps of each input
// of tests/readers/update (and the huge ones made here) must be what expected/update.txt keeps.
#include "autoupdatetool.h"
#include "loopbackhttp.h"
#include "readersupport.h"
#include "testsupport.h"
#include "updatefile.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

using namespace Readers;
using ReVazodiZedid::AutoUpdateTool;
using Handler = LoopbackHttpServer::Handler;
Q_DECLARE_METATYPE(Handler)

namespace {
const QByteArray UpdatePath = "/software/YmAppVersions.xml";
// Time bounds grow under slow tools such as memcheck.
const int Slow = qMax(1, qEnvironmentVariableIntValue("WATTLAN_SLOW_FACTOR"));
// Short for the cases that end by the clock, ample for those that end by themselves.
const int ShortTimeout = 300 * Slow;
const int AmpleTimeout = 5000 * Slow;
const QByteArray Newer = dataFile("updates/newer.xml"); // WATTLAN 2.1.7 Build 20120510
const QString Available = "updateAvailable 2.1.7 Build 20120510 https://example.test/get";
const QString Unable = "unableToRetrieveFile";

const Handler Silent = [](const HttpRequest &, QTcpSocket &) {};

Handler answer(int status, const QByteArray &body, const QByteArray &headers = {})
{
    return [=](const HttpRequest &, QTcpSocket &s) {
        LoopbackHttpServer::reply(s, status, body, headers);
    };
}

// Writes the head, then a piece every few milliseconds while the socket lives.
Handler stream(const QByteArray &headers, int pieceBytes, int everyMsecs)
{
    return [=](const HttpRequest &, QTcpSocket &socket) {
        socket.write(LoopbackHttpServer::head(200, headers));
        auto *timer = new QTimer(&socket);
        QObject::connect(timer, &QTimer::timeout, &socket, [&socket, pieceBytes] {
            if (socket.bytesToWrite() < pieceBytes)
                socket.write(QByteArray(pieceBytes, ' '));
        });
        timer->start(everyMsecs);
    };
}

// Redirects the first requests, each to a path of its own, then serves newer.xml.
Handler redirecting(int redirects)
{
    return [=, seen = 0](const HttpRequest &, QTcpSocket &socket) mutable {
        const bool last = ++seen > redirects;
        LoopbackHttpServer::reply(socket, last ? 200 : 302, last ? Newer : "",
            "Location: /hop" + QByteArray::number(seen) + "\r\n");
    };
}

std::unique_ptr<AutoUpdateTool> toolFor(const QString &base, int timeout = AmpleTimeout)
{
    auto tool = std::make_unique<AutoUpdateTool>();
    tool->setScheme(QUrl(base).scheme());
    tool->setHost(QUrl(base).host());
    tool->setPort(QUrl(base).port());
    tool->setUpdateFile(UpdatePath);
    tool->setTimeout(timeout);
    return tool;
}

// Fetches, and once fetched compares the given WATTLAN version
// ("series.major.minor.revision.build") with the file; every signal that came.
QString fetchAndCompare(AutoUpdateTool &tool, const QString &current)
{
    QList<quint32> f;
    for (const QString &field : current.split('.'))
        f << field.toUInt();
    QStringList said;
    QObject context;
    QObject::connect(&tool, &AutoUpdateTool::fileDownloadSuccess, &context,
        [&] { tool.checkForUpdate("WATTLAN", f[0], f[1], f[2], f[3], f[4]); });
    QObject::connect(
        &tool, &AutoUpdateTool::unableToRetrieveFile, &context, [&] { said << Unable; });
    QObject::connect(&tool, &AutoUpdateTool::updateAvailable, &context,
        [&](const QString &version, const QString &url) {
            said << "updateAvailable " + version + ' ' + url;
        });
    QObject::connect(&tool, &AutoUpdateTool::noUpdateAvailable, &context,
        [&](const QString &latest) { said << "noUpdateAvailable " + latest; });
    tool.getVersionInfo();
    if (!QTest::qWaitFor([&] { return !said.isEmpty(); }, 15000 * Slow))
        return "<no signal>";
    QTest::qWait(50); // room for a second signal that should never come
    return said.join(" | ");
}

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

    Expected m_updates {QStringLiteral("update")};

private slots:
    // A kept outcome without its input would prove nothing.
    void cleanupTestCase() { QCOMPARE(m_updates.unmatched(), QStringList()); }

    void updates_data();
    void updates()
    {
        QFETCH(QByteArray, bytes);
        QElapsedTimer timer;
        timer.start();
        const auto file = ReVazodiZedid::parseUpdateFile(bytes);
        QStringList entries {QStringLiteral("refused")};
        if (file) {
            entries.clear();
            for (auto it = file->cbegin(); it != file->cend(); ++it)
                entries << QStringLiteral("%1 %2 [%3]")
                               .arg(
                                   shown(it.key()), it->version.toString(), shown(it->downloadUrl));
            entries.sort();
        }
        READERS_CHECK(m_updates, shortened(entries));
    }

    // The update files of tests/data/updates as expected.txt lists them, then
    // the server's failures; every signal, and how many requests the server saw.
    void fetchesAndCompares_data()
    {
        // serve: none when nothing listens
        addColumns<Handler, QString, int, QString, int>(
            "serve", "current", "timeout", "outcome", "requests");
        QStringList unlisted = QDir(sourcePath("tests/data/updates")).entryList({"*.xml"});
        QVERIFY2(!unlisted.isEmpty(), "tests/data/updates holds no update file");
        for (const QString &line : QString(dataFile("updates/expected.txt")).split('\n')) {
            const QStringList f = line.split(' ');
            if (f.size() < 3 || line.startsWith('#'))
                continue;
            unlisted.removeAll(f[0]);
            QTest::addRow("%s %s", qPrintable(f[0]), qPrintable(f[1]))
                << answer(200, dataFile("updates/" + f[0])) << f[1] << AmpleTimeout
                << f.mid(2).join(' ') << 1;
        }
        for (const QString &name : unlisted)
            QTest::addRow("%s", qPrintable(name))
                << Handler() << "" << 0 << "<an outcome in expected.txt>" << 0;

        const auto row = [](const char *name, const Handler &serve, const QString &outcome,
                             int requests = 1, int timeout = AmpleTimeout) {
            QTest::newRow(name) << serve << "3.2.1.6.20120202" << timeout << outcome << requests;
        };
        row("not found", answer(404, "<html/>"), Unable);
        row("server error", answer(500, Newer), Unable);
        row("server down", Handler(), Unable, 0);
        row("never answers", Silent, Unable, 1, ShortTimeout);
        row("answers slowly", stream("Content-Length: 100000\r\n", 1, 50), Unable, 1, ShortTimeout);
        const int most = AutoUpdateTool::MaxRedirects;
        row("redirect loop", answer(302, "", "Location: " + UpdatePath + "\r\n"), Unable, most + 1);
        row("too many redirects", redirecting(most + 1), Unable, most + 1);
        row("a few redirects", redirecting(most - 1), Available, most);
        // A time-out of 0 keeps the default one.
        row("time-out 0", answer(200, Newer), Available, 1, 0);
        // With a long time-out these must end by their size, not by the clock.
        row("megabytes announced", stream("Content-Length: 50000000\r\n", 64 * 1024, 1), Unable, 1,
            120000);
        row("endless answer", stream("", 64 * 1024, 1), Unable, 1, 120000);
    }

    void fetchesAndCompares()
    {
        const auto [serve, current, timeout, outcome, requests]
            = fetch<Handler, QString, int, QString, int>(
                "serve", "current", "timeout", "outcome", "requests");
        LoopbackHttpServer server(serve);
        auto tool = toolFor(server.baseUrl(), timeout);
        if (!serve)
            server.close();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(fetchAndCompare(*tool, current), outcome);
        // Far below the default time-out, and far below the long ones.
        QVERIFY2(clock.elapsed() < 15000 * Slow, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(server.requests.size(), requests);
        if (requests)
            QVERIFY(server.requests.first().head.startsWith("GET " + UpdatePath + ' '));
    }

    // One tool through fetches that must not affect each other.
    void fetchesOneAfterAnother()
    {
        LoopbackHttpServer silent(Silent);
        LoopbackHttpServer server(answer(200, Newer));
        auto tool = toolFor(silent.baseUrl(), ShortTimeout);
        // A new fetch drops the running one, which stays silent past its time-out.
        tool->getVersionInfo();
        QTRY_COMPARE(silent.requests.size(), 1);
        tool->setPort(server.serverPort());
        tool->setTimeout(AmpleTimeout);
        QSignalSpy failures(tool.get(), &AutoUpdateTool::unableToRetrieveFile);
        QCOMPARE(fetchAndCompare(*tool, "3.2.1.6.20120202"), Available);
        QTest::qWait(ShortTimeout + 100);
        QCOMPARE(failures.size(), 0);
        // An unusable proxy port fails rather than going direct, and the file
        // of the earlier fetch no longer counts.
        QCOMPARE(tool->setProxy("127.0.0.1", 0, QString(), QString()), -1);
        QCOMPARE(fetchAndCompare(*tool, "3.2.1.6.20120202"), Unable);
        QCOMPARE(server.requests.size(), 1);
        QSignalSpy latest(tool.get(), &AutoUpdateTool::noUpdateAvailable);
        tool->checkForUpdate("WATTLAN", 3, 2, 1, 6, 20120202);
        QCOMPARE(latest.value(0).value(0).toString(), "2.1.6 Build 20120202");
    }

    // HTTPS by default, and never a redirect from it to plain HTTP.
    void httpsOnly()
    {
        if (!QSslSocket::supportsSsl())
            QSKIP("no TLS backend");
        // The tool trusts the test certificate (127.0.0.1, 2000 to 2100) as a real server's.
        const QSslCertificate certificate(dataFile("tls/certificate.pem"));
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificate(certificate);
        QSslConfiguration::setDefaultConfiguration(tls);
        tls.setLocalCertificate(certificate);
        tls.setPrivateKey(QSslKey(dataFile("tls/key.pem"), QSsl::Ec));
        LoopbackHttpServer plain(answer(200, Newer));
        LoopbackHttpServer secure(answer(200, Newer), tls);
        AutoUpdateTool tool;
        tool.setHost("127.0.0.1");
        tool.setPort(secure.serverPort());
        tool.setUpdateFile(UpdatePath.mid(1));
        tool.setTimeout(AmpleTimeout);
        QCOMPARE(fetchAndCompare(tool, "3.2.1.6.20120202"), Available);
        QCOMPARE(secure.requests.value(0).target, UpdatePath);

        LoopbackHttpServer downgrading(
            answer(302, "", "Location: " + plain.baseUrl().toLatin1() + UpdatePath + "\r\n"), tls);
        tool.setPort(downgrading.serverPort());
        QCOMPARE(fetchAndCompare(tool, "3.2.1.6.20120202"), Unable);
        QCOMPARE(downgrading.requests.size(), 1);
        QCOMPARE(plain.requests.size(), 0);
    }
};

void TestUpdates::updates_data()
{
    addColumns<QByteArray, QString>("bytes", "path");
    m_updates.fileRows();
    const QByteArray entry = "<Application name=\"WATTLAN\" series=\"3\" major=\"2\" minor=\"1\" "
                             "revision=\"7\" build=\"20120510\" download=\"https://example.test/";
    m_updates.row("megabyte download address",
        "<YmAppVersions>" + entry + QByteArray(1024 * 1024, 'p') + "\"/></YmAppVersions>");
    QByteArray many = "<YmAppVersions>";
    for (int i = 0; i < 50000; ++i)
        many += "<Application name=\"APP" + QByteArray::number(i)
            + "\" series=\"3\" major=\"2\" minor=\"1\" revision=\"7\" build=\"1\"/>";
    m_updates.row("tens of thousands of entries", many + "</YmAppVersions>");
    m_updates.row("deep nesting inside an unknown element",
        "<YmAppVersions><Notice>" + QByteArray("<n>").repeated(100000)
            + QByteArray("</n>").repeated(100000) + "</Notice>" + entry + "\"/></YmAppVersions>");
    m_updates.row("quadratic entity expansion in an address",
        "<?xml version=\"1.0\"?><!DOCTYPE YmAppVersions [<!ENTITY a \"" + QByteArray(64 * 1024, 'a')
            + "\">]><YmAppVersions>" + entry + QByteArray("&a;").repeated(20000)
            + "\"/></YmAppVersions>");
}

WATTLAN_TEST_MAIN(TestUpdates)
#include "tst_updates.moc"
