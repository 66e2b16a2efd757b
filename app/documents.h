#pragma once

#include <QString>

class QFileInfo;
class QWidget;

// Asks whether the existing file may be replaced; true when the user chose
// to replace it.
bool confirmOverwrite(QWidget *parent, const QFileInfo &existing);

// The directory in which the file dialogs start: the one of the file last
// chosen, or the home directory.
QString lastDirPath();
// Remembers the directory of the chosen file for the next file dialog.
void setLastDirPath(const QString &filePath);
