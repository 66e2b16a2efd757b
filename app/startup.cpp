#include "startup.h"

#include "wattlan.h"

#include <QApplication>
#include <QDir>

int runMainWindow(const QDir &databaseDir)
{
    Wattlan window(databaseDir);
    if (!window.databaseLoaded())
        return 1;
    window.show();
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}
