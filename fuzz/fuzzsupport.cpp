#include "fuzzsupport.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>

namespace FuzzSupport {

// NOLINTNEXTLINE(readability-non-const-parameter): the application object keeps a reference to argc
void initialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a target does may reach the user's own settings or files.
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    QStandardPaths::setTestModeEnabled(true);
    // Lives as long as the process and is never destroyed: libFuzzer ends
    // with exit(), and an application object destroyed among the exit
    // handlers would leave the toolkit's per-thread font caches behind.
    new QApplication(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Wattlan"));
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(contents) != contents.size())
        std::abort();
}

} // namespace FuzzSupport
