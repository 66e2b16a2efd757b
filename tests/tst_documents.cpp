#include "documents.h"
#include "projecttesting.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

using namespace ProjectTesting;

// The document commands as a user reaches them: through their actions,
// made visible as a build that offers them would.
class TestDocuments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<CapturingPrompter> m_prompter;
    std::unique_ptr<Wattlan> m_window;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    Wattlan &window() { return *m_window; }
    CapturingPrompter &prompter() { return *m_prompter; }

    void saveAs(const QString &fileName)
    {
        prompter().fileNames = QStringList {fileName};
        trigger(window(), "actionSave_As");
    }

    void addFixture() { child<QPushButton>(window(), "m_ZV_AddFixture_Button")->click(); }

private slots:
    // A settings store of this test's own: tests run side by side.
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path()));
        QSettings().remove(QStringLiteral("lastDirPath"));
        m_prompter = std::make_unique<CapturingPrompter>();
        m_window = std::make_unique<Wattlan>();
        offerDocumentActions(*m_window);
    }

    void cleanup()
    {
        m_window.reset();
        m_prompter.reset();
    }

    void relabelsSaveAndSaveAs()
    {
        const QString title = window().windowTitle();
        QCOMPARE(child<QAction>(window(), "actionSave")->text(), QStringLiteral("Save"));
        QCOMPARE(child<QAction>(window(), "actionOpen")->statusTip(),
            QStringLiteral("Open an exisiting configuration, checking for unsaved changes"));
        saveAs(path(QStringLiteral("plan")));
        QCOMPARE(child<QAction>(window(), "actionSave")->text(), QStringLiteral("&Save plan"));
        QCOMPARE(
            child<QAction>(window(), "actionSave_As")->text(), QStringLiteral("Save plan &As..."));
        QCOMPARE(window().windowTitle(), title);
        trigger(window(), "actionNew");
        QCOMPARE(
            child<QAction>(window(), "actionSave")->text(), QStringLiteral("&Save Untitled.xml"));
        QCOMPARE(window().windowTitle(), title);
    }

    void appendsTheSuffix()
    {
        saveAs(path(QStringLiteral("plan")));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("plan.xml"))));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("plan"))));
        QCOMPARE(window().currentFileDisplayName(), QStringLiteral("plan"));

        // Save writes plan.xml again, without a dialog.
        QFile::remove(path(QStringLiteral("plan.xml")));
        prompter().fileDialogDirs.clear();
        trigger(window(), "actionSave");
        QVERIFY(prompter().fileDialogDirs.isEmpty());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("plan.xml"))));
        QCOMPARE(prompter().boxes.size(), 0);

        // Any other ending, .XML included, gets the suffix too.
        saveAs(path(QStringLiteral("PLAN.XML")));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("PLAN.XML.xml"))));
    }

    void asksBeforeReplacingOnlyWhenTheSuffixWasAppended_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("written"); // files whose content changed
        QTest::addColumn<int>("boxes");
        QTest::newRow("Replace") << "plan" << true << QStringList {"plan.xml"} << 1;
        QTest::newRow("Cancel opens the dialog again")
            << "plan" << false << QStringList {"other.xml"} << 1;
        QTest::newRow("typed with the suffix")
            << "plan.xml" << false << QStringList {"plan.xml"} << 0;
        QTest::newRow("no such file") << "fresh" << false << QStringList {"fresh.xml"} << 0;
    }

    void asksBeforeReplacingOnlyWhenTheSuffixWasAppended()
    {
        QFETCH(QString, typed);
        QFETCH(bool, replace);
        QFETCH(QStringList, written);
        QFETCH(int, boxes);
        const QByteArray old = "old\n";
        QVERIFY(writeFile(path(QStringLiteral("plan.xml")), old));
        QVERIFY(writeFile(path(QStringLiteral("other.xml")), old));
        QStringList seen; // what each box was like, checked below
        prompter().messageResponder = [&](QMessageBox &box) {
            seen << QString::number(box.windowModality()) << QString::number(box.icon());
            QAbstractButton *cancel = box.button(QMessageBox::Cancel);
            seen << QString::number(box.defaultButton() == cancel);
            for (QAbstractButton *button : box.buttons()) {
                seen << button->text() + QLatin1Char('/') + QString::number(box.buttonRole(button));
                if (replace && button != cancel)
                    button->click();
            }
            if (!replace)
                cancel->click();
            return box.result();
        };
        prompter().fileNames = QStringList {path(typed), path(QStringLiteral("other.xml"))};
        trigger(window(), "actionSave_As");

        QCOMPARE(prompter().boxes.size(), boxes);
        if (boxes) {
            QCOMPARE(seen,
                QStringList(
                    {QString::number(Qt::WindowModal), QString::number(QMessageBox::Question), "1",
                        "Replace/" + QString::number(QMessageBox::AcceptRole),
                        "Cancel/" + QString::number(QMessageBox::RejectRole)}));
            const CapturedBox &box = prompter().boxes.at(0);
            QCOMPARE(box.text,
                QStringLiteral("\"plan.xml\" already exists. Do you want to replace it?"));
            QCOMPARE(box.informativeText,
                "A file or folder with the same name already exists in the folder "
                    + QDir(m_dir.path()).dirName()
                    + ". Replacing it will overwrite its current contents.");
        }
        for (const QString &name : {QStringLiteral("plan.xml"), QStringLiteral("other.xml")})
            QCOMPARE(contents(path(name)) != old, written.contains(name));
        if (written.contains(QStringLiteral("fresh.xml")))
            QVERIFY(QFileInfo::exists(path(QStringLiteral("fresh.xml"))));
        // The dialog was shown once more only after a Cancel.
        QCOMPARE(prompter().fileNames.isEmpty(), written.contains(QStringLiteral("other.xml")));
    }

    void offersToSaveOnlyAModifiedRun()
    {
        // Untouched since start: nothing to ask.
        trigger(window(), "actionNew");
        QCOMPARE(prompter().boxes.size(), 0);
        QCOMPARE(window().currentFileDisplayName(), QStringLiteral("Untitled.xml"));

        // The settings alone are no change worth asking about.
        child<QComboBox>(window(), "m_ZV_LineVoltage_Combo")->setCurrentIndex(3);
        child<QSpinBox>(window(), "m_ZV_LeaderLength_Spin")->setValue(7);
        trigger(window(), "actionNew");
        QCOMPARE(prompter().boxes.size(), 0);

        // Saving keeps the flag; a run with cells read from a file sets it.
        addFixture();
        saveAs(path(QStringLiteral("plan.xml")));
        QCOMPARE(prompter().boxes.size(), 0);
        prompter().messageResponder = CapturingPrompter::pressing(Qt::Key_D);
        trigger(window(), "actionNew");
        QCOMPARE(prompter().boxes.size(), 1);
        QCOMPARE(run(window())->isModified(), false);
        prompter().fileNames = QStringList {path(QStringLiteral("plan.xml"))};
        trigger(window(), "actionOpen");
        QCOMPARE(prompter().boxes.size(), 1);
        QVERIFY(run(window())->isModified());
        trigger(window(), "actionNew");
        QCOMPARE(prompter().boxes.size(), 2);
        QCOMPARE(prompter().boxes.at(1).text,
            QStringLiteral(
                "Do you want to save the changes you made to the configuration 'plan.xml'?"));
    }

    void answersTheOfferByKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("newMade");
        QTest::newRow("D discards") << int(Qt::Key_D) << false << true;
        QTest::newRow("Esc cancels") << int(Qt::Key_Escape) << false << false;
        QTest::newRow("Enter saves") << int(Qt::Key_Return) << true << true;
    }

    void answersTheOfferByKey()
    {
        QFETCH(int, key);
        QFETCH(bool, saved);
        QFETCH(bool, newMade);
        addFixture();
        prompter().messageResponder = CapturingPrompter::pressing(Qt::Key(key));
        // With no current file, Save goes through the save dialog.
        prompter().fileNames = QStringList {path(QStringLiteral("kept.xml"))};
        trigger(window(), "actionNew");

        QCOMPARE(prompter().boxes.size(), 1);
        const CapturedBox &box = prompter().boxes.at(0);
        QCOMPARE(box.text,
            QStringLiteral(
                "Do you want to save the changes you made to the configuration 'Untitled.xml'?"));
        QCOMPARE(box.informativeText,
            QStringLiteral("Your changes will be lost if you don't save them."));
        QCOMPARE(box.caption, QString());
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons.size(), 3);
        QCOMPARE(QFileInfo::exists(path(QStringLiteral("kept.xml"))), saved);
        QCOMPARE(run(window())->cells().size(), newMade ? 1 : 2);
        QCOMPARE(window().currentFileDisplayName(),
            QStringLiteral("Untitled.xml")); // either New, or nothing set yet
        QCOMPARE(run(window())->isModified(), !newMade);
    }

    void cancellingTheSaveDialogAbandonsTheCommand()
    {
        addFixture();
        prompter().messageResponder = CapturingPrompter::pressing(Qt::Key_Return);
        prompter().fileNames.clear(); // the save dialog is cancelled
        trigger(window(), "actionOpen");
        // Only the save dialog was shown, not the open dialog after it.
        QCOMPARE(prompter().fileDialogDirs.size(), 1);
        QCOMPARE(run(window())->cells().size(), 2);
    }

    void treatsAnUnknownAnswerAsCancel()
    {
        addFixture();
        prompter().messageResponder = [](QMessageBox &) { return 77; };
        QTest::ignoreMessage(QtDebugMsg, "offerToSaveIfNeeded: unknown result 77");
        trigger(window(), "actionNew");
        QCOMPARE(run(window())->cells().size(), 2);
    }

    void remembersTheDirectory()
    {
        const QString home = QDir::homePath();
        trigger(window(), "actionOpen"); // cancelled
        trigger(window(), "actionSave_As"); // cancelled
        QCOMPARE(prompter().fileDialogDirs,
            QStringList({home, QDir(home).filePath(QStringLiteral("Untitled.xml"))}));

        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        saveAs(path(QStringLiteral("sub/plan")));
        prompter().fileDialogDirs.clear();
        trigger(window(), "actionOpen");
        trigger(window(), "actionSave_As");
        const QString sub = QFileInfo(path(QStringLiteral("sub"))).absoluteFilePath();
        QCOMPARE(
            prompter().fileDialogDirs, QStringList({sub, sub + QStringLiteral("/Untitled.xml")}));
        QCOMPARE(lastDirPath(), sub);
    }

    void savesUntitledInTheWorkingDirectoryAfterNew()
    {
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        trigger(window(), "actionNew");
        trigger(window(), "actionSave");
        QDir::setCurrent(previous);
        QVERIFY(prompter().fileDialogDirs.isEmpty());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Untitled.xml"))));
    }

    void newRestoresTheDefaults()
    {
        child<QComboBox>(window(), "m_ZVFixture_Combo")->setCurrentIndex(2);
        child<QComboBox>(window(), "m_ZV_LineVoltage_Combo")->setCurrentIndex(6);
        child<QComboBox>(window(), "m_ZV_MaxLoad_Combo")->setCurrentIndex(2);
        child<QSpinBox>(window(), "m_ZV_MaxLoad_Spin")->setValue(33);
        addFixture();
        prompter().messageResponder = CapturingPrompter::pressing(Qt::Key_D);
        trigger(window(), "actionNew");
        QCOMPARE(child<QComboBox>(window(), "m_ZVFixture_Combo")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(window(), "m_ZVSupply_Combo")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(window(), "m_ZV_LineVoltage_Combo")->currentText(),
            QStringLiteral("120"));
        QCOMPARE(
            child<QComboBox>(window(), "m_ZV_MaxLoad_Combo")->currentText(), QStringLiteral("15"));
        QVERIFY(child<QSpinBox>(window(), "m_ZV_MaxLoad_Spin")->isHidden());
        QCOMPARE(child<QSpinBox>(window(), "m_ZV_MaxLoad_Spin")->value(), 33);
        QCOMPARE(child<QComboBox>(window(), "m_ZV_LeaderType_Combo")->currentIndex(), 0);
        QCOMPARE(child<QSpinBox>(window(), "m_ZV_LeaderLength_Spin")->value(), 50);
        QCOMPARE(describe(run(window())), QStringLiteral("1: VC4"));
        QVERIFY(!run(window())->isModified());
    }
};

WATTLAN_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
