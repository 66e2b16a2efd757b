#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
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
    QTranslator appTranslator;
    if (appTranslator.load(
            QStringLiteral("wattlan_") + locale, QCoreApplication::applicationDirPath()))
        QCoreApplication::installTranslator(&appTranslator);

    // The product database lies beside the executable.
    return runMainWindow(QDir(QCoreApplication::applicationDirPath()));
}
