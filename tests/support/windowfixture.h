#pragma once

// The one fixture of the window-level tests: a main window on a catalogue
// folder, with every box answered by a CapturingPrompter, and the means to
// work it as a user does: click, choose an entry, read the run and the log.
#include "testsupport.h"
#include "wattlan.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>

#include <memory>

class CFrame;

// A selector's entries, separated by "|".
QString entries(const QComboBox *combo);
// The cells of a run as text: "1: VC4" for a fixture cell's label, "J2/1/6"
// for a jumper with its jumper row, gauge row and length, followed with
// shownLength by "+1" when its length box shows and "+0" when not.
QStringList describeCells(const CFrame &frame, bool shownLength = false);

// Keeps the user's own settings out of reach: while it lives, every
// settings store of the user scope is a temporary folder of its own.
class IsolatedSettings
{
public:
    IsolatedSettings();
    void clear() { QSettings().clear(); }

private:
    QTemporaryDir m_dir;
};

class WindowFixture
{
public:
    // The start-up's own boxes stay in prompter.boxes; call
    // prompter.clear() when they are not the test's business.
    explicit WindowFixture(const QDir &catalogue = testCatalogue());

    template<typename T> T *child(const char *name) const
    {
        T *object = window->findChild<T *>(QLatin1String(name));
        if (!object)
            qFatal("no child %s", name);
        return object;
    }

    // Clicks a button; a page that the start-up took out of the tab widget
    // is enabled first, as putting its tab back would do.
    void click(const char *button, const char *page = nullptr) const;
    // Selects the entry with the given text in a selector.
    void choose(const char *combo, const QString &text) const;
    void trigger(const char *action) const;
    // File, Open and File, Save As, the file dialog answering with fileName.
    void open(const QString &fileName);
    void saveAs(const QString &fileName);
    // Makes New, Open, Save and Save As visible, as a build offering them would.
    void offerDocumentActions() const;
    // Offers every tool as wattlan --full does, and shows the window active,
    // so that its keys and its close button work as a user's do.
    void offerAllTools() const;

    QStringList log() const;
    QString lastLogLine() const { return log().constLast(); }
    QString statusText() const;

    CFrame *run(const char *frame = "m_ZV_Frame") const { return child<CFrame>(frame); }
    // A run's cells as describeCells() gives them, separated by spaces.
    QString describeRun(const char *frame = "m_ZV_Frame") const;

    CapturingPrompter prompter;
    std::unique_ptr<Wattlan> window;
};
