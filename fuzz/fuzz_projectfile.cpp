// The project-file reader applied to a real main window built on the sample
// catalogue: the bounds and the parse, the settings put into the Zelvane
// selectors and spin boxes (each running its slot), and the run editor
// rebuilding its cells from the "CFrame" element.
#include "fuzzsupport.h"
#include "prompter.h"
#include "wattlan.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cstdlib>

namespace {
// Answers every box at once: an offer to save the run is declined, so the
// fuzzer never writes a file; the file dialog names the input.
class AnsweringPrompter : public Prompter
{
public:
    int exec(QMessageBox &box) override
    {
        QAbstractButton *answer = box.button(QMessageBox::Discard);
        if (!answer)
            answer = box.button(QMessageBox::Ok);
        if (answer)
            answer->click();
        return box.result();
    }
    int exec(QDialog &) override { return 0; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return inputFile;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QString();
    }

    QString inputFile;
};

QTemporaryDir *folder = nullptr;
AnsweringPrompter *prompter = nullptr;
Wattlan *window = nullptr;
QAction *openAction = nullptr;
QTextEdit *messageLog = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initialize(argc, argv);
    folder = new QTemporaryDir;
    prompter = new AnsweringPrompter;
    prompter->inputFile = folder->filePath(QStringLiteral("input.xml"));
    Prompter::install(prompter);
    // One window for every input, as the user's: the catalogue lies in the
    // source tree, the build copies it beside the program.
    window = new Wattlan(QDir(QStringLiteral(WATTLAN_SAMPLE_CATALOGUE)));
    openAction = window->findChild<QAction *>(QStringLiteral("actionOpen"));
    messageLog = window->findChild<QTextEdit *>(QStringLiteral("m_messageBox"));
    if (!window->databaseLoaded() || !openAction || !messageLog)
        std::abort();
    openAction->setVisible(true);
    // The window goes before the application object does, as in the program.
    std::atexit([] {
        delete window;
        Prompter::install(nullptr);
        delete prompter;
        delete folder;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::writeFile(prompter->inputFile, FuzzSupport::bytes(data, size));
    openAction->trigger();
    // The log grows with every calculation; without this the fuzzer would
    // run out of memory long before it runs out of inputs.
    messageLog->clear();
    return 0;
}
