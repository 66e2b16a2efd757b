#include "projecttesting.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

using namespace ProjectTesting;

namespace {
// The application's German texts, installed for the translator's lifetime.
std::unique_ptr<QTranslator> installGerman()
{
    auto german = std::make_unique<QTranslator>();
    if (!german->load(QStringLiteral("wattlan_de"), qEnvironmentVariable("WATTLAN_BINARY_DIR")))
        qFatal("wattlan_de.qm is not in the build folder");
    QCoreApplication::installTranslator(german.get());
    return german;
}

QComboBox *combo(Wattlan &window, const char *name)
{
    return child<QComboBox>(window, name);
}

void selectLast(QComboBox *selector)
{
    selector->setCurrentIndex(selector->count() - 1);
}
} // namespace

// A project file does not depend on the language it was saved in.
class TestProjectLanguage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Saves a configuration with "Other" chosen twice and a custom leader.
    QByteArray savedConfiguration(const QString &fileName)
    {
        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        selectLast(combo(window, "m_ZV_LineVoltage_Combo"));
        child<QSpinBox>(window, "m_ZV_LineVoltage_Spin")->setValue(230);
        selectLast(combo(window, "m_ZV_MaxLoad_Combo"));
        child<QSpinBox>(window, "m_ZV_MaxLoad_Spin")->setValue(12);
        selectText(window, "m_ZV_LeaderType_Combo", QStringLiteral("Custom Leader"));
        selectText(window, "m_ZV_LeaderSize_Combo", QStringLiteral("16 AWG"));
        prompter.fileNames = QStringList {m_dir.filePath(fileName)};
        trigger(window, "actionSave_As");
        if (!prompter.boxes.isEmpty())
            qWarning() << prompter.texts();
        return contents(m_dir.filePath(fileName));
    }

    static void selectText(Wattlan &window, const char *name, const QString &text)
    {
        QComboBox *selector = combo(window, name);
        const int row = selector->findText(text);
        QVERIFY2(row >= 0, qPrintable(text));
        selector->setCurrentIndex(row);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void storesOtherAndCustomLeaderUntranslated()
    {
        const QByteArray english = savedConfiguration(QStringLiteral("english.xml"));
        const auto german = installGerman();
        const QByteArray inGerman = savedConfiguration(QStringLiteral("german.xml"));

        const QStringList root = writtenElements(inGerman).value(0).attributes;
        for (const char *attribute :
            {"LineVoltage=Other", "CustomLineVoltage=230", "MaxCircuitLoad=Other",
                "CustomMaxCircuitLoad=12", "LeaderType=Custom Leader", "CustomLeaderGauge=16 AWG"})
            QVERIFY2(root.contains(QLatin1String(attribute)), attribute);
        QCOMPARE(inGerman, english);
    }

    void readsOtherInEitherForm_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("untranslated") << QByteArray("Other");
        QTest::newRow("as the German window shows it") << QByteArray("Andere");
    }

    void readsOtherInEitherForm()
    {
        QFETCH(QByteArray, stored);
        const auto german = installGerman();
        const QString fileName = m_dir.filePath(QStringLiteral("read.xml"));
        QVERIFY(writeFile(fileName,
            "<!DOCTYPE WattlanConfigurationFile>\n<Wattlan CurrentFixtureName=\"Vessik Cove 4 "
            "ft\" LineVoltage=\""
                + stored + "\" CustomLineVoltage=\"230\" MaxCircuitLoad=\"" + stored
                + "\" CustomMaxCircuitLoad=\"12\" LeaderType=\"Custom Leader\" "
                  "CustomLeaderGauge=\"16 AWG\" LeaderLength=\"7\"><CFrame/></Wattlan>\n"));

        CapturingPrompter prompter;
        Wattlan window;
        offerDocumentActions(window);
        prompter.fileNames = QStringList {fileName};
        trigger(window, "actionOpen");
        QCOMPARE(prompter.texts(), QStringList());

        QCOMPARE(combo(window, "m_ZV_LineVoltage_Combo")->currentText(), QStringLiteral("Andere"));
        QCOMPARE(child<QSpinBox>(window, "m_ZV_LineVoltage_Spin")->value(), 230);
        QCOMPARE(combo(window, "m_ZV_MaxLoad_Combo")->currentText(), QStringLiteral("Andere"));
        QCOMPARE(child<QSpinBox>(window, "m_ZV_MaxLoad_Spin")->value(), 12);
        QCOMPARE(
            combo(window, "m_ZV_LeaderType_Combo")->currentText(), QStringLiteral("Custom Leader"));
        QCOMPARE(combo(window, "m_ZV_LeaderSize_Combo")->currentText(), QStringLiteral("16 AWG"));
    }
};

WATTLAN_TEST_MAIN(TestProjectLanguage)
#include "tst_projectlanguage.moc"
