// The application's start-up as its entry point runs it, from the probe's own
// directory, for tests that need a real process and its exit status. Unlike
// the application it answers every message box at once, printing its text,
// and closes the main window as soon as it is shown.
#include "prompter.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {
class AnsweringPrompter : public Prompter
{
public:
    int exec(QMessageBox &box) override
    {
        std::printf("box: %s\n", qPrintable(box.text()));
        std::fflush(stdout);
        return QMessageBox::Ok;
    }
};

class ShowWatcher : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMainWindow *>(watched)) {
            std::printf("shown\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::closeAllWindows);
        }
        return false;
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    AnsweringPrompter prompter;
    Prompter::install(&prompter);
    ShowWatcher watcher;
    app.installEventFilter(&watcher);
    return runMainWindow(QDir(QCoreApplication::applicationDirPath()));
}
