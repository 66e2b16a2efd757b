#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace FuzzSupport {

void initialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a target does may reach the user's own settings or files.
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QStandardPaths::setTestModeEnabled(true);
    // Lives as long as the process; libFuzzer never returns from its loop.
    static QApplication app(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Wattlan"));
}

} // namespace FuzzSupport
