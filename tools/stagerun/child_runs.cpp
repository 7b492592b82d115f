// The child process pool: fork, a pipe back, a wall-clock limit, and how each child ended.
#include "tools/stagerun/child_runs.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
using steadyClock = std::chrono::steady_clock;

// A child's exit code when its job could not start.
constexpr int kNotStarted = 3;
// How often a child that has closed its pipe but not yet exited is looked at again.
constexpr std::chrono::milliseconds kReapPoll{5};

struct runningChild
{
    pid_t pid = -1;
    int fd = -1; // the read end, -1 once the child has closed its end
    std::size_t job = 0;
    steadyClock::time_point deadline;
    std::vector<unsigned char> got;
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

// Reads what the child sent; at the end of the pipe, closes it.
void readFrom(runningChild& c, std::size_t resultSize)
{
    unsigned char buffer[512];
    const ssize_t n = read(c.fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0)
    {
        close(c.fd);
        c.fd = -1;
        return;
    }
    // Anything past the result's size only spoils it.
    c.got.insert(c.got.end(), buffer, buffer + n);
    if (c.got.size() > resultSize)
        c.got.resize(resultSize + 1);
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
    slots = std::max(1, slots);
    std::vector<runningChild> running;
    // The child's result is written here; it is made before the fork, so the
    // child allocates nothing of its own to send it.
    std::vector<unsigned char> result(std::max<std::size_t>(1, jobs.resultSize));
    bool ok = true;
    std::size_t next = 0;

    auto finish = [&](std::size_t i, int status, const rusage& use, bool killed)
    {
        runningChild& c = running[i];
        if (c.fd >= 0)
            close(c.fd);
        childRun run;
        run.end = endOf(status, killed, c, jobs.resultSize);
        run.processorSeconds = processorSeconds(use);
        const std::size_t job = c.job;
        const std::vector<unsigned char> got = std::move(c.got);
        running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
        jobs.ended(job, run, run.end == childEnd::Ran ? got.data() : nullptr);
    };

    while ((ok && next < jobs.count) || !running.empty())
    {
        while (ok && next < jobs.count && static_cast<int>(running.size()) < slots)
        {
            int fds[2];
            if (pipe(fds) != 0)
            {
                ok = false;
                break;
            }
            const std::size_t job = next++;
            const auto limit = jobs.wallLimit(job);
            std::fflush(nullptr);
            const pid_t pid = fork();
            if (pid == 0)
            {
                close(fds[0]);
                if (!jobs.work(job, result.data()))
                    _exit(kNotStarted);
                _exit(writeAll(fds[1], result.data(), jobs.resultSize) ? 0 : 1);
            }
            close(fds[1]);
            if (pid < 0)
            {
                close(fds[0]);
                ok = false;
                break;
            }
            runningChild c;
            c.pid = pid;
            c.fd = fds[0];
            c.job = job;
            c.deadline = steadyClock::now() + limit;
            running.push_back(std::move(c));
        }

        if (running.empty())
            continue;
        // Wait for a pipe to speak or the nearest deadline.
        const auto now = steadyClock::now();
        auto untilNext = std::chrono::milliseconds::max();
        std::vector<pollfd> polled;
        std::vector<std::size_t> polledChild;
        for (std::size_t i = 0; i < running.size(); ++i)
        {
            const runningChild& c = running[i];
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(c.deadline - now);
            untilNext = std::min(untilNext, std::max(std::chrono::milliseconds(0), left));
            if (c.fd >= 0)
            {
                polled.push_back({c.fd, POLLIN, 0});
                polledChild.push_back(i);
            }
            else
                untilNext = std::min(untilNext, kReapPoll);
        }
        const int timeout = static_cast<int>(std::min<long long>(untilNext.count(), 60 * 1000));
        const int ready = poll(polled.data(), polled.size(), timeout);
        if (ready > 0)
            for (std::size_t k = 0; k < polled.size(); ++k)
                if (polled[k].revents)
                    readFrom(running[polledChild[k]], jobs.resultSize);

        // Reap those that have closed their pipe and exited; kill those past their limit.
        for (std::size_t i = running.size(); i-- > 0;)
        {
            runningChild& c = running[i];
            int status = 0;
            rusage use{};
            if (c.fd < 0)
            {
                const pid_t done = wait4(c.pid, &status, WNOHANG, &use);
                if (done == c.pid)
                {
                    finish(i, status, use, false);
                    continue;
                }
            }
            if (steadyClock::now() >= c.deadline)
            {
                kill(c.pid, SIGKILL);
                while (wait4(c.pid, &status, 0, &use) < 0 && errno == EINTR)
                {
                }
                finish(i, status, use, true);
            }
        }
    }
    return ok;
}
