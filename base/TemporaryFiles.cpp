#include "base/TemporaryFiles.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
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

// The messages for the handler, written once before it is installed, and
// how many InterruptNotice objects are alive.
std::array<char, 512> interruptText{};
std::array<char, 512> terminateText{};
std::atomic<int> noticesAlive{0};
static_assert(std::atomic<int>::is_always_lock_free, "read in a signal handler");

void Prepare(std::array<char, 512>& buffer, const std::string& message)
{
    const std::size_t length = std::min(message.size(), buffer.size() - 2);
    std::memcpy(buffer.data(), message.data(), length);
    buffer[length] = '\n';
    buffer[length + 1] = '\0';
}

void OnSignal(int signal)
{
    TemporaryFiles::RemoveAll();
    if (noticesAlive.load() > 0) {
        const char* text = signal == SIGINT ? interruptText.data() : terminateText.data();
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
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

void InstallInterruptHandlers(const std::string& interruptMessage, const std::string& terminateMessage)
{
    Prepare(interruptText, interruptMessage);
    Prepare(terminateText, terminateMessage);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

InterruptNotice::InterruptNotice() noexcept
{
    ++noticesAlive;
}

InterruptNotice::~InterruptNotice()
{
    --noticesAlive;
}
