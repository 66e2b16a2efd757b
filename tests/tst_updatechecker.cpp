#include "loopbackhttp.h"
#include "testsupport.h"
#include "updatechecker.h"

#include <QDesktopServices>
#include <QTcpSocket>
#include <QUrl>

namespace {
const QString UpdatePath = QStringLiteral("/software/YmAppVersions.xml");

QByteArray updateFileOffering(const QByteArray &version, const QByteArray &download)
{
    return updateFile(updateEntry("WATTLAN", "3." + version, download));
}

// Collects the debug lines of the checker while it lives, passing every
// message on to the test framework as well.
class DebugLines
{
public:
    DebugLines()
    {
        current = this;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (type == QtDebugMsg && current)
                    current->lines << message;
                previous(type, context, message);
            });
    }
    ~DebugLines()
    {
        qInstallMessageHandler(previous);
        current = nullptr;
    }
    QStringList lines;

private:
    static inline DebugLines *current = nullptr;
    static inline QtMessageHandler previous = nullptr;
};

bool endsWithOutcome(const QStringList &lines)
{
    return !lines.isEmpty() && lines.last().startsWith(QLatin1String("Update: "));
}
} // namespace

// Stands in for the desktop: records the addresses it is asked to open.
class Desktop : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestUpdateChecker : public QObject
{
    Q_OBJECT

    const QStringList schemes {"http", "https", "file", "mailto"};
    Desktop desktop;

    void checkAgainst(
        UpdateChecker &checker, const LoopbackHttpServer &server, const QString &appName)
    {
        const QUrl base(server.baseUrl());
        checker.setHostAndFile(base.host(), UpdatePath);
        checker.setSchemeAndPort(base.scheme(), base.port());
        checker.setApplicationInfo(appName, 3, 2, 1, 6, 20120202);
        checker.checkForUpdates(QString(), 0, QString(), QString());
    }

private slots:
    void init()
    {
        desktop.opened.clear();
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, &desktop, "open");
    }

    void cleanup()
    {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void reportsEachOutcome_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("interactive");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("debugLine");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<QUrl>>("opened");

        const QString available = "Update: Update available.";
        const QString offer = "Update Available|A newer version (2.1.7 Build 20120510) of this "
                              "application is available.\n\nWould you like to go to the "
                              "download page?";
        const QString refused = "Update Error|The download page address is not a web address "
                                "and was not opened.";
        const QByteArray page = "https://example.test/wattlan?get=2.1.7&os=linux";
        QTest::newRow("update, Yes")
            << updateFileOffering("2.1.7.20120510", page) << true << int(QMessageBox::Yes)
            << available << QStringList({offer}) << QList<QUrl>({QUrl(page)});
        QTest::newRow("update, Yes, plain http")
            << updateFileOffering("2.1.7.20120510", "http://example.test/") << true
            << int(QMessageBox::Yes) << available << QStringList({offer})
            << QList<QUrl>({QUrl("http://example.test/")});
        QTest::newRow("update, No")
            << updateFileOffering("2.1.7.20120510", page) << true << int(QMessageBox::No)
            << available << QStringList({offer}) << QList<QUrl>();
        QTest::newRow("update, Yes, no address")
            << updateFileOffering("2.1.7.20120510", "") << true << int(QMessageBox::Yes)
            << available << QStringList({offer}) << QList<QUrl>();
        for (const char *address : {"file:///etc/passwd", "mailto:a@example.test", "https://"})
            QTest::addRow("update, Yes, %s", address)
                << updateFileOffering("2.1.7.20120510", address) << true << int(QMessageBox::Yes)
                << available << QStringList({offer, refused}) << QList<QUrl>();
        QTest::newRow("update, not interactive")
            << updateFileOffering("2.1.7.20120510", page) << false << int(QMessageBox::No)
            << available << QStringList({offer}) << QList<QUrl>();

        const QString latest = "Update: No update available. Have latest version.";
        QTest::newRow("no update")
            << updateFileOffering("2.1.6.20120202", page) << true << 0 << latest
            << QStringList(
                   {"No Update Available|You have the latest version: v2.1.6 Build 20120202"})
            << QList<QUrl>();
        QTest::newRow("no update, not interactive")
            << updateFileOffering("2.1.6.20120202", page) << false << 0 << latest << QStringList()
            << QList<QUrl>();

        const QString unable = "Update: Unable to retrieve XML file.";
        QTest::newRow("not found")
            << QByteArray() << true << 0 << unable
            << QStringList({"Update Error|Unable to retrieve update file."}) << QList<QUrl>();
        QTest::newRow("not found, not interactive")
            << QByteArray() << false << 0 << unable << QStringList() << QList<QUrl>();
    }

    void reportsEachOutcome()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, interactive);
        QFETCH(int, answer);
        QFETCH(QString, debugLine);
        QFETCH(QStringList, boxes);
        QFETCH(QList<QUrl>, opened);

        LoopbackHttpServer server([&](const HttpRequest &, QTcpSocket &socket) {
            LoopbackHttpServer::reply(socket, file.isEmpty() ? 404 : 200, file);
        });
        CapturingPrompter prompter;
        prompter.messageResponder = [&](QMessageBox &box) {
            return box.icon() == QMessageBox::Question ? answer : int(QMessageBox::Ok);
        };
        DebugLines debug;
        UpdateChecker checker;
        checker.setInteractive(interactive);
        checkAgainst(checker, server, "WATTLAN");
        QTRY_VERIFY(endsWithOutcome(debug.lines));

        QCOMPARE(debug.lines.first(), debugLine);
        QStringList shown;
        for (const CapturedBox &box : prompter.boxes)
            shown << box.caption + '|' + box.text;
        QCOMPARE(shown, boxes);
        if (!prompter.boxes.isEmpty()) {
            const bool question = prompter.boxes.first().icon == QMessageBox::Question;
            QCOMPARE(prompter.boxes.first().buttons,
                question ? QStringList({"&Yes", "&No"}) : QStringList({"OK"}));
        }
        QCOMPARE(desktop.opened, opened);
    }

    void eachCheckReportsOnce()
    {
        LoopbackHttpServer server([](const HttpRequest &, QTcpSocket &socket) {
            LoopbackHttpServer::reply(socket, 200, updateFileOffering("2.1.6.20120202", ""));
        });
        CapturingPrompter prompter;
        DebugLines debug;
        UpdateChecker checker;

        // Without a name the check ends without a report and leaves its connections.
        checkAgainst(checker, server, QString());
        QTRY_COMPARE(debug.lines, QStringList({"Bug: No appname set"}));

        for (int check = 1; check <= 3; ++check) {
            checkAgainst(checker, server, "WATTLAN");
            QTRY_COMPARE(prompter.boxes.size(), check);
            QTest::qWait(100);
            QCOMPARE(prompter.boxes.size(), check);
        }
        QCOMPARE(server.requests.size(), 4);
    }
};

WATTLAN_TEST_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
