#include "testsupport.h"
#include "wattlan.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

struct Entry
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when done
};

QString catalogueOf(const QString &language)
{
    return qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/translations/wattlan_")
        + language + QStringLiteral(".ts");
}

QList<Entry> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    if (!document.setContent(&file, error))
        return {};
    QList<Entry> entries;
    for (QDomElement context = document.documentElement().firstChildElement("context");
         !context.isNull(); context = context.nextSiblingElement("context")) {
        const QString name = context.firstChildElement("name").text();
        for (QDomElement message = context.firstChildElement("message"); !message.isNull();
             message = message.nextSiblingElement("message")) {
            const QDomElement translation = message.firstChildElement("translation");
            entries << Entry {name, message.firstChildElement("source").text(),
                message.firstChildElement("comment").text(), translation.text(),
                translation.attribute("type")};
        }
    }
    return entries;
}

QString shown(const Entry &entry)
{
    return entry.context + QStringLiteral(": \"") + entry.source + QLatin1Char('"');
}

QSet<QString> keys(const QList<Entry> &entries)
{
    QSet<QString> result;
    for (const Entry &entry : entries)
        if (entry.type != QLatin1String("vanished") && entry.type != QLatin1String("obsolete"))
            result << entry.context + QChar(0) + entry.source + QChar(0) + entry.comment;
    return result;
}

// The %1..%99 markers of a text, sorted, so that the order may change in a translation.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

// Accelerator markers: an ampersand before a letter, "&&" being a literal one.
int accelerators(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("(?<!&)&(?=[^&\\s])"));
    return int(text.count(marker));
}

bool runs(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    *output = QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    // No caption or button of the page is narrower than its text, and the
    // window needs no more width than the form gives it.
    static bool fits(QWidget &window, QWidget *page)
    {
        QApplication::processEvents(); // let the layouts settle
        QStringList clipped;
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(&window)
                || !(qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)))
                continue;
            if (widget->width() < widget->sizeHint().width())
                clipped << QStringLiteral("%1 (%2 < %3 px)")
                               .arg(widget->objectName())
                               .arg(widget->width())
                               .arg(widget->sizeHint().width());
        }
        if (window.minimumSizeHint().width() > 594)
            clipped
                << QStringLiteral("the window (%1 > 594 px)").arg(window.minimumSizeHint().width());
        if (!clipped.isEmpty())
            qWarning() << "too narrow:" << clipped;
        return clipped.isEmpty();
    }

