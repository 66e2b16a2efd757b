#pragma once

#include "coretest.h"
#include "prompter.h"

#include <QApplication>
#include <QMessageBox>

#include <functional>

// One message box or dialog as the application asked for it.
struct CapturedBox
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QString informativeText;
    QStringList buttons;
};

// Captures every box the application shows instead of blocking on it.
// Unless a responder says otherwise, a box is answered with its default
// button, or else its escape button, or else its first button.
class CapturingPrompter : public Prompter
{
public:
    CapturingPrompter() { Prompter::install(this); }
    ~CapturingPrompter() override { Prompter::install(nullptr); }

    int exec(QMessageBox &box) override;
    int exec(QDialog &dialog) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
        const QString &filter) override;

    // A message responder that runs the box modally, as the application
    // would, and presses key on it once it shows. A box that the key does
    // not close is closed after a while with the result -1.
    static std::function<int(QMessageBox &)> pressing(Qt::Key key);

    // The texts of the boxes shown so far, in order.
    QStringList texts() const;
    void clear() { boxes.clear(); }

    QList<CapturedBox> boxes;
    // Answers a message box; returns what exec() would have returned.
    std::function<int(QMessageBox &)> messageResponder;
    // Answers a dialog; returns what exec() would have returned.
    std::function<int(QDialog &)> dialogResponder;
    // Answers of the file dialogs, taken in order; empty means cancelled.
    QStringList fileNames;
    QStringList fileDialogDirs;
};

// A test's main on a QApplication, for the tests of widgets.
#define WATTLAN_TEST_MAIN(TestObject) WATTLAN_TEST_MAIN_ON(QApplication, TestObject)
