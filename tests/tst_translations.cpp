// The German catalogue: complete, current with the sources, and fitting the window.
#include "readersupport.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

namespace {
const QString Catalogue = Readers::sourcePath("translations/wattlan_de.ts");

// The %1..%99 markers of a text, sorted so that their order may change, and
// its accelerators (an ampersand before a letter; "&&" is a literal one).
QStringList markers(const QString &text)
{
    static const QRegularExpression marker("%\\d{1,2}|(?<!&)&(?=[^&\\s])");
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

// Captions and buttons of the page no narrower than their text, and the
// window no wider than the form gives it.
QStringList clipped(QWidget &window, QWidget *page)
{
    QApplication::processEvents(); // let the layouts settle
    QStringList found;
    for (QWidget *widget : page->findChildren<QWidget *>())
        if (widget->isVisibleTo(&window)
            && (qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget))
            && widget->width() < widget->sizeHint().width())
            found << widget->objectName();
    if (window.minimumSizeHint().width() > 594)
        found << QString("the window (%1 > 594 px)").arg(window.minimumSizeHint().width());
    return found;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    // Every text of the sources translated, with the same placeholders and
    // accelerators, and no other text in the catalogue.
    void catalogueIsCompleteAndCurrent()
    {
        // Texts the program keeps in English.
        const QStringList english {"Database version %1", "Total Fixtures: %1",
            "Length = %1 Current = %2 VDrop = %3", "Compute (%1): %2 %3", "Compute %1 %2",
            "Your changes will be lost if you don't save them.",
            "Dialog accepted, writing settings changes.", "offerToSaveIfNeeded: unknown result"};
        QDomDocument document;
        QVERIFY(document.setContent(Readers::fileBytes(Catalogue)));
        const QDomNodeList messages = document.elementsByTagName("message");
        QVERIFY(!messages.isEmpty());
        QStringList faults;
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement message = messages.at(i).toElement();
            const QString source = message.firstChildElement("source").text();
            const QDomElement translation = message.firstChildElement("translation");
            const QString entry
                = message.parentNode().firstChildElement("name").text() + ": \"" + source + '"';
            if (translation.hasAttribute("type"))
                faults << translation.attribute("type") + ' ' + entry;
            else if (translation.text().isEmpty())
                faults << "empty " + entry;
            else if (markers(translation.text()) != markers(source))
                faults << "placeholders or accelerators differ in " + entry;
            if (english.contains(source))
                faults << "kept in English, yet translated: " + entry;
        }

        // As update_translations would write it today.
        QTemporaryDir scratch;
        const QString project = scratch.filePath("project.json");
        const QString copy = scratch.filePath("wattlan_de.ts");
        QVERIFY(QFile::copy(Catalogue, copy));
        QCOMPARE(QProcess::execute(WATTLAN_CMAKE,
                     {"-DIN_FILE=" WATTLAN_LUPDATE_PROJECT, "-DOUT_FILE=" + project, "-P",
                         WATTLAN_LUPDATE_PROJECT_SCRIPT}),
            0);
        QCOMPARE(QProcess::execute(WATTLAN_LUPDATE,
                     {"-project", project, "-no-obsolete", "-locations", "none", "-ts", copy}),
            0);
        if (Readers::fileBytes(copy) != Readers::fileBytes(Catalogue))
            faults << "not current: cmake --build build --target update_translations";
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The German window: translated, product names kept, and nothing clipped,
    // also with the custom values and the gauge selector showing, and on the
    // pages of the full window. The toolkit's texts are German too when its
    // translations are installed: Debian's qt_de.qm only names qtbase_de.qm,
    // so both must lie in the build folder, the working directory that run.sh
    // starts the program in.
    void germanWindowFits()
    {
        const QString dir = qEnvironmentVariable("WATTLAN_BINARY_DIR");
        QTranslator own;
        QTranslator toolkit;
        QVERIFY(own.load("wattlan_de_DE", dir));
        QCoreApplication::installTranslator(&own);
        if (QFile::exists(dir + "/qt_de.qm")) {
            QVERIFY(toolkit.load("qt_de_DE", dir));
            QCoreApplication::installTranslator(&toolkit);
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        } else {
            qWarning("the toolkit's translations (qt6-translations-l10n) are not installed");
        }

        WindowFixture fixture;
        fixture.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(fixture.window.get()));
        auto *tabs = fixture.child<QTabWidget>("tabWidget");
        QCOMPARE(tabs->tabText(0), "Zelvane");
        QCOMPARE(fixture.child<QLabel>("label1_tab1")->text(), "Leuchte:");
        QCOMPARE(clipped(*fixture.window, tabs->widget(0)), QStringList());
        fixture.choose("m_ZV_LineVoltage_Combo", "Andere");
        fixture.choose("m_ZV_MaxLoad_Combo", "Andere");
        fixture.choose("m_ZV_LeaderType_Combo", "Custom Leader");
        QVERIFY(fixture.child<QLabel>("m_ZV_LeaderSize_Label")->isVisibleTo(fixture.window.get()));
        QCOMPARE(clipped(*fixture.window, tabs->widget(0)), QStringList());
        fixture.offerAllTools(); // and the pages that wattlan --full adds
        for (int page = 1; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCOMPARE(clipped(*fixture.window, tabs->widget(page)), QStringList());
        }
    }
};

WATTLAN_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
