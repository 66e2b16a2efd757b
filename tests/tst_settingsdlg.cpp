#include "loopbackhttp.h"
#include "settingsdlg.h"
#include "testsupport.h"
#include "updatechecker.h"
#include "wattlan.h"

#include <QAction>
#include <QSettings>
#include <QTcpSocket>
#include <QUrl>

namespace {
const QByteArray LatestFile = updateFile(updateEntry("WATTLAN", "3.2.1.6.20120202", ""));
const QString LatestText = QStringLiteral("You have the latest version: v2.1.6 Build 20120202");

void serveLatest(const HttpRequest &, QTcpSocket &socket)
{
    LoopbackHttpServer::reply(socket, 200, LatestFile);
}

template<typename T> T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QVariantMap storedSettings()
{
    QSettings settings;
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}
} // namespace

class TestSettingsDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A store of this test's own, so that tests running beside it keep theirs.
        QCoreApplication::setApplicationName(QStringLiteral("Wattlan-tst_settingsdlg"));
        const QString store = QSettings().fileName();
        QVERIFY2(store.startsWith(
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                && store.contains(QLatin1String("qttest")),
            qPrintable(store));
    }

    void init() { QSettings().clear(); }

    void emptyStoreShowsTheDefaults()
    {
        SettingsDlg dialog;
        QVERIFY(!child<QCheckBox>(dialog, "proxyCheckBox")->isChecked());
        QVERIFY(!child<QFrame>(dialog, "proxyFrame")->isEnabled());
        for (const char *edit : {"proxyLineEdit", "usernameLineEdit", "passwordLineEdit"})
            QCOMPARE(child<QLineEdit>(dialog, edit)->text(), QString());
        QCOMPARE(child<QSpinBox>(dialog, "proxyPortSpinBox")->value(), 8080);
        QVERIFY(child<QCheckBox>(dialog, "autoCheckForUpdatesCheckbox")->isChecked());
        QCOMPARE(child<QSpinBox>(dialog, "checkForUpdateEveryNDaysSpinBox")->value(), 14);
    }

    void showsStoredValues()
    {
        {
            QSettings settings;
            settings.setValue("use_proxy", true);
            settings.setValue("proxy_host", "proxy.example.test");
            settings.setValue("proxy_port", 3128);
            settings.setValue("proxy_user", "alice");
            settings.setValue("proxy_password", " s3cret ");
            settings.setValue("update_never_check", true);
            settings.setValue("update_check_interval_days", 30);
        }
        SettingsDlg dialog;
        QVERIFY(child<QCheckBox>(dialog, "proxyCheckBox")->isChecked());
        QVERIFY(child<QFrame>(dialog, "proxyFrame")->isEnabled());
        QCOMPARE(child<QLineEdit>(dialog, "proxyLineEdit")->text(), QString("proxy.example.test"));
        QCOMPARE(child<QSpinBox>(dialog, "proxyPortSpinBox")->value(), 3128);
        QCOMPARE(child<QLineEdit>(dialog, "usernameLineEdit")->text(), QString("alice"));
        QCOMPARE(child<QLineEdit>(dialog, "passwordLineEdit")->text(), QString(" s3cret "));
        QVERIFY(!child<QCheckBox>(dialog, "autoCheckForUpdatesCheckbox")->isChecked());
        QCOMPARE(child<QSpinBox>(dialog, "checkForUpdateEveryNDaysSpinBox")->value(), 30);
    }

    void clampsAndConvertsOddValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<int>("shown");
        QTest::newRow("500 days") << "update_check_interval_days" << QVariant(500)
                                  << "checkForUpdateEveryNDaysSpinBox" << 365;
        QTest::newRow("port not a number")
            << "proxy_port" << QVariant("none") << "proxyPortSpinBox" << 0;
    }

    void clampsAndConvertsOddValues()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, spinBox);
        QFETCH(int, shown);
        QSettings().setValue(key, stored);
        SettingsDlg dialog;
        QCOMPARE(child<QSpinBox>(dialog, qPrintable(spinBox))->value(), shown);
    }

    void acceptStoresEverySetting()
    {
        SettingsDlg dialog;
        child<QCheckBox>(dialog, "autoCheckForUpdatesCheckbox")->click();
        child<QLineEdit>(dialog, "proxyLineEdit")->setText("proxy.example.test");
        child<QSpinBox>(dialog, "proxyPortSpinBox")->setValue(3128);
        child<QLineEdit>(dialog, "usernameLineEdit")->setText("alice");
        child<QLineEdit>(dialog, "passwordLineEdit")->setText("s3cret");
        child<QSpinBox>(dialog, "checkForUpdateEveryNDaysSpinBox")->setValue(7);
        QTest::ignoreMessage(QtDebugMsg, "Dialog accepted, writing settings changes.");
        child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();

        // The proxy stays off, yet what was typed for it is kept.
        const QVariantMap expected {{"use_proxy", false}, {"proxy_host", "proxy.example.test"},
            {"proxy_port", 3128}, {"proxy_user", "alice"}, {"proxy_password", "s3cret"},
            {"update_never_check", true}, {"update_check_interval_days", 7}};
        QCOMPARE(storedSettings(), expected);
    }

    void cancelStoresNothing_data()
    {
        QTest::addColumn<bool>("cancelButton");
        QTest::newRow("Cancel") << true;
        QTest::newRow("window closed") << false;
    }

    void cancelStoresNothing()
    {
        QFETCH(bool, cancelButton);
        LoopbackHttpServer server(serveLatest);
        CapturingPrompter prompter;
        SettingsDlg dialog;
        dialog.setUpdateServer(QUrl(server.baseUrl()));
        child<QCheckBox>(dialog, "proxyCheckBox")->click();
        child<QLineEdit>(dialog, "usernameLineEdit")->setText("alice");
        child<QPushButton>(dialog, "checkForUpdatesNowButton")->click();
        QTRY_COMPARE(prompter.texts(), QStringList({LatestText}));

        QTest::ignoreMessage(QtDebugMsg, "Dialog rejected, ignoring settings changes.");
        if (cancelButton)
            child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        else
            dialog.reject();
        QCOMPARE(storedSettings(), QVariantMap());
    }

    void proxyFieldsFollowTheirCheckBox()
    {
        SettingsDlg dialog;
        QCheckBox *useProxy = child<QCheckBox>(dialog, "proxyCheckBox");
        QFrame *frame = child<QFrame>(dialog, "proxyFrame");
        useProxy->click();
        QVERIFY(frame->isEnabled());
        QVERIFY(child<QLineEdit>(dialog, "passwordLineEdit")->isEnabled());
        useProxy->click();
        QVERIFY(!frame->isEnabled());
        QVERIFY(!child<QSpinBox>(dialog, "proxyPortSpinBox")->isEnabled());
    }

    void checkNowTakesTheProxyFromTheControls_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("throughProxy");
        QTest::newRow("ticked, host given") << true << "127.0.0.1" << true;
        QTest::newRow("ticked, no host") << true << "" << false;
        QTest::newRow("not ticked") << false << "127.0.0.1" << false;
    }

    void checkNowTakesTheProxyFromTheControls()
    {
        QFETCH(bool, ticked);
        QFETCH(QString, host);
        QFETCH(bool, throughProxy);
        const QByteArray credentials = "Basic " + QByteArray("alice:s3cret").toBase64();
        LoopbackHttpServer proxy([&](const HttpRequest &request, QTcpSocket &socket) {
            if (request.headers.value("proxy-authorization") != credentials)
                LoopbackHttpServer::reply(
                    socket, 407, "", "Proxy-Authenticate: Basic realm=\"loopback\"\r\n");
            else
                serveLatest(request, socket);
        });
        LoopbackHttpServer direct(serveLatest);

        CapturingPrompter prompter;
        SettingsDlg dialog;
        // Through the proxy the server's name does not resolve: only the proxy can answer.
        dialog.setUpdateServer(
            QUrl(throughProxy ? QStringLiteral("http://updates.invalid") : direct.baseUrl()));
        if (ticked)
            child<QCheckBox>(dialog, "proxyCheckBox")->click();
        child<QLineEdit>(dialog, "proxyLineEdit")->setText(host);
        child<QSpinBox>(dialog, "proxyPortSpinBox")->setValue(proxy.serverPort());
        child<QLineEdit>(dialog, "usernameLineEdit")->setText("alice");
        child<QLineEdit>(dialog, "passwordLineEdit")->setText("s3cret");
        child<QPushButton>(dialog, "checkForUpdatesNowButton")->click();

        QTRY_COMPARE(prompter.texts(), QStringList({LatestText}));
        QCOMPARE(prompter.boxes.first().caption, QString("No Update Available"));
        QCOMPARE(proxy.requests.isEmpty(), !throughProxy);
        QCOMPARE(direct.requests.size(), throughProxy ? 0 : 1);
        if (throughProxy)
            QCOMPARE(proxy.requests.last().target,
                QByteArray("http://updates.invalid/software/YmAppVersions.xml"));
        // The store was never asked.
        QCOMPARE(storedSettings(), QVariantMap());
    }

    void everyPressOfCheckNowReports()
    {
        LoopbackHttpServer server(serveLatest);
        CapturingPrompter prompter;
        SettingsDlg dialog;
        dialog.setUpdateServer(QUrl(server.baseUrl()));
        QPushButton *checkNow = child<QPushButton>(dialog, "checkForUpdatesNowButton");
        for (int press = 1; press <= 2; ++press) {
            checkNow->click();
            QTRY_COMPARE(prompter.boxes.size(), press);
        }
        QTest::qWait(100);
        QCOMPARE(prompter.boxes.size(), 2);
        QCOMPARE(dialog.findChildren<UpdateChecker *>().size(), 1);
    }

    void preferencesActionRunsTheDialog()
    {
        Wattlan window;
        CapturingPrompter prompter;
        bool freshDialog = false;
        prompter.dialogResponder = [&](QDialog &dialog) {
            freshDialog = qobject_cast<SettingsDlg *>(&dialog) && !dialog.parent();
            dialog.accept();
            return int(QDialog::Accepted);
        };
        QTest::ignoreMessage(QtDebugMsg, "Dialog accepted, writing settings changes.");
        window.findChild<QAction *>("actionPreferences")->trigger();
        QVERIFY(freshDialog);
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes.first().caption, QString("Settings"));
        QCOMPARE(storedSettings().size(), 7);
    }
};

WATTLAN_TEST_MAIN(TestSettingsDlg)
#include "tst_settingsdlg.moc"
