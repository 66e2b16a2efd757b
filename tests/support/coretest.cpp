#include "coretest.h"

#include "readersupport.h"

#include <QProcess>

QDir testCatalogue(const QString &name)
{
    const QDir dir(Readers::sourcePath(
        name.isEmpty() ? QStringLiteral("data") : QStringLiteral("tests/data/") + name));
    if (!dir.exists(QStringLiteral("ym_config_zv.xml")))
        qFatal("no test catalogue in %s", qPrintable(dir.path()));
    return dir;
}

Outcome runCli(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(
        qEnvironmentVariable("WATTLAN_BINARY_DIR") + QStringLiteral("/wattlan-cli"), arguments);
    if (!process.waitForFinished(120000))
        qFatal("wattlan-cli did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}
