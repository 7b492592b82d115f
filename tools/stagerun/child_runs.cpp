// The child process pool: fork, pipes back for the result and for stderr, a wall-clock limit, how each
// child ended, and children that end with the process that started them.
#include "tools/stagerun/child_runs.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
using steadyClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A child's exit code when its job could not start.
constexpr int kNotStarted = 3;
// A child's exit code when the pool's process was gone before the child could ask to end with it.
constexpr int kOrphaned = 4;
// How often a child that has closed its pipes but not yet exited is looked at again.
constexpr milliseconds kReapPoll{5};
// How often the pool looks for a child that has exited while something it started still holds its pipes.
constexpr milliseconds kExitPoll{100};

// The signals that end this process and, first, every child's process group.
constexpr int kEndSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGABRT};

// What the signal handler and the exit hook read: the running children's
// process groups (0 for a free place), and each end signal's handling before
// the pool took it.
std::atomic<std::atomic<pid_t>*> g_groups{nullptr};
std::atomic<std::size_t> g_groupPlaces{0};
struct sigaction g_before[std::size(kEndSignals)];
bool g_taken[std::size(kEndSignals)];

// Kills every running child's process group and reaps the children, so none
// is left when this process ends. Safe in a signal handler.
void endEveryGroup()
{
    std::atomic<pid_t>* groups = g_groups.load();
    const std::size_t places = g_groupPlaces.load();
    if (!groups)
        return;
    for (std::size_t i = 0; i < places; ++i)
        if (const pid_t group = groups[i].load(); group > 0)
            kill(-group, SIGKILL);
    for (std::size_t i = 0; i < places; ++i)
        if (const pid_t group = groups[i].exchange(0); group > 0)
            while (waitpid(group, nullptr, 0) < 0 && errno == EINTR)
            {
            }
}

void onEndSignal(int signal)
{
    const int savedErrno = errno;
    endEveryGroup();
    // Raised again, it is handled as it was before the pool once this handler returns.
    for (std::size_t k = 0; k < std::size(kEndSignals); ++k)
        if (kEndSignals[k] == signal)
            sigaction(signal, &g_before[k], nullptr);
    raise(signal);
    errno = savedErrno;
}

sigset_t endSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kEndSignals)
        sigaddset(&set, signal);
    return set;
}

// While a pool runs: its children's groups where the handler finds them, and
// the end signals handled by killing them. A signal ignored when the pool
// starts (a report started under nohup) stays ignored.
class endWithThisProcess
{
public:
    explicit endWithThisProcess(std::size_t places) : places(places), groups(new std::atomic<pid_t>[places]())
    {
        g_groupPlaces = places;
        g_groups = groups.get();
        static const bool hooked = std::atexit(endEveryGroup) == 0;
        (void)hooked;
        struct sigaction handler = {};
        handler.sa_handler = onEndSignal;
        handler.sa_mask = endSignalSet();
        handler.sa_flags = SA_RESTART;
        for (std::size_t k = 0; k < std::size(kEndSignals); ++k)
        {
            sigaction(kEndSignals[k], nullptr, &g_before[k]);
            g_taken[k] = (g_before[k].sa_flags & SA_SIGINFO) || g_before[k].sa_handler != SIG_IGN;
            if (g_taken[k])
                sigaction(kEndSignals[k], &handler, nullptr);
        }
    }
    ~endWithThisProcess() { forget(); }
    endWithThisProcess(const endWithThisProcess&) = delete;
    endWithThisProcess& operator=(const endWithThisProcess&) = delete;

    void add(pid_t group)
    {
        for (std::size_t i = 0; i < places; ++i)
        {
            pid_t free = 0;
            if (groups[i].compare_exchange_strong(free, group))
                return;
        }
    }
    void remove(pid_t group)
    {
        for (std::size_t i = 0; i < places; ++i)
        {
            pid_t was = group;
            groups[i].compare_exchange_strong(was, 0);
        }
    }
    // Puts the signals back as they were and drops the groups: in a new child,
    // which must not kill its brothers, and when the pool ends.
    void forget()
    {
        for (std::size_t k = 0; k < std::size(kEndSignals); ++k)
            if (g_taken[k])
                sigaction(kEndSignals[k], &g_before[k], nullptr);
        g_groups = nullptr;
        g_groupPlaces = 0;
    }

private:
    std::size_t places;
    std::unique_ptr<std::atomic<pid_t>[]> groups;
};

// The last lines a child wrote on stderr.
class errorTail
{
public:
    void add(const char* bytes, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i)
        {
            if (bytes[i] == '\n')
                endLine();
            else if (open.size() < kLongestErrorLine)
                open += bytes[i];
            else
                cut = true;
        }
    }
    std::vector<std::string> lines()
    {
        if (!open.empty() || cut)
            endLine();
        return {kept.begin(), kept.end()};
    }

