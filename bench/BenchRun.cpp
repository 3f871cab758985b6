// Timing, child processes and the printed lines of marrowick-bench.
#include "bench/Bench.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace marrowick::bench {

namespace {

bool HasFiles(const QString& folder)
{
    return !QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}

// The CPU time of a process's main thread in nanoseconds, the first number
// of its schedstat (precise, where /proc/PID/stat counts clock ticks).
double OwnCpuSeconds(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/schedstat";
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return 0;
    unsigned long long nanoseconds = 0;
    if (std::fscanf(file, "%llu", &nanoseconds) != 1)
        nanoseconds = 0;
    std::fclose(file);
    return static_cast<double>(nanoseconds) / 1e9;
}

} // namespace

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

ChildResult Spawn(const std::vector<std::string>& arguments, bool readFirstLine,
                  const char* stdoutPath)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (readFirstLine && pipe(pipeFds) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, stdoutPath,
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // Qt's platform notes and unrar's messages would bury the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    ChildResult result;
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "bench: cannot start %s: %s\n", argv[0], std::strerror(spawned));
        return result;
    }
    if (pipeFds[0] >= 0) {
        close(pipeFds[1]);
        char c = 0;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n')
            result.firstLine.push_back(c);
        result.firstLineSeconds = SecondsSince(start);
        char sink[4096];
        while (read(pipeFds[0], sink, sizeof sink) > 0) {
        }
        close(pipeFds[0]);
    }
    // Exited but not yet reaped: its own time is still there to read.
    siginfo_t exited = {};
    waitid(P_PID, static_cast<id_t>(pid), &exited, WEXITED | WNOWAIT);
    result.ownCpuSeconds = OwnCpuSeconds(pid);
    int status = 0;
    struct rusage usage = {};
    wait4(pid, &status, 0, &usage);
    result.seconds = SecondsSince(start);
    result.maxRssMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

void PrintPair(const char* what, const char* ours, double oursSeconds, const char* theirs,
               double theirsSeconds, double target)
{
    std::printf("%-28s %-13s %8.3f s   %-12s %8.3f s   target <= %.2f   ratio %.3f\n", what, ours,
                oursSeconds, theirs, theirsSeconds, target,
                theirsSeconds > 0 ? oursSeconds / theirsSeconds : 0.0);
    std::fflush(stdout);
}

void SideBySide(const char* what, int runs, double target, const char* ours,
                const std::function<double()>& runOurs, const char* theirs,
                const std::function<double()>& runTheirs)
{
    std::vector<double> a;
    std::vector<double> b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(runOurs());
        b.push_back(runTheirs());
    }
    PrintPair(what, ours, Median(a), theirs, Median(b), target);
}

// A process that writes into a new empty folder, timed. The folder is removed
// afterwards, untimed, unless it holds many files: those wait for the end of
// the bench, because ext4 without a journal passes over inodes freed in the
// last minutes when it allocates new ones, and removing 100,000 files would
// make the next run (the other side's) pay for them.
double IntoEmptyFolder(const QString& scratch,
                       const std::function<std::vector<std::string>(const std::string&)>& command,
                       bool* wroteNothing)
{
    static int next = 0;
    const QString dest = scratch + QStringLiteral("/out-%1").arg(++next);
    QDir().mkpath(dest);
    const ChildResult run = Spawn(command(dest.toStdString()));
    if (wroteNothing && !HasFiles(dest))
        *wroteNothing = true;
    if (run.status != 0)
        std::fprintf(stderr, "bench: %s exited %d\n", command(dest.toStdString())[0].c_str(),
                     run.status);
    QDirIterator files(dest, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int count = 0;
    while (files.hasNext() && count < 1000) {
        files.next();
        ++count;
    }
    if (count < 1000)
        QDir(dest).removeRecursively();
    return run.seconds;
}

} // namespace marrowick::bench
