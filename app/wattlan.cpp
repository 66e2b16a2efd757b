#include "wattlan.h"

#include "cframe.h"
#include "prompter.h"
#include "runtips.h"
#include "version.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
Wattlan *mainWindow = nullptr;

// Problems in the catalogue are shown one by one in boxes captioned "Wattlan".
void showDatabaseWarningBox(const QString &text)
{
    Prompter::warning(
        QApplication::activeWindow(), QCoreApplication::translate("Database", "Wattlan"), text);
}

QFont boldApplicationFont()
{
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}
} // namespace

Wattlan::Wattlan(QWidget *parent, Qt::WindowFlags flags)
    : Wattlan(QDir(QCoreApplication::applicationDirPath()), parent, flags)
{ }

Wattlan::Wattlan(const QDir &databaseDir, QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
{
    mainWindow = this;
    ui.setupUi(this);
    new RunTips(
        *ui.m_ZV_Frame, [this](int index) { return ZV_CellTip(index); },
        {ui.m_ZV_TotalPowerWatts_Edit, ui.m_ZV_TotalPowerAmps_Edit},
        [this] { return ZV_TotalsTip(); }, this);
    new RunTips(
        *ui.m_TS_Frame, [this](int index) { return TS_CellTip(index); },
        {ui.m_TS_TotalPowerWatts_Edit}, [this] { return TS_TotalsTip(); }, this);

    const QFont bold = boldApplicationFont();
    for (QLabel *caption : {ui.label1_tab1, ui.label2_tab1, ui.label1_tab2, ui.label2_tab2,
             ui.label1_tab3, ui.label2_tab3, ui.label1_tab4, ui.label2_tab4})
        caption->setFont(bold);

    // Only the Zelvane tab is offered; the other pages stay alive and connected.
    for (int index : {3, 2, 1}) {
        ui.tabWidget->setTabEnabled(index, false);
        ui.tabWidget->removeTab(index);
    }
    ui.m_ZVFixture_Combo->setFocus(Qt::OtherFocusReason);

    statusMessage(tr("Orvane Wattlan Version  %1.%2.%3 Build %4-%5")
                      .arg(Version::VERSION_MAJOR)
                      .arg(Version::VERSION_MINOR)
                      .arg(Version::VERSION_REVISION)
                      .arg(Version::BUILD_DATE)
                      .arg(QLatin1String(Version::BUILD_NUMBER)));

    // The loader has reported the file that failed; whoever constructed the
    // window must not show it.
    DatabaseWarning::setFallback(showDatabaseWarningBox);
    m_databaseLoaded = m_database.load(databaseDir);
    if (!m_databaseLoaded)
        return;
    statusMessage(QStringLiteral("Database version %1").arg(m_database.m_dbVersion));
    fillFixtureCombos();

    ui.m_ZV_TotalFixtures_Label->setFont(bold);
    ui.m_ZV_TotalPower_Label->setFont(bold);

    ui.m_ZV_LineVoltage_Combo->setCurrentIndex(1);
    ui.m_ZV_LineVoltage_Spin->hide();
    ui.m_ZV_MaxLoad_Combo->setCurrentIndex(0);
    ui.m_ZV_MaxLoad_Spin->hide();

    // The Zelvane update paints its verdict into these palettes' Base colour.
    ui.m_ZV_TotalPowerWatts_Edit->setAutoFillBackground(true);
    ui.m_ZV_TotalPowerAmps_Edit->setAutoFillBackground(true);

    ui.m_TS_TotalFixtures_Label->setFont(bold);
    ui.m_TS_TotalPower_Label->setFont(bold);

    // Run editors: every change of a run recalculates it. The Tessan
    // connection follows the Zelvane one, and its reset the Zelvane reset.
    connect(ui.m_ZV_Frame, &CFrame::frameChanged, this, &Wattlan::ZV_Update);
    connect(ui.m_TS_Frame, &CFrame::frameChanged, this, &Wattlan::TS_Update);
    ZV_ResetRun();
    ui.m_ZV_Frame->clearModified(); // the document starts with no unsaved changes
    TS_ResetRun();

    ui.actionNew->setStatusTip(tr("Create a new configuration"));
    connect(ui.actionNew, &QAction::triggered, this, &Wattlan::handleNewAction);
    ui.actionOpen->setStatusTip(
        tr("Open an exisiting configuration, checking for unsaved changes"));
    connect(ui.actionOpen, &QAction::triggered, this, &Wattlan::handleOpenAction);
    ui.actionSave->setStatusTip(tr("Save the current configuration"));
    connect(ui.actionSave, &QAction::triggered, this, &Wattlan::handleSaveAction);
    ui.actionSave_As->setStatusTip(tr("Save the current configuration to as a new filename"));
    connect(ui.actionSave_As, &QAction::triggered, this, &Wattlan::handleSaveAsAction);
    ui.actionQuit->setStatusTip(tr("Quit the application, checking for unsaved changes"));
    connect(ui.actionQuit, &QAction::triggered, this, &QWidget::close);

    updateWindowTitle();
    ui.toolBar->hide();
}

Wattlan::~Wattlan()
{
    if (mainWindow == this)
        mainWindow = nullptr;
}

Wattlan *Wattlan::instance()
{
    return mainWindow;
}

void Wattlan::updateWindowTitle()
{
    const QString release = tr("%1 Release %2.%3.%4 [Build %5-%6]")
                                .arg(QStringLiteral("Wattlan"))
                                .arg(Version::VERSION_MAJOR)
                                .arg(Version::VERSION_MINOR)
                                .arg(Version::VERSION_REVISION)
                                .arg(Version::BUILD_DATE)
                                .arg(QLatin1String(Version::BUILD_NUMBER));
    // With every tool the title names the document and marks unsaved changes.
    if (m_allTools)
        setWindowTitle(tr("%1[*] – %2").arg(currentFileDisplayName(), release));
    else
        setWindowTitle(release);
}

void Wattlan::setCurrentFile(const QString &fileName)
{
    m_fileName = fileName;
    const QString shownName = QFileInfo(fileName).fileName();
    if (ui.actionSave)
        ui.actionSave->setText(tr("&Save %1").arg(shownName));
    if (ui.actionSave_As)
        ui.actionSave_As->setText(tr("Save %1 &As...").arg(shownName));
    updateWindowTitle();
    // Called only once a file was read or written whole, or by New.
    setWindowModified(false);
}

QString Wattlan::currentFileDisplayName() const
{
    if (m_fileName.isEmpty())
        return tr("Untitled.xml");
    return QFileInfo(m_fileName).fileName();
}

void Wattlan::statusMessage(const QString &text)
{
    statusMessage(text, QColor(0, 0, 0, 255));
}

void Wattlan::statusMessage(const QString &text, const QColor &color)
{
    ui.m_messageBox->setTextColor(color);
    // Lines are plain text: a database text that looks like markup must be
    // shown as written, which append() would not do.
    QTextDocument *log = ui.m_messageBox->document();
    QTextCursor end(log);
    // One edit, so that the log lays the new line out once, when it ends.
    end.beginEditBlock();
    end.movePosition(QTextCursor::End);
    if (!log->isEmpty())
        end.insertBlock();
    QTextCharFormat format;
    format.setForeground(color);
    end.insertText(text, format);
    end.endEditBlock();
    QScrollBar *bar = ui.m_messageBox->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void Wattlan::closeEvent(QCloseEvent *event)
{
    // With every tool, unsaved changes are offered for saving first, and a
    // save that fails keeps the window; the plain window closes without asking.
    if (m_allTools) {
        bool cancelled = false;
        offerToSaveIfNeeded(cancelled);
        if (cancelled) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void Wattlan::on_actionQuit_triggered(bool)
{
    close();
}

void Wattlan::on_actionAbout_triggered(bool)
{
    const QString text = tr("<p><b>Wattlan</b></p>"
                            "<p>Orvane<br>Lighting planning tools for designers and installers.</p>"
                            "<p>Version  %1.%2.%3 Build %4-%5</p>"
                            "<p>Database version %6</p>"
                            "<p>QT version %7</p>")
                             .arg(Version::VERSION_MAJOR)
                             .arg(Version::VERSION_MINOR)
                             .arg(Version::VERSION_REVISION)
                             .arg(Version::BUILD_DATE)
                             .arg(QLatin1String(Version::BUILD_NUMBER))
                             .arg(databaseVersion().toHtmlEscaped(), QLatin1String(qVersion()));
    QMessageBox box(QMessageBox::Information, tr("About"), text, QMessageBox::Ok, this);
    Prompter::current().exec(box);
}

// Slots that do nothing by design.
void Wattlan::on_m_ZV_LineVoltage_Combo_textChanged(const QString &) { }
void Wattlan::on_m_ZV_MaxLoad_Combo_textChanged(const QString &) { }
void Wattlan::on_m_ZVFixture_Combo_textChanged(const QString &) { }
void Wattlan::on_tabWidget_currentChanged(int) { }

QString Wattlan::databaseVersion() const
{
    return m_database.m_dbVersion;
}

namespace {
// One entry per record, its list position as the item data. The first entry
// selects itself, which runs the tab's fixture slot.
template<typename Record> void fillCombo(QComboBox *combo, const QList<Record *> &records)
{
    for (int i = 0; i < records.size(); ++i)
        combo->addItem(records.at(i)->Name, i);
}
} // namespace

void Wattlan::fillFixtureCombos()
{
    fillCombo(ui.m_TSFixture_Combo, m_database.m_tsFixtures);
    fillCombo(ui.m_Flex_Combo, m_database.m_flexStrings);
    fillCombo(ui.m_ZVFixture_Combo, m_database.m_zvFixtures);
    fillCombo(ui.m_OBFixture_Combo, m_database.m_obFixtures);
}
