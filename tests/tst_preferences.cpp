// The preferences dialog: what it shows of the settings store, what it keeps
// there, and "Check Now" through the proxy as typed.
#include "loopbackhttp.h"
#include "settingsdlg.h"
#include "updatechecker.h"
#include "windowfixture.h"

#include <QMetaProperty>
#include <QTcpSocket>
#include <QUrl>

namespace {
const QString LatestText = "You have the latest version: v2.1.6 Build 20120202";

void serveLatest(const HttpRequest &, QTcpSocket &socket)
{
    LoopbackHttpServer::reply(socket, 200, testFile("updates/latest.xml"));
}

// Settings as "key=value" sorted by key, separated by "; ".
QString described(const QVariantMap &values)
{
    QStringList pairs;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        pairs << it.key() + '=' + it.value().toString();
    return pairs.join("; ");
}

QString stored()
{
    QSettings settings;
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return described(values);
}

// The control of each setting (the check box of the automatic check shows
// the opposite of its setting).
const QList<std::pair<QString, const char *>> Controls {{"use_proxy", "proxyCheckBox"},
    {"proxy_host", "proxyLineEdit"}, {"proxy_port", "proxyPortSpinBox"},
    {"proxy_user", "usernameLineEdit"}, {"proxy_password", "passwordLineEdit"},
    {"update_never_check", "autoCheckForUpdatesCheckbox"},
    {"update_check_interval_days", "checkForUpdateEveryNDaysSpinBox"}};

// The settings as the controls show them.
QString shown(const SettingsDlg &dialog)
{
    QVariantMap values;
    for (const auto &[key, name] : Controls) {
        QWidget *control = dialog.findChild<QWidget *>(name);
        values[key] = control->metaObject()->userProperty().read(control);
    }
    values["update_never_check"] = !values["update_never_check"].toBool();
    return described(values);
}

void press(const SettingsDlg &dialog, QDialogButtonBox::StandardButton button)
{
    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(button)->click();
}
} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

    IsolatedSettings isolated;

private slots:
    void init() { isolated.clear(); }

    // OK keeps every value as shown, changed or not.
    void showsAndKeeps_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty store")
            << ""
            << "proxy_host=; proxy_password=; proxy_port=8080; proxy_user=; "
               "update_check_interval_days=14; update_never_check=false; use_proxy=false";
        const QString every = "proxy_host=proxy.example.test; proxy_password= s3cret ; "
                              "proxy_port=3128; proxy_user=alice; update_check_interval_days=30; "
                              "update_never_check=true; use_proxy=true";
        QTest::newRow("every key") << every << every;
        // Out of range and not a number: clamped, and 0.
        QTest::newRow("odd values, proxy off")
            << "proxy_host=h; proxy_port=none; update_check_interval_days=500; use_proxy=false"
            << "proxy_host=h; proxy_password=; proxy_port=0; proxy_user=; "
               "update_check_interval_days=365; update_never_check=false; use_proxy=false";
    }

    void showsAndKeeps()
    {
        QFETCH(QString, before);
        QFETCH(QString, shown);
        for (const QString &pair : before.split("; ", Qt::SkipEmptyParts))
            QSettings().setValue(pair.section('=', 0, 0), pair.section('=', 1));
        SettingsDlg dialog;
        QCOMPARE(::shown(dialog), shown);
        QCOMPARE(dialog.findChild<QWidget *>("proxyFrame")->isEnabled(),
            shown.endsWith("use_proxy=true"));
        QTest::ignoreMessage(QtDebugMsg, "Dialog accepted, writing settings changes.");
        press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(stored(), shown);
    }

    // Check Now takes the proxy from the controls as they stand, reports each
    // press, and a cancelled dialog stores nothing.
    void checkNow_data()
    {
        QTest::addColumn<int>("proxyClicks");
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("throughProxy");
        QTest::newRow("ticked, host given") << 1 << "127.0.0.1" << true;
        QTest::newRow("ticked, no host") << 1 << "" << false;
        QTest::newRow("not ticked") << 0 << "127.0.0.1" << false;
        QTest::newRow("ticked and unticked") << 2 << "127.0.0.1" << false;
    }

    void checkNow()
    {
        QFETCH(int, proxyClicks);
        QFETCH(QString, host);
        QFETCH(bool, throughProxy);
        const QByteArray credentials
            = "Proxy-Authorization: Basic " + QByteArray("alice:s3cret").toBase64();
        LoopbackHttpServer proxy([&](const HttpRequest &request, QTcpSocket &socket) {
            if (!request.head.contains(credentials))
                LoopbackHttpServer::reply(
                    socket, 407, "", "Proxy-Authenticate: Basic realm=\"loopback\"\r\n");
            else
                serveLatest(request, socket);
        });
        LoopbackHttpServer direct(serveLatest);
        CapturingPrompter prompter;
        SettingsDlg dialog;
        // Through the proxy the server's name does not resolve: only the proxy can answer.
        dialog.setUpdateServer(QUrl(throughProxy ? "http://updates.invalid" : direct.baseUrl()));
        for (int click = 0; click < proxyClicks; ++click)
            dialog.findChild<QCheckBox *>("proxyCheckBox")->click();
        QCOMPARE(dialog.findChild<QWidget *>("proxyFrame")->isEnabled(), proxyClicks % 2 == 1);
        dialog.findChild<QLineEdit *>("proxyLineEdit")->setText(host);
        dialog.findChild<QSpinBox *>("proxyPortSpinBox")->setValue(proxy.serverPort());
        dialog.findChild<QLineEdit *>("usernameLineEdit")->setText("alice");
        dialog.findChild<QLineEdit *>("passwordLineEdit")->setText("s3cret");
        for (int n = 1; n <= 2; ++n) {
            dialog.findChild<QPushButton *>("checkForUpdatesNowButton")->click();
            QTRY_COMPARE(prompter.boxes.size(), n);
        }
        QTest::qWait(100);
        QCOMPARE(prompter.texts(), QStringList({LatestText, LatestText}));
        QCOMPARE(dialog.findChildren<UpdateChecker *>().size(), 1);
        QCOMPARE(proxy.requests.isEmpty(), !throughProxy);
        QCOMPARE(direct.requests.size(), throughProxy ? 0 : 2);
        if (throughProxy)
            QCOMPARE(proxy.requests.last().target,
                QByteArray("http://updates.invalid/software/YmAppVersions.xml"));

        QTest::ignoreMessage(QtDebugMsg, "Dialog rejected, ignoring settings changes.");
        press(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(stored(), "");
    }

    void preferencesActionRunsAFreshDialog()
    {
        WindowFixture fixture;
        fixture.prompter.clear();
        bool fresh = false;
        fixture.prompter.dialogResponder = [&](QDialog &dialog) {
            fresh = qobject_cast<SettingsDlg *>(&dialog) && !dialog.parent();
            dialog.accept();
            return int(QDialog::Accepted);
        };
        QTest::ignoreMessage(QtDebugMsg, "Dialog accepted, writing settings changes.");
        fixture.trigger("actionPreferences");
        QVERIFY(fresh);
        QCOMPARE(fixture.prompter.boxes.size(), 1);
        QCOMPARE(stored().count('='), 7);
    }
};

WATTLAN_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
