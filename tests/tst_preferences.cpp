// The preferences dialog: what it shows of the settings store, what it keeps
// there, and "Check Now": through the proxy as typed, and what it tells the user.
#include "loopbackhttp.h"
#include "readersupport.h"
#include "settingsdlg.h"
#include "updatechecker.h"
#include "windowfixture.h"

#include <QDesktopServices>
#include <QMetaProperty>
#include <QUrl>

namespace {
// The update file of tests/data/updates ("-": none, the server answers 404),
// its download address replaced.
LoopbackHttpServer::Handler serving(const QString &file, const QString &download = QString())
{
    const QByteArray body = file == "-" ? QByteArray() : Readers::dataFile("updates/" + file);
    const QByteArray page
        = QByteArray(body).replace("https://example.test/get", download.toHtmlEscaped().toUtf8());
    return [=](const HttpRequest &, QTcpSocket &socket) {
        LoopbackHttpServer::reply(socket, body.isEmpty() ? 404 : 200, page);
    };
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

// The settings as the controls show them; the check box of the automatic
// check shows the opposite of its setting.
QString shown(const QDialog &dialog)
{
    const QList<std::pair<QString, const char *>> controls {{"use_proxy", "proxyCheckBox"},
        {"proxy_host", "proxyLineEdit"}, {"proxy_port", "proxyPortSpinBox"},
        {"proxy_user", "usernameLineEdit"}, {"proxy_password", "passwordLineEdit"},
        {"update_never_check", "autoCheckForUpdatesCheckbox"},
        {"update_check_interval_days", "checkForUpdateEveryNDaysSpinBox"}};
    QVariantMap values;
    for (const auto &[key, name] : controls) {
        QWidget *control = dialog.findChild<QWidget *>(name);
        values[key] = control->metaObject()->userProperty().read(control);
    }
    values["update_never_check"] = !values["update_never_check"].toBool();
    return described(values);
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

    IsolatedSettings isolated;
    QStringList events; // boxes and addresses opened, in order
    const QStringList schemes {"http", "https", "file", "mailto"};

public slots:
    // Stands in for the desktop.
    void open(const QUrl &url) { events << "open " + url.toString(); }

private slots:
    void initTestCase()
    {
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }

    void cleanupTestCase()
    {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void init()
    {
        isolated.clear();
        events.clear();
    }

    // The main window's Preferences: a dialog showing the store, and OK keeps
    // every value as shown, changed or not.
    void showsAndKeeps_data()
    {
        addColumns<QString, QString>("before", "shown");
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
        const auto [before, shown] = fetch<QString, QString>("before", "shown");
        for (const QString &pair : before.split("; ", Qt::SkipEmptyParts))
            QSettings().setValue(pair.section('=', 0, 0), pair.section('=', 1));
        WindowFixture fixture;
        fixture.prompter.dialogResponder = [&](QDialog &dialog) {
            events << ::shown(dialog);
            if (dialog.findChild<QWidget *>("proxyFrame")->isEnabled())
                events << "proxy fields enabled";
            dialog.findChild<QDialogButtonBox *>("buttonBox")
                ->button(QDialogButtonBox::Ok)
                ->click();
            return dialog.result();
        };
        QTest::ignoreMessage(QtDebugMsg, "Dialog accepted, writing settings changes.");
        fixture.trigger("actionPreferences");
        QCOMPARE(events.value(0), shown);
        QCOMPARE(events.contains("proxy fields enabled"), shown.endsWith("use_proxy=true"));
        QCOMPARE(stored(), shown);
    }

    // The rows of tests/data/updates/checks.txt. Check Now takes the proxy from
    // the controls as they stand, and a cancelled dialog stores nothing.
    void checkNow_data()
    {
        addColumns<QVariantMap, QStringList>("row", "events");
        for (const Readers::Block &block : Readers::blocks("tests/data/updates/checks.txt")) {
            QVariantMap row;
            for (const QString &setting : block.lines.value(0).split(' '))
                row[setting.section('=', 0, 0)] = setting.section('=', 1);
            QStringList events = block.lines.mid(1);
            for (QString &line : events)
                line.replace("\\n", "\n");
            QTest::newRow(qPrintable(block.name)) << row << events;
        }
    }

    void checkNow()
    {
        const auto [row, events] = fetch<QVariantMap, QStringList>("row", "events");
        const auto serve = serving(row["file"].toString(), row["download"].toString());
        LoopbackHttpServer direct([&](const HttpRequest &request, QTcpSocket &socket) {
            this->events << "direct: " + request.target;
            serve(request, socket);
        });
        const QByteArray credentials
            = "Proxy-Authorization: Basic " + QByteArray("alice:s3cret").toBase64();
        LoopbackHttpServer proxy([&](const HttpRequest &request, QTcpSocket &socket) {
            if (!request.head.contains(credentials))
                return LoopbackHttpServer::reply(
                    socket, 407, "", "Proxy-Authenticate: Basic realm=\"loopback\"\r\n");
            this->events << "through the proxy: " + QUrl(request.target).path();
            serve(request, socket);
        });
        CapturingPrompter prompter;
        const int answer = row["answer"] == "Yes" ? QMessageBox::Yes : QMessageBox::No;
        prompter.messageResponder = [&](QMessageBox &box) {
            this->events << box.windowTitle() + ": " + box.text();
            const bool question = box.icon() == QMessageBox::Question;
            if (box.standardButtons()
                != (question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok))
                this->events << "other buttons";
            return question ? answer : int(QMessageBox::Ok);
        };

        SettingsDlg dialog;
        dialog.setUpdateServer(QUrl(direct.baseUrl()));
        for (int click = 0; click < row["ticks"].toInt(); ++click)
            dialog.findChild<QCheckBox *>("proxyCheckBox")->click();
        if (dialog.findChild<QWidget *>("proxyFrame")->isEnabled())
            this->events << "proxy fields enabled";
        dialog.findChild<QLineEdit *>("proxyLineEdit")->setText(row["host"].toString());
        dialog.findChild<QSpinBox *>("proxyPortSpinBox")->setValue(proxy.serverPort());
        dialog.findChild<QLineEdit *>("usernameLineEdit")->setText("alice");
        dialog.findChild<QLineEdit *>("passwordLineEdit")->setText("s3cret");
        for (int press = 0; press < row.value("presses", 1).toInt(); ++press) {
            const qsizetype before = prompter.boxes.size();
            dialog.findChild<QPushButton *>("checkForUpdatesNowButton")->click();
            QTRY_VERIFY(prompter.boxes.size() > before);
        }
        QTest::qWait(50); // room for a report that should never come
        QCOMPARE(this->events, events);
        QCOMPARE(dialog.findChildren<UpdateChecker *>().size(), 1);

        QTest::ignoreMessage(QtDebugMsg, "Dialog rejected, ignoring settings changes.");
        dialog.findChild<QDialogButtonBox *>("buttonBox")
            ->button(QDialogButtonBox::Cancel)
            ->click();
        QCOMPARE(stored(), "");
    }
};

WATTLAN_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
