#include "startup.h"

#include "commandline.h"
#include "documents.h"
#include "wattlan.h"

#include <QApplication>
#include <QDir>

int runMainWindow(const QDir &databaseDir, const StartRequest &request)
{
    Wattlan window(databaseDir);
    if (!window.databaseLoaded())
        return 1;
    if (request.allTools)
        window.offerAllTools();
    window.show();
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, &QCoreApplication::quit);
    // Over the shown window, so that a refusal stands in front of it.
    if (!request.projectFile.isEmpty()) {
        setLastDirPath(request.projectFile);
        window.openConfiguration(request.projectFile);
    }
    return QApplication::exec();
}

int runMainWindow(const QDir &databaseDir)
{
    return runMainWindow(databaseDir, StartRequest());
}
