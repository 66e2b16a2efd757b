#include "coretest.h"

#include "readersupport.h"
#include "ymcable.h"
#include "ymfixture.h"

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
    if (!process.waitForFinished(120000)) {
        process.kill(); // not left running behind the aborted test
        process.waitForFinished();
        qFatal("wattlan-cli did not finish");
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}

YmJumper *jumperRecord(const char *name, double length, double ohms, const QList<double> &wires,
    int defaultWire, int inARow)
{
    auto *jumper = new YmJumper(QLatin1String(name));
    jumper->ElectricalLength = length;
    jumper->Resistance = ohms;
    jumper->MaxInARow = inARow;
    jumper->IsCustom = length == 0;
    jumper->DefaultCustomWire = defaultWire;
    for (double resistance : wires) {
        jumper->CustomWireList << new YmWire(QString::number(resistance));
        jumper->CustomWireList.last()->Resistance = resistance;
    }
    return jumper;
}

std::unique_ptr<YmFixture> fixtureRecord(const QList<YmJumper *> &jumpers, int defaultJumper)
{
    auto record = std::make_unique<YmFixture>(QStringLiteral("LX fixture"), TechZelvane);
    record->ShortName = QStringLiteral("LX");
    record->JumperList = jumpers;
    record->DefaultJumper = defaultJumper;
    return record;
}
