#pragma once

#include <QString>

class QFileInfo;
class QWidget;

// Asks whether the existing file may be replaced; true when the user chose
// to replace it.
bool confirmOverwrite(QWidget *parent, const QFileInfo &existing);

// Asks, through the Prompter, for the name of a file to write, starting at
// proposed. A name without the suffix gets it when the file is written: the
// dialog asked about the name it saw, so replacing the file with the suffix
// is confirmed here. The name as chosen, or empty when the user cancelled.
QString askFileNameToWrite(QWidget *parent, const QString &caption, const QString &proposed,
    const QString &filter, const QString &suffix);

// The name with the suffix, unless it has it already.
QString withSuffix(const QString &fileName, const QString &suffix);

// Shows the wait cursor for its lifetime.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

// The directory in which the file dialogs start: the one of the file last
// chosen, or the home directory.
QString lastDirPath();
// Remembers the directory of the chosen file for the next file dialog.
void setLastDirPath(const QString &filePath);
