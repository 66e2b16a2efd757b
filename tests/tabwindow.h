#pragma once

// A main window on the low-voltage test catalogue (tests/data/lowvoltage, with
// figures chosen so that the tabs' results can be worked out by hand), with the
// means to work the tabs that the start-up takes out of the tab widget.
#include "testsupport.h"
#include "wattlan.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QTextEdit>

#include <memory>

class TabWindow
{
public:
    TabWindow()
    {
        const QDir catalogue(
            qEnvironmentVariable("WATTLAN_SOURCE_DIR") + QStringLiteral("/tests/data/lowvoltage"));
        if (!catalogue.exists(QStringLiteral("ym_config_ts.xml")))
            qFatal("no test catalogue in %s", qPrintable(catalogue.path()));
        window = std::make_unique<Wattlan>(catalogue);
        // The boxes of the start-up are the catalogue's business, not the tabs'.
        prompter.clear();
    }

    template<typename T> T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    // A removed page stays disabled; clicking its buttons needs it enabled,
    // as putting its tab back would do.
    void click(const char *page, const char *button) const
    {
        child<QWidget>(page)->setEnabled(true);
        child<QAbstractButton>(button)->click();
    }

    // Selects the entry with the given text in a selector.
    void choose(const char *combo, const QString &text) const
    {
        QComboBox *selector = child<QComboBox>(combo);
        const int index = selector->findText(text);
        if (index < 0)
            qFatal("no entry %s in %s", qPrintable(text), combo);
        selector->setCurrentIndex(index);
    }

    QStringList log() const
    {
        return child<QTextEdit>("m_messageBox")->toPlainText().split(QLatin1Char('\n'));
    }

    // The lines that the log gained since it had `before` lines.
    QStringList logSince(qsizetype before) const { return log().mid(before); }

    CapturingPrompter prompter;
    std::unique_ptr<Wattlan> window;
};
