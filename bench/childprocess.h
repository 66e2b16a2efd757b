#pragma once

#include <QString>
#include <QStringList>

// What a child process cost, as the kernel counted it when it ended.
struct ChildCost
{
    bool ok = false; // it started and ended normally with an expected status
    int status = -1;
    double cpuSeconds = 0; // user and system
    long peakKiB = 0; // the peak of its resident memory
};

// Runs a program with its output thrown away and waits for it; `statuses`
// are the exit statuses it may end with.
ChildCost runChild(const QString &program, const QStringList &arguments, QList<int> statuses);

// The option that makes this executable the small go-between of runChild():
// "<exe> --spawn-child PROGRAM ARGUMENTS..." runs the program and prints
// "status cpu-seconds peak-KiB". Handled first thing in main().
constexpr char SpawnChildOption[] = "--spawn-child";
int spawnChildAndReport(char *argv[]);
