#include "commandline.h"
#include "programlanguage.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Answered before the application object, which needs a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartRequest request
        = readCommandLine(arguments, qEnvironmentVariable("WATTLAN_CALLER_DIR"));
    if (request.exits) {
        std::fputs(qPrintable(request.output), stdout);
        std::fputs(qPrintable(request.error), stderr);
        return request.exitStatus;
    }

    QApplication app(argc, argv);
    // Without these the settings store would land under "Unknown Organization".
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Wattlan"));
    // Lets the desktop match the running window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvane.wattlan"));

    const QString locale = QLocale::system().name();
    // The toolkit's own texts, looked up in the working directory; a missing
    // file leaves the interface in its source language.
    QTranslator toolkitTranslator;
    if (toolkitTranslator.load(QStringLiteral("qt_") + locale))
        QCoreApplication::installTranslator(&toolkitTranslator);
    // The application's own texts lie beside the program, like its catalogue.
    const ProgramLanguage language;

    // The product database lies beside the executable.
    return runMainWindow(QDir(QCoreApplication::applicationDirPath()), request);
}
