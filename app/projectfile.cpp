// The project file of the main window: the Zelvane tab's settings and run.
#include "cframe.h"
#include "documents.h"
#include "filesave.h"
#include "prompter.h"
#include "wattlan.h"

#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QStatusBar>
#include <QXmlStreamWriter>

namespace {
// Makes directory the working directory for its lifetime.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &directory) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(directory);
    }
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }
    WorkingDirectory(const WorkingDirectory &) = delete;
    WorkingDirectory &operator=(const WorkingDirectory &) = delete;

private:
    const QString m_previous;
};

// Makes the entry with exactly this text current, or none when there is none.
void selectText(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// The line voltage and load selectors end in "Other", which the window shows
// translated and a file stores untranslated.
QString storedChoice(const QComboBox *combo)
{
    const int other = combo->count() - 1;
    if (other >= 0 && combo->currentIndex() == other)
        return ProjectFormat::otherText();
    return combo->currentText();
}

// A stored "Other" in either form: untranslated, or as this language shows it.
bool namesOther(const QComboBox *combo, const QString &stored)
{
    return stored == ProjectFormat::otherText()
        || (combo->count() > 0 && stored == combo->itemText(combo->count() - 1));
}

void selectStoredChoice(QComboBox *combo, const QString &stored)
{
    if (namesOther(combo, stored))
        combo->setCurrentIndex(combo->count() - 1);
    else
        selectText(combo, stored);
}
} // namespace

YmFixture *Wattlan::zelvaneFixtureNamed(const QString &name) const
{
    const int row = ui.m_ZVFixture_Combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // Row i of the selector lists record i of the database's list.
    return row >= 0 ? m_database.m_zvFixtures.value(row) : nullptr;
}

QString Wattlan::zelvaneFixtureName(const YmFixture *fixture) const
{
    const QList<ZVFixture *> &fixtures = m_database.m_zvFixtures;
    for (int position = 0; position < fixtures.size(); ++position)
        if (fixtures.at(position) == fixture)
            return ui.m_ZVFixture_Combo->itemText(position); // empty past the last row
    return QString();
}

ZelvaneSettings Wattlan::zelvaneSettings() const
{
    ZelvaneSettings settings;
    settings.fixtureName = ui.m_ZVFixture_Combo->currentText();
    settings.supplyName = ui.m_ZVSupply_Combo->currentText();
    settings.lineVoltage = storedChoice(ui.m_ZV_LineVoltage_Combo);
    settings.customLineVoltage = ui.m_ZV_LineVoltage_Spin->value();
    settings.maxCircuitLoad = storedChoice(ui.m_ZV_MaxLoad_Combo);
    settings.customMaxCircuitLoad = ui.m_ZV_MaxLoad_Spin->value();
    settings.leaderType = ui.m_ZV_LeaderType_Combo->currentText();
    settings.customLeaderGauge = ui.m_ZV_LeaderSize_Combo->currentText();
    settings.leaderLength = ui.m_ZV_LeaderLength_Spin->value();
    return settings;
}

void Wattlan::applyZelvaneSettings(const ZelvaneSettings &settings)
{
    // Each change runs its slot at once: the fixture goes first, so that
    // its supplies and leaders are listed before they are looked up.
    selectText(ui.m_ZVFixture_Combo, settings.fixtureName);
    if (!settings.supplyName.isEmpty())
        selectText(ui.m_ZVSupply_Combo, settings.supplyName);
    selectStoredChoice(ui.m_ZV_LineVoltage_Combo, settings.lineVoltage);
    if (namesOther(ui.m_ZV_LineVoltage_Combo, settings.lineVoltage))
        ui.m_ZV_LineVoltage_Spin->setValue(settings.customLineVoltage);
    selectStoredChoice(ui.m_ZV_MaxLoad_Combo, settings.maxCircuitLoad);
    if (namesOther(ui.m_ZV_MaxLoad_Combo, settings.maxCircuitLoad))
        ui.m_ZV_MaxLoad_Spin->setValue(settings.customMaxCircuitLoad);
    selectText(ui.m_ZV_LeaderType_Combo, settings.leaderType);
    if (settings.leaderType == ProjectFormat::customLeaderText())
        selectText(ui.m_ZV_LeaderSize_Combo, settings.customLeaderGauge);
    ui.m_ZV_LeaderLength_Spin->setValue(settings.leaderLength);
}

QByteArray Wattlan::configurationBytes() const
{
    return ProjectFormat::serialise(zelvaneSettings(), [this](QXmlStreamWriter &writer) {
        ui.m_ZV_Frame->toXml(
            writer, [this](const YmFixture *fixture) { return zelvaneFixtureName(fixture); });
    });
}

void Wattlan::writeConfiguration(const QString &fileName)
{
    const QString target = withSuffix(fileName, QStringLiteral(".xml"));
    SaveOutcome outcome;
    {
        const WaitCursor busy;
        // Resolved before the working directory changes.
        const QFileInfo targetInfo(target);
        const WorkingDirectory inFileDirectory(QFileInfo(fileName).absolutePath());
        outcome = replaceFileContents(targetInfo.absoluteFilePath(), configurationBytes());
    }
    // Reported with the normal cursor, the working directory restored.
    if (outcome.stage != SaveStage::Saved) {
        const QString text = outcome.stage == SaveStage::NotOpened
            ? tr("Cannot open file %1:\n%2.")
            : tr("Cannot write file %1:\n%2.");
        Prompter::warning(this, tr("Save Error"), text.arg(target, outcome.errorText));
        if (ui.statusBar)
            ui.statusBar->showMessage(tr("Failed to save configuration: %1").arg(target));
        return;
    }
    statusMessage(tr("Configuration saved"));
    setCurrentFile(fileName);
}

void Wattlan::refuseToOpen(const QString &fileName, const QString &text)
{
    Prompter::warning(this, tr("Open Error"), text);
    if (ui.statusBar)
        ui.statusBar->showMessage(tr("Failed to open configuration %1").arg(fileName));
}

void Wattlan::readConfiguration(const QString &fileName)
{
    QDomDocument document;
    QString reason;
    ProjectFormat::LoadResult result;
    {
        const WaitCursor busy;
        result = ProjectFormat::load(fileName, document, &reason);
    }
    // Anything but a configuration leaves the window and the current file
    // as they were, so that a later Save cannot overwrite a foreign file.
    if (result != ProjectFormat::LoadResult::Loaded) {
        refuseToOpen(fileName, ProjectFormat::refusal(result, fileName, reason));
        return;
    }

    {
        const WaitCursor busy;
        const QDomElement root = document.documentElement();
        applyZelvaneSettings(ProjectFormat::settingsFrom(root));
        // Last: the run refers to the fixture and its lists set above.
        QString message;
        ui.m_ZV_Frame->fromXml(
            root, [this](const QString &name) { return zelvaneFixtureNamed(name); }, message);
    }
    setCurrentFile(fileName);
}