private:
    void endLine()
    {
        kept.push_back(cut ? open + "..." : open);
        if (kept.size() > kKeptErrorLines)
            kept.pop_front();
        open.clear();
        cut = false;
    }

    std::deque<std::string> kept;
    std::string open;
    bool cut = false;
};

struct runningChild
{
    pid_t pid = -1;
    // The read ends, -1 once the child has closed its end.
    int resultFd = -1;
    int errorFd = -1;
    std::size_t job = 0;
    steadyClock::time_point deadline;
    std::vector<unsigned char> got;
    errorTail errors;
};

bool writeAll(int fd, const unsigned char* bytes, std::size_t size)
{
    while (size > 0)
    {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads what is waiting on `fd` (non-blocking) into `take`, closing it at the
// end of the pipe; false once nothing more is waiting.
template <typename Take> bool readPipe(int& fd, const Take& take)
{
    if (fd < 0)
        return false;
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
        return true;
    if (n < 0 && errno == EAGAIN)
        return false;
    if (n <= 0)
    {
        close(fd);
        fd = -1;
        return false;
    }
    take(buffer, static_cast<std::size_t>(n));
    return true;
}

double processorSeconds(const rusage& use)
{
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

childEnd endOf(int status, bool killed, const runningChild& c, std::size_t resultSize)
{
    // A child that exited on its own just as its time ran out did not time out.
    if (killed && !WIFEXITED(status))
        return childEnd::TimedOut;
    if (WIFSIGNALED(status))
        return childEnd::Crashed;
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && c.got.size() == resultSize)
        return childEnd::Ran;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotStarted && c.got.empty())
        return childEnd::FailedToStart;
    return childEnd::Crashed;
}

// Whether the child has exited. It is left a zombie, so its process group
// cannot be taken by another process before the pool kills what is left of it.
bool hasExited(pid_t pid)
{
    siginfo_t info = {};
    if (waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return errno != EINTR; // reaped already
    return info.si_pid == pid;
}

class childPool
{
public:
    childPool(const childJobs& jobs, int slots)
        : jobs(jobs), slots(static_cast<std::size_t>(std::max(1, slots))),
          result(std::max<std::size_t>(1, jobs.resultSize)), lifetime(this->slots)
    {
    }

    bool hasRoom() const { return running.size() < slots; }
    bool busy() const { return !running.empty(); }
    // False when no pipe or no process could be made.
    bool start(std::size_t job);
    // Until a pipe speaks, a child may have exited, or the nearest limit is reached.
    void waitForNews();
    // Reaps the children that have exited and kills those past their limit.
    void endFinished();

private:
    [[noreturn]] void runChild(std::size_t job, int resultFd, int errorFd, pid_t parent,
                               const sigset_t& mask);
    // Read what is waiting on a child's pipe; false once nothing more is.
    bool readResult(runningChild& c);
    bool readErrors(runningChild& c);
    void finish(std::size_t i, bool killed);

    const childJobs& jobs;
    std::size_t slots;
    // The child's result is written here; it is made before the fork, so the
    // child allocates nothing of its own to send it.
    std::vector<unsigned char> result;
    std::vector<runningChild> running;
    endWithThisProcess lifetime;
};

bool childPool::start(std::size_t job)
{
    int resultPipe[2];
    int errorPipe[2];
    if (pipe2(resultPipe, O_CLOEXEC) != 0)
        return false;
    if (pipe2(errorPipe, O_CLOEXEC) != 0)
    {
        close(resultPipe[0]);
        close(resultPipe[1]);
        return false;
    }
    const auto limit = jobs.wallLimit(job);
    std::fflush(nullptr);
    const pid_t parent = getpid();
    // No end signal may come between the fork and the child's group being known.
    const sigset_t endSignals = endSignalSet();
    sigset_t mask;
    pthread_sigmask(SIG_BLOCK, &endSignals, &mask);
    const pid_t pid = fork();
    if (pid == 0)
    {
        close(resultPipe[0]);
        close(errorPipe[0]);
        runChild(job, resultPipe[1], errorPipe[1], parent, mask);
    }
    if (pid > 0)
    {
        setpgid(pid, pid);
        lifetime.add(pid);
    }
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    close(resultPipe[1]);
    close(errorPipe[1]);
    if (pid < 0)
    {
        close(resultPipe[0]);
        close(errorPipe[0]);
        return false;
    }
    runningChild c;
    c.pid = pid;
    c.resultFd = resultPipe[0];
    c.errorFd = errorPipe[0];
    for (int fd : {c.resultFd, c.errorFd})
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    c.job = job;
    c.deadline = steadyClock::now() + limit;
    running.push_back(std::move(c));
    return true;
}

void childPool::runChild(std::size_t job, int resultFd, int errorFd, pid_t parent, const sigset_t& mask)
{
    // A group of its own, which the pool kills with whatever the job starts.
    setpgid(0, 0);
    // Killed by the kernel once the pool's process is gone, however it ended;
    // at once if it is gone already.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(kOrphaned);
    lifetime.forget();
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    dup2(errorFd, STDERR_FILENO);
    close(errorFd);
    if (!jobs.work(job, result.data()))
        _exit(kNotStarted);
    _exit(writeAll(resultFd, result.data(), jobs.resultSize) ? 0 : 1);
}

bool childPool::readResult(runningChild& c)
{
    return readPipe(c.resultFd,
                    [&](const char* bytes, std::size_t size)
                    {
                        // Anything past the result's size only spoils it.
                        c.got.insert(c.got.end(), bytes, bytes + size);
                        if (c.got.size() > jobs.resultSize)
                            c.got.resize(jobs.resultSize + 1);
                    });
}

bool childPool::readErrors(runningChild& c)
{
    return readPipe(c.errorFd, [&](const char* bytes, std::size_t size) { c.errors.add(bytes, size); });
}

void childPool::waitForNews()
{
    if (running.empty())
        return;
    const auto now = steadyClock::now();
    auto wait = kExitPoll;
    std::vector<pollfd> polled;
    std::vector<std::size_t> owner;
    for (std::size_t i = 0; i < running.size(); ++i)
    {
        const runningChild& c = running[i];
        const auto left = std::chrono::ceil<milliseconds>(c.deadline - now);
        wait = std::min(wait, std::max(milliseconds(0), left));
        for (int fd : {c.resultFd, c.errorFd})
            if (fd >= 0)
            {
                polled.push_back({fd, POLLIN, 0});
                owner.push_back(i);
            }
        if (c.resultFd < 0 && c.errorFd < 0)
            wait = std::min(wait, kReapPoll);
    }
    if (poll(polled.data(), polled.size(), static_cast<int>(wait.count())) <= 0)
        return;
    for (std::size_t k = 0; k < polled.size(); ++k)
        if (polled[k].revents)
        {
            runningChild& c = running[owner[k]];
            if (polled[k].fd == c.resultFd)
                readResult(c);
            else
                readErrors(c);
        }
}

void childPool::endFinished()
{
    for (std::size_t i = running.size(); i-- > 0;)
    {
        if (hasExited(running[i].pid))
            finish(i, false);
        else if (steadyClock::now() >= running[i].deadline)
            finish(i, true);
    }
}

void childPool::finish(std::size_t i, bool killed)
{
    runningChild& c = running[i];
    // What the child started ends with it; at its limit, the child too.
    if (kill(-c.pid, SIGKILL) != 0)
        kill(c.pid, SIGKILL);
    lifetime.remove(c.pid);
    int status = 0;
    rusage use{};
    pid_t reaped;
    while ((reaped = wait4(c.pid, &status, 0, &use)) < 0 && errno == EINTR)
    {
    }
    // All the child wrote is in its pipes by now.
    while (readResult(c))
    {
    }
    while (readErrors(c))
    {
    }
    for (int* fd : {&c.resultFd, &c.errorFd})
        if (*fd >= 0)
        {
            close(*fd);
            *fd = -1;
        }
    childRun run;
    run.end = reaped == c.pid ? endOf(status, killed, c, jobs.resultSize)
                              : (killed ? childEnd::TimedOut : childEnd::Crashed);
    run.processorSeconds = processorSeconds(use);
    run.lastErrorLines = c.errors.lines();
    const std::size_t job = c.job;
    const std::vector<unsigned char> got = std::move(c.got);
    running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
    jobs.ended(job, run, run.end == childEnd::Ran ? got.data() : nullptr);
}
} // namespace

const char* childEndName(childEnd end)
{
    switch (end)
    {
    case childEnd::Ran:
        return "ran";
    case childEnd::FailedToStart:
        return "failed to start";
    case childEnd::Crashed:
        return "crashed";
    case childEnd::TimedOut:
        return "timed out";
    }
    return "?";
}

bool runInChildren(const childJobs& jobs, int slots)
{
    childPool pool(jobs, slots);
    bool ok = true;
    std::size_t next = 0;
    while ((ok && next < jobs.count) || pool.busy())
    {
        while (ok && next < jobs.count && pool.hasRoom())
            ok = pool.start(next++);
        pool.waitForNews();
        pool.endFinished();
    }
    return ok;
}
