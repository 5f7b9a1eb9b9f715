#pragma once

#include <atomic>
#include <memory>

// A request to end a run early: the window (or a signal) sets it, and every
// loop of the run looks at it between batches of work and winds down without
// saving anything. Copies share one flag, so the copy in a run's inputs sees
// the request made through the front end's copy. Setting and looking are
// lock-free, as a signal handler needs.
class StopRequest {
public:
    void Request() const noexcept { flag_->store(true, std::memory_order_relaxed); }
    bool Requested() const noexcept { return flag_->load(std::memory_order_relaxed); }

private:
    std::shared_ptr<std::atomic<bool>> flag_ = std::make_shared<std::atomic<bool>>(false);
};
