#include "base/TemporaryFiles.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <new>
#include <pthread.h>
#include <unistd.h>

namespace {

// Slots in blocks that are only ever added, never moved or freed, so that a
// handler can walk them at any moment without a lock.
constexpr std::size_t kSlotsPerBlock = 256;

struct Block {
    std::array<std::atomic<char*>, kSlotsPerBlock> slots{};
    Block* next = nullptr;
};

std::atomic<Block*> firstBlock{nullptr};
std::mutex growing;

std::atomic<char*>* FreeSlot()
{
    for (Block* block = firstBlock.load(); block; block = block->next)
        for (std::atomic<char*>& slot : block->slots)
            if (!slot.load()) return &slot;
    return nullptr;
}

// The messages for the handler, by signal and by whether the run's files
// were replaced, written once before it is installed; how many
// InterruptNotice objects are alive.
constexpr int kHandled[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kSignals = std::size(kHandled);
std::array<std::array<char, 512>, kSignals> unchangedText{};
std::array<std::array<char, 512>, kSignals> replacedText{};
std::atomic<int> noticesAlive{0};
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

// While files are renamed into place, a signal that reaches a thread not
// holding it is only noted here, and acted on once the renames are done.
std::atomic<bool> holding{false};
std::atomic<int> heldSignal{0};
std::atomic<bool> filesReplaced{false};

void Prepare(std::array<char, 512>& buffer, const std::string& message)
{
    const std::size_t length = std::min(message.size(), buffer.size() - 2);
    std::memcpy(buffer.data(), message.data(), length);
    buffer[length] = '\n';
    buffer[length + 1] = '\0';
}

std::size_t IndexOf(int signal)
{
    std::size_t index = 0;
    while (index + 1 < kSignals && kHandled[index] != signal) ++index;
    return index;
}

void OnSignal(int signal)
{
    if (holding.load()) {
        heldSignal.store(signal);
        return;
    }
    TemporaryFiles::RemoveAll();
    if (noticesAlive.load() > 0) {
        const std::size_t index = IndexOf(signal);
        const char* text = filesReplaced.load() ? replacedText[index].data() : unchangedText[index].data();
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

sigset_t HandledSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kHandled) sigaddset(&set, signal);
    return set;
}

} // namespace

TemporaryFiles::Entry TemporaryFiles::Register(const std::string& path)
{
    char* name = ::strdup(path.c_str());
    if (!name) throw std::bad_alloc();
    for (;;) {
        if (std::atomic<char*>* slot = FreeSlot()) {
            char* expected = nullptr;
            if (slot->compare_exchange_strong(expected, name)) return slot;
            continue;
        }
        const std::lock_guard lock(growing);
        if (FreeSlot()) continue;
        auto* block = new Block;
        block->next = firstBlock.load();
        firstBlock.store(block);
    }
}

void TemporaryFiles::Unregister(Entry entry)
{
    if (!entry) return;
    // Once out of its slot a name is no longer seen by a handler that starts
    // now; one already walking the slots on another thread at this very
    // moment ends the process right after.
    std::free(static_cast<std::atomic<char*>*>(entry)->exchange(nullptr));
}

void TemporaryFiles::RemoveAll() noexcept
{
    for (Block* block = firstBlock.load(); block; block = block->next)
        for (std::atomic<char*>& slot : block->slots)
            if (const char* name = slot.load()) ::unlink(name);
}

void InstallInterruptHandlers(InterruptMessage message)
{
    for (std::size_t i = 0; i < kSignals; ++i) {
        Prepare(unchangedText[i], message(kHandled[i], false));
        Prepare(replacedText[i], message(kHandled[i], true));
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kHandled) ::sigaction(signal, &action, nullptr);
}

SignalsHeld::SignalsHeld() noexcept
{
    heldSignal.store(0);
    holding.store(true);
    const sigset_t held = HandledSignals();
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld()
{
    // A signal sent to this thread meanwhile arrives as the mask is restored
    // and is noted like one that reached another thread; either is acted on
    // here, once.
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    holding.store(false);
    if (const int signal = heldSignal.exchange(0)) std::raise(signal);
}

bool SignalsHeld::Arrived() const noexcept
{
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    for (const int signal : kHandled)
        if (sigismember(&pending, signal)) return true;
    return heldSignal.load() != 0;
}

void SignalsHeld::FilesReplaced() noexcept
{
    filesReplaced.store(true);
}

InterruptNotice::InterruptNotice() noexcept
{
    filesReplaced.store(false);
    ++noticesAlive;
}

InterruptNotice::~InterruptNotice()
{
    --noticesAlive;
}
