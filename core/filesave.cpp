#include "filesave.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Wattlan)
};

QString reasonOf(const QSaveFile &file)
{
    if (file.error() != QFileDevice::NoError && !file.errorString().isEmpty())
        return file.errorString();
    return Texts::tr("The data could not be written completely");
}
} // namespace

namespace {
// Writes all of bytes, going on after a short write: a write that fails
// outright is what leaves the system's reason in the file's error text.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}
} // namespace

SaveOutcome replaceFileContents(
    const QString &fileName, const QByteArray &bytes, FileContent content)
{
    QSaveFile file(fileName);
    // Unbuffered, so that each write reaches the system and a shortfall
    // shows at once with the system's reason.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (content == FileContent::Text)
        mode |= QIODevice::Text;
    if (!file.open(mode))
        return {SaveStage::NotOpened, file.errorString()};

    // commit() alone cannot be trusted after a short write or a failed
    // flush: check each step and drop the temporary file on any shortfall.
    if (!writeAll(file, bytes) || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return {SaveStage::NotWritten, reason};
    }
    if (!file.commit())
        return {SaveStage::NotWritten, reasonOf(file)};
    return {};
}
