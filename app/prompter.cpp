#include "prompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
Prompter defaultPrompter;
Prompter *installed = nullptr;
} // namespace

Prompter::~Prompter() = default;

int Prompter::exec(QMessageBox &box)
{
    return box.exec();
}

int Prompter::exec(QDialog &dialog)
{
    return dialog.exec();
}

QString Prompter::openFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompter::saveFileName(
    QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

Prompter &Prompter::current()
{
    return installed ? *installed : defaultPrompter;
}

void Prompter::install(Prompter *prompter)
{
    installed = prompter;
}

void Prompter::warning(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    current().exec(box);
}
