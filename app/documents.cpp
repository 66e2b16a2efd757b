// Document commands: New, Open, Save and Save As.
#include "documents.h"

#include "prompter.h"
#include "wattlan.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {
const QString LastDirKey = QStringLiteral("lastDirPath");
const QString Suffix = QStringLiteral(".xml");
const QString UntitledName = QStringLiteral("Untitled.xml");

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Wattlan)
};

QString projectFilter()
{
    return Texts::tr("Project Files (*.xml);;All Files (*.* *)");
}
} // namespace

bool confirmOverwrite(QWidget *parent, const QFileInfo &existing)
{
    QMessageBox box(parent);
    box.setWindowModality(Qt::WindowModal);
    box.setIcon(QMessageBox::Question);
    box.setText(QLatin1Char('"') + existing.fileName()
        + Texts::tr("\" already exists. Do you want to replace it?"));
    box.setInformativeText(
        Texts::tr("A file or folder with the same name already exists in the folder ")
        + existing.absoluteDir().dirName()
        + Texts::tr(". Replacing it will overwrite its current contents."));
    QPushButton *replace = box.addButton(Texts::tr("Replace"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    Prompter::current().exec(box);
    return box.clickedButton() == replace;
}

QString askFileNameToWrite(QWidget *parent, const QString &caption, const QString &proposed,
    const QString &filter, const QString &suffix)
{
    for (;;) {
        QString fileName = Prompter::current().saveFileName(parent, caption, proposed, filter);
        // With the suffix appended the file that would be replaced is
        // another one than the dialog asked about.
        if (fileName.isEmpty() || fileName.endsWith(suffix))
            return fileName;
        const QFileInfo completed(fileName + suffix);
        if (!completed.exists() || confirmOverwrite(parent, completed))
            return fileName;
    }
}

QString withSuffix(const QString &fileName, const QString &suffix)
{
    return fileName.endsWith(suffix) ? fileName : fileName + suffix;
}

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

QString lastDirPath()
{
    return QSettings().value(LastDirKey, QDir::homePath()).toString();
}

void setLastDirPath(const QString &filePath)
{
    QSettings().setValue(LastDirKey, QFileInfo(filePath).absolutePath());
}

void Wattlan::handleSaveAsAction()
{
    bool cancelled = false;
    saveConfigurationAs(cancelled);
}

bool Wattlan::hasUnsavedChanges() const
{
    // The plain window goes by its run alone.
    return m_allTools ? isWindowModified() : ui.m_ZV_Frame->isModified();
}

bool Wattlan::needsFileName() const
{
    // With every tool the name New gives is only shown, never written to:
    // in the working folder it would land wherever the program was started.
    return m_fileName.isEmpty() || (m_allTools && m_fileName == UntitledName);
}

void Wattlan::handleSaveAction()
{
    if (needsFileName()) {
        handleSaveAsAction();
        return;
    }
    writeConfiguration(m_fileName);
}

void Wattlan::handleOpenAction()
{
    bool cancelled = false;
    offerToSaveIfNeeded(cancelled);
    if (cancelled)
        return;
    const QString fileName = Prompter::current().openFileName(
        this, tr("Open Configuration"), lastDirPath(), projectFilter());
    if (fileName.isEmpty())
        return;
    setLastDirPath(fileName);
    readConfiguration(fileName);
}

void Wattlan::handleNewAction()
{
    bool cancelled = false;
    offerToSaveIfNeeded(cancelled);
    if (cancelled)
        return;
    newConfiguration();
}

void Wattlan::newConfiguration()
{
    ui.m_ZVFixture_Combo->setCurrentIndex(0);
    ui.m_ZVSupply_Combo->setCurrentIndex(0);
    ui.m_ZV_LineVoltage_Combo->setCurrentIndex(1);
    ui.m_ZV_MaxLoad_Combo->setCurrentIndex(0);
    ui.m_ZV_LeaderType_Combo->setCurrentIndex(0);
    ui.m_ZV_LeaderLength_Spin->setValue(50);
    ZV_ResetRun();
    ui.m_ZV_Frame->clearModified();
    setCurrentFile(UntitledName);
}

void Wattlan::saveConfigurationAs(bool &cancelled)
{
    const QString fileName = askFileNameToWrite(this, tr("Save Configuration"),
        QDir(lastDirPath()).filePath(UntitledName), projectFilter(), Suffix);
    if (fileName.isEmpty()) {
        cancelled = true;
        return;
    }
    setLastDirPath(fileName);
    writeConfiguration(fileName);
    cancelled = false;
}

void Wattlan::offerToSaveIfNeeded(bool &cancelled)
{
    cancelled = false;
    if (!hasUnsavedChanges())
        return;

    QMessageBox box(this);
    box.setText(tr("Do you want to save the changes you made to the configuration '%1'?")
                    .arg(currentFileDisplayName()));
    box.setInformativeText(QStringLiteral("Your changes will be lost if you don't save them."));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Discard)->setShortcut(QKeySequence(Qt::Key_D));
    const int result = Prompter::current().exec(box);

    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Save:
        if (!needsFileName())
            writeConfiguration(m_fileName);
        else
            saveConfigurationAs(cancelled);
        // A failed write lets the plain window's caller go on; with every
        // tool it keeps the changes, and the caller stops.
        if (m_allTools && isWindowModified())
            cancelled = true;
        break;
    case QMessageBox::Discard:
        break;
    case QMessageBox::Cancel:
        cancelled = true;
        break;
    default:
        qDebug() << "offerToSaveIfNeeded: unknown result" << result;
        cancelled = true;
        break;
    }
}
