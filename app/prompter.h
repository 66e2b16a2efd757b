#pragma once

#include <QString>

class QDialog;
class QMessageBox;
class QWidget;

// Every modal box and file dialog of the application goes through the one
// installed Prompter. The default one shows them to the user; tests install
// their own to capture the texts and answer without blocking.
class Prompter
{
public:
    virtual ~Prompter();

    // Runs a prepared message box modally and returns its result.
    virtual int exec(QMessageBox &box);
    // Runs a prepared dialog modally and returns its result.
    virtual int exec(QDialog &dialog);
    virtual QString openFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    virtual QString saveFileName(
        QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

    // The installed prompter; never null.
    static Prompter &current();
    // Installs a prompter (not owned); null restores the default one.
    static void install(Prompter *prompter);

    // A modal warning box with a single OK button.
    static void warning(QWidget *parent, const QString &caption, const QString &text);
};
