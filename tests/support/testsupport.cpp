#include "testsupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

int CapturingPrompter::exec(QMessageBox &box)
{
    CapturedBox captured;
    captured.icon = box.icon();
    captured.caption = box.windowTitle();
    captured.text = box.text();
    captured.informativeText = box.informativeText();
    for (QAbstractButton *button : box.buttons())
        captured.buttons << button->text();
    boxes << captured;

    if (messageResponder)
        return messageResponder(box);
    QAbstractButton *answer = box.defaultButton();
    if (!answer)
        answer = box.escapeButton();
    if (!answer && !box.buttons().isEmpty())
        answer = box.buttons().first();
    if (answer)
        answer->click();
    return box.result();
}

int CapturingPrompter::exec(QDialog &dialog)
{
    CapturedBox captured;
    captured.caption = dialog.windowTitle();
    boxes << captured;
    return dialogResponder ? dialogResponder(dialog) : int(QDialog::Rejected);
}

QString CapturingPrompter::openFileName(
    QWidget *, const QString &, const QString &dir, const QString &)
{
    fileDialogDirs << dir;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString CapturingPrompter::saveFileName(
    QWidget *, const QString &, const QString &dir, const QString &)
{
    fileDialogDirs << dir;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QStringList CapturingPrompter::texts() const
{
    QStringList result;
    for (const CapturedBox &box : boxes)
        result << box.text;
    return result;
}

std::function<int(QMessageBox &)> CapturingPrompter::pressing(Qt::Key key)
{
    return [key](QMessageBox &box) {
        QTimer::singleShot(0, &box, [&box, key] { QTest::keyClick(&box, key); });
        // Only a safety net against a hang; a test never depends on it.
        QTimer::singleShot(30000, &box, [&box] { box.done(-1); });
        return box.exec();
    };
}
