#include "childprocess.h"

#include <QByteArray>

#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

ChildCost runChild(const QString &program, const QStringList &arguments, QList<int> statuses)
{
    ChildCost cost;
    std::vector<QByteArray> storage {program.toLocal8Bit()};
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return cost;

    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return cost;
    const auto seconds
        = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    cost.status = WEXITSTATUS(status);
    cost.ok = statuses.contains(cost.status);
    cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    cost.peakKiB = usage.ru_maxrss; // KiB on Linux
    return cost;
}
