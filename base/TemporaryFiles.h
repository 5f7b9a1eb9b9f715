#pragma once

#include <csignal>
#include <string>

// The temporary files this process has made and not yet put in place or
// removed, so that a process ended by a signal can remove them on its way
// out. Registering and unregistering are for ordinary code on any thread;
// RemoveAll is for a signal handler and does nothing else a handler may not.
namespace TemporaryFiles {

// A registered file; Unregister it once it is renamed or removed.
using Entry = void*;
Entry Register(const std::string& path);
void Unregister(Entry entry);

// Unlinks every registered file (async-signal-safe).
void RemoveAll() noexcept;

} // namespace TemporaryFiles

// The message for a signal that ends a run, by its number, and by whether
// the run's files had been replaced by then.
using InterruptMessage = std::string (*)(int signal, bool filesReplaced);

// Makes SIGINT, SIGTERM and SIGHUP remove the temporary files, write the
// message for the signal to standard error while an InterruptNotice is alive,
// and end the process by that signal (so the shell sees 130, 143 or 129). The
// messages are the Russian texts, prepared here because a handler may not
// format anything.
void InstallInterruptHandlers(InterruptMessage message);

// Alive while files are renamed into place: SIGINT, SIGTERM and SIGHUP are
// blocked in this thread, and noted by the handler on any other one; the
// signal is acted on when this ends. One at a time in a process.
class SignalsHeld {
public:
    SignalsHeld() noexcept;
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

    // Whether one of them was sent since this began.
    bool Arrived() const noexcept;
    // The run's files are in place: the message of a signal acted on from
    // now on says so.
    void FilesReplaced() noexcept;

private:
    sigset_t previous_;
};

// Alive while work goes on that the signal's message tells of: a program
// waiting for its user ends without it.
class InterruptNotice {
public:
    InterruptNotice() noexcept;
    ~InterruptNotice();
    InterruptNotice(const InterruptNotice&) = delete;
    InterruptNotice& operator=(const InterruptNotice&) = delete;
};
