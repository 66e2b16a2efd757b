#include "childprocess.h"

#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Starts argv[0] with the given standard output (-1: the null device) and
// its errors thrown away; 0 when it could not be started.
pid_t spawn(char *const argv[], int output)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output < 0)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : 0;
}

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

} // namespace

// The kernel counts a child's peak memory from the peak of the process it
// was started from (it carries over the exec), so a child of this benchmark,
// grown by its large catalogues, would show at least this benchmark's peak.
// A freshly started copy of this executable, still small, starts the program
// instead and reports what it cost.
int spawnChildAndReport(char *argv[])
{
    const pid_t pid = spawn(argv, -1);
    int status = 0;
    rusage usage {};
    if (pid == 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return 1;
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("%d %.6f %ld\n", WEXITSTATUS(status),
        seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss); // KiB on Linux
    return 0;
}

ChildCost runChild(const QString &program, const QStringList &arguments, QList<int> statuses)
{
    ChildCost cost;
    std::vector<QByteArray> storage {
        QByteArray("/proc/self/exe"), QByteArray(SpawnChildOption), program.toLocal8Bit()};
    for (const QString &argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return cost;
    const pid_t pid = spawn(argv.data(), report[1]);
    close(report[1]);
    QByteArray answer;
    char buffer[256];
    for (ssize_t got; (got = read(report[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            answer.append(buffer, got);
        else if (errno != EINTR)
            break;
    }
    close(report[0]);
    int status = 0;
    if (pid == 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)
        || WEXITSTATUS(status) != 0)
        return cost;
    if (std::sscanf(answer.constData(), "%d %lf %ld", &cost.status, &cost.cpuSeconds, &cost.peakKiB)
        != 3)
        return cost;
    cost.ok = statuses.contains(cost.status);
    return cost;
}
