#pragma once

#include <QByteArray>
#include <QString>

// How far a save got.
enum class SaveStage {
    Saved,
    NotOpened, // the file (or the temporary file beside it) could not be created
    NotWritten, // the bytes did not all reach the disk
};

struct SaveOutcome
{
    SaveStage stage = SaveStage::Saved;
    QString errorText; // the system's reason when the stage is not Saved
};

enum class FileContent { Text, Binary };

// Replaces the content of the file by bytes without ever leaving it half
// written: the bytes go to a temporary file beside it, which takes the
// file's place only once every byte has reached the disk. On any failure
// the previous file stays as it was.
SaveOutcome replaceFileContents(
    const QString &fileName, const QByteArray &bytes, FileContent content = FileContent::Text);
