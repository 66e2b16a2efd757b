// The run sheet of the Zelvane configuration: File, Export Run Sheet… and
// File, Print... of the full window.
#include "documents.h"
#include "filesave.h"
#include "prompter.h"
#include "runreport.h"
#include "runsheet.h"
#include "sheetinput.h"
#include "wattlan.h"

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFileInfo>
#include <QMenu>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace {
const QString PdfSuffix = QStringLiteral(".pdf");
} // namespace

void Wattlan::offerRunSheet()
{
    // After the document commands, before Exit.
    auto *exportSheet = new QAction(tr("Export Run Sheet…"), this);
    exportSheet->setObjectName(QStringLiteral("actionExportRunSheet"));
    exportSheet->setStatusTip(tr("Write the run sheet of the Zelvane tab to a PDF file"));
    connect(exportSheet, &QAction::triggered, this, &Wattlan::exportRunSheet);
    ui.actionPrint->setShortcuts(QKeySequence::Print);
    ui.actionPrint->setStatusTip(tr("Print the run sheet of the Zelvane tab"));
    connect(ui.actionPrint, &QAction::triggered, this, &Wattlan::printRunSheet);
    ui.menuFile->insertSeparator(ui.actionQuit);
    ui.menuFile->insertActions(ui.actionQuit, {exportSheet, ui.actionPrint});
    ui.menuFile->insertSeparator(ui.actionQuit);
}

QList<RunSheet::Run> Wattlan::zelvaneSheet() const
{
    // Read back as the project file would be, so that the sheet is the one
    // that wattlan-cli run --sheet draws of the saved configuration.
    QDomDocument document;
    document.setContent(configurationBytes());
    return {SheetInput::sheetRun(
        RunReport::evaluate(m_database, currentFileDisplayName(), document.documentElement()))};
}

void Wattlan::exportRunSheet()
{
    const QString proposed
        = QDir(lastDirPath())
              .filePath(QFileInfo(currentFileDisplayName()).completeBaseName() + PdfSuffix);
    const QString chosen = askFileNameToWrite(this, tr("Export Run Sheet"), proposed,
        tr("PDF Files (*.pdf);;All Files (*.* *)"), PdfSuffix);
    if (chosen.isEmpty())
        return;
    setLastDirPath(chosen);
    const QString fileName = QFileInfo(withSuffix(chosen, PdfSuffix)).absoluteFilePath();

    SaveOutcome outcome;
    {
        const WaitCursor busy;
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        // Whole or not at all: an existing file is replaced only by a complete sheet.
        if (RunSheet::writePdf(zelvaneSheet(), RunSheet::madeAt(),
                RunSheet::defaultPage(QLocale::system()), buffer))
            outcome = replaceFileContents(fileName, pdf, FileContent::Binary);
        else
            outcome = {SaveStage::NotWritten, tr("The sheet could not be drawn")};
    }
    if (outcome.stage != SaveStage::Saved) {
        Prompter::warning(this, tr("Export Error"),
            tr("Cannot write the run sheet to %1:\n%2.").arg(fileName, outcome.errorText));
        if (ui.statusBar)
            ui.statusBar->showMessage(tr("Failed to export the run sheet: %1").arg(fileName));
        return;
    }
    statusMessage(tr("Run sheet exported to %1").arg(fileName));
}

void Wattlan::printRunSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(RunSheet::pageLayout(RunSheet::defaultPage(QLocale::system())));
    printer.setDocName(currentFileDisplayName());
    QPrintDialog dialog(&printer, this);
    if (Prompter::current().exec(dialog) != QDialog::Accepted)
        return;

    bool printed = false;
    {
        const WaitCursor busy;
        printed = RunSheet::paint(zelvaneSheet(), RunSheet::madeAt(), printer);
    }
    if (!printed) {
        const QString target
            = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        const QPageRanges pages = printer.pageRanges();
        Prompter::warning(this, tr("Print Error"),
            pages.isEmpty() ? tr("Cannot print the run sheet on %1.").arg(target)
                            : tr("Cannot print pages %1 of the run sheet on %2.")
                                  .arg(pages.toString(), target));
        if (ui.statusBar)
            ui.statusBar->showMessage(tr("Failed to print the run sheet"));
        return;
    }
    statusMessage(tr("Run sheet printed"));
}
