#include "memoryprobe.h"

#include "benchmarks.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <cstdio>

namespace MemoryProbe {

namespace {

const char PeakLabel[] = "VmHWM:";

// The high-water mark of the resident set, in KiB, as the kernel keeps it.
long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // The file reports no size, so it is read whole rather than line by line.
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(PeakLabel))
            return line.mid(int(sizeof PeakLabel) - 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int runChild(const QString &subject, const QString &catalogue)
{
    StartedWindow started;
    if (subject == QLatin1String(MainWindow))
        started = startWattlan(catalogue);
    else if (subject == QLatin1String(BareForm))
        started = startBareForm();
    else
        return 2;
    if (!started.clean)
        return 1;
    std::printf("%ld\n", peakResidentKiB());
    return 0;
}

double measure(const QString &subject, const QString &catalogue)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        {QLatin1String(Option) + subject, QStringLiteral("--catalogue=") + catalogue});
    if (!child.waitForFinished(120000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0)
        return -1;
    bool ok = false;
    const double kib = child.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok && kib > 0 ? kib : -1;
}

} // namespace MemoryProbe
