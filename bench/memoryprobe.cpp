#include "memoryprobe.h"

#include "settle.h"
#include "ui_wattlan.h"
#include "wattlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
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
    if (subject == QLatin1String(MainWindow)) {
        Wattlan window {QDir(catalogue)};
        if (!window.databaseLoaded())
            return 1;
        window.show();
        settleEvents();
        std::printf("%ld\n", peakResidentKiB());
        return 0;
    }
    if (subject == QLatin1String(BareForm)) {
        QMainWindow window;
        Ui::WattlanClass form;
        form.setupUi(&window);
        window.show();
        settleEvents();
        std::printf("%ld\n", peakResidentKiB());
        return 0;
    }
    return 2;
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
