#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <exception>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void WriteAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

ChildOutcome RunInChild(const std::function<std::string()>& work, int timeLimitSeconds)
{
    int channel[2];
    if (::pipe(channel) != 0) throw std::runtime_error("pipe failed");
    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::close(channel[0]);
        std::string report;
        try {
            report = work();
        } catch (const std::exception& error) {
            report = std::string("error: ") + error.what();
        } catch (...) {
            report = "error: unknown";
        }
        WriteAll(channel[1], report);
        ::close(channel[1]);
        // No exit handlers or destructors: they belong to the parent.
        ::_exit(0);
    }
    ::close(channel[1]);

    ChildOutcome outcome;
    const auto deadline = started + std::chrono::seconds(timeLimitSeconds);
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            break;
        }
        pollfd wait{channel[0], POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left.count())) <= 0) continue;
        const ssize_t n = ::read(channel[0], buffer, sizeof buffer);
        if (n <= 0) break;
        outcome.report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(channel[0]);

    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    outcome.peakKilobytes = usage.ru_maxrss;
    outcome.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

int StartChild(const std::function<void()>& work)
{
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        try {
            work();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    return pid;
}

bool WaitForKilledChild(int pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status);
}