private slots:
    void catalogueIsComplete()
    {
        QString error;
        const QList<Entry> entries = readCatalogue(catalogueOf("de"), &error);
        QVERIFY2(!entries.isEmpty(), qPrintable(error));
        QStringList faults;
        for (const Entry &entry : entries) {
            if (!entry.type.isEmpty())
                faults << entry.type + QStringLiteral(" ") + shown(entry);
            else if (entry.translation.isEmpty())
                faults << QStringLiteral("empty ") + shown(entry);
            else if (placeholders(entry.translation) != placeholders(entry.source))
                faults << QStringLiteral("placeholders differ in ") + shown(entry);
            else if (accelerators(entry.translation) != accelerators(entry.source))
                faults << QStringLiteral("accelerators differ in ") + shown(entry);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The catalogue holds exactly the texts that the sources mark today.
    void catalogueIsCurrent()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString project = scratch.filePath("project.json");
        const QString copy = scratch.filePath("wattlan_de.ts");
        QVERIFY(QFile::copy(catalogueOf("de"), copy));
        QString output;
        QVERIFY2(runs(WATTLAN_CMAKE,
                     {"-DIN_FILE=" WATTLAN_LUPDATE_PROJECT, "-DOUT_FILE=" + project, "-P",
                         WATTLAN_LUPDATE_PROJECT_SCRIPT},
                     &output),
            qPrintable(output));
        QVERIFY2(
            runs(WATTLAN_LUPDATE,
                {"-project", project, "-no-obsolete", "-locations", "none", "-ts", copy}, &output),
            qPrintable(output));

        QString error;
        const QList<Entry> kept = readCatalogue(catalogueOf("de"), &error);
        const QList<Entry> current = readCatalogue(copy, &error);
        QVERIFY2(!current.isEmpty(), qPrintable(error));
        QStringList faults;
        for (const QString &key : keys(current) - keys(kept))
            faults << QStringLiteral("not in the catalogue: ")
                    + QString(key).replace(QChar(0), ' ');
        for (const QString &key : keys(kept) - keys(current))
            faults << QStringLiteral("no longer in the sources: ")
                    + QString(key).replace(QChar(0), ' ');
        QVERIFY2(faults.isEmpty(),
            qPrintable(
                faults.join('\n') + "\nrun: cmake --build build --target update_translations"));
    }

    void fixedTextsAreNotTranslated_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *text : {"Database version %1", "Total Fixtures: %1",
                 "Length = %1 Current = %2 VDrop = %3", "Compute (%1): %2 %3", "Compute %1 %2",
                 "Your changes will be lost if you don't save them.",
                 "Dialog accepted, writing settings changes.",
                 "offerToSaveIfNeeded: unknown result"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void fixedTextsAreNotTranslated()
    {
        QFETCH(QString, text);
        QString error;
        const QList<Entry> entries = readCatalogue(catalogueOf("de"), &error);
        QVERIFY2(!entries.isEmpty(), qPrintable(error));
        for (const Entry &entry : entries)
            QVERIFY2(entry.source != text, qPrintable(shown(entry)));
    }

    // Debian's qt_de.qm only names qtbase_de.qm: both must lie in the build folder,
    // the working directory that run.sh starts the program in.
    void toolkitTextsAreGerman()
    {
        const QString dir = qEnvironmentVariable("WATTLAN_BINARY_DIR");
        if (!QFile::exists(dir + QStringLiteral("/qt_de.qm")))
            QSKIP("the toolkit's translations (qt6-translations-l10n) are not installed");
        QTranslator toolkit;
        QVERIFY(toolkit.load(QStringLiteral("qt_de_DE"), dir));
        QCoreApplication::installTranslator(&toolkit);
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCoreApplication::removeTranslator(&toolkit);
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
    }

    // The German window: translated captions, product names kept, nothing clipped,
    // and no wider than the English one.
    void germanWindowFits()
    {
        QTranslator own;
        QVERIFY(
            own.load(QStringLiteral("wattlan_de_DE"), qEnvironmentVariable("WATTLAN_BINARY_DIR")));
        QCoreApplication::installTranslator(&own);
        const auto uninstall = qScopeGuard([&own] { QCoreApplication::removeTranslator(&own); });

        Wattlan window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *tabs = window.findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Zelvane"));
        QCOMPARE(window.findChild<QLabel *>("label1_tab1")->text(), QStringLiteral("Leuchte:"));
        QCOMPARE(window.findChild<QLabel *>("label2_tab1")->text(), QStringLiteral("Quellor:"));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Wattlan Release 2.1.6")));
        auto *voltages = window.findChild<QComboBox *>("m_ZV_LineVoltage_Combo");
        QCOMPARE(voltages->itemText(voltages->count() - 1), QStringLiteral("Andere"));

        QWidget *page = tabs->widget(0);
        QVERIFY2(fits(window, page), "as it starts");
        // The custom values and the gauge selector show themselves too.
        voltages->setCurrentIndex(voltages->count() - 1);
        auto *loads = window.findChild<QComboBox *>("m_ZV_MaxLoad_Combo");
        loads->setCurrentIndex(loads->count() - 1);
        auto *leaders = window.findChild<QComboBox *>("m_ZV_LeaderType_Combo");
        leaders->setCurrentIndex(leaders->findText(QStringLiteral("Custom Leader")));
        QVERIFY(window.findChild<QLabel *>("m_ZV_LeaderSize_Label")->isVisibleTo(&window));
        QVERIFY2(fits(window, page), "with Other and a custom leader chosen");
    }
};

WATTLAN_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
