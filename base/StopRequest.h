#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

// A request to end a run early: the window (or a signal) sets it, and every
// loop of the run looks at it between batches of work and winds down without
// saving anything. Copies share one flag, so the copy in a run's inputs sees
// the request made through the front end's copy. Setting and looking are
// lock-free, as a signal handler needs.
//
// The run's files pass one gate on their way into place. A front end that
// asks its user whether to stop holds the gate while the question is open,
// so that the answer still finds every file as it was.
class StopRequest {
public:
    void Request() const noexcept { state_->stop.store(true, std::memory_order_relaxed); }
    bool Requested() const noexcept { return state_->stop.load(std::memory_order_relaxed); }

    // Holds the gate; false when it is too late: the run is putting its files
    // in place already.
    bool Hold() const noexcept
    {
        int open = kOpen;
        return state_->gate.compare_exchange_strong(open, kHeld) || open == kHeld;
    }
    // Opens the gate held; after Request() when the answer was to stop.
    void Release() const noexcept
    {
        int held = kHeld;
        state_->gate.compare_exchange_strong(held, kOpen);
    }
    // The run calls it right before it puts its files in place: waits while
    // the gate is held, and then says whether to go on. Once it has said so,
    // the gate can no longer be held.
    bool PassGate() const
    {
        for (;;) {
            if (Requested()) return false;
            int open = kOpen;
            if (state_->gate.compare_exchange_strong(open, kPassed) || open == kPassed) return true;
            state_->waiting.store(true);
            // A few milliseconds: the request may come from a signal, which
            // can wake no one.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    // The run has come to the gate and waits there.
    bool Waiting() const noexcept { return state_->waiting.load() && state_->gate.load() == kHeld; }

private:
    static constexpr int kOpen = 0;
    static constexpr int kHeld = 1;
    static constexpr int kPassed = 2;
    struct State {
        std::atomic<bool> stop{false};
        std::atomic<int> gate{kOpen};
        std::atomic<bool> waiting{false};
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};
