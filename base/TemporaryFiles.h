#pragma once

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

// Makes SIGINT and SIGTERM remove the temporary files, write the message for
// the signal to standard error while an InterruptNotice is alive, and end the
// process by that signal (so the shell sees 130 or 143). The messages are the
// Russian texts, prepared here because a handler may not format anything.
void InstallInterruptHandlers(const std::string& interruptMessage, const std::string& terminateMessage);

// Alive while work goes on that the signal's message tells of: a program
// waiting for its user ends without it.
class InterruptNotice {
public:
    InterruptNotice() noexcept;
    ~InterruptNotice();
    InterruptNotice(const InterruptNotice&) = delete;
    InterruptNotice& operator=(const InterruptNotice&) = delete;
};
