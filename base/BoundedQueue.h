#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>

// The one handoff between two threads: a producer pushes items, a consumer
// takes them in order, and at most `capacity` wait between them, so the
// producer never runs further ahead than that. The producer ends the queue
// with Close (with the failure that ended its work, raised to the consumer
// after the items before it); either side ends it early with Stop, after
// which nothing waits any more.
template <typename T>
class BoundedQueue {
public:
    explicit BoundedQueue(std::size_t capacity) : capacity_(capacity) {}
    BoundedQueue(const BoundedQueue&) = delete;
    BoundedQueue& operator=(const BoundedQueue&) = delete;

    // Waits while the queue is full; false (the item dropped) once it is
    // stopped.
    bool Push(T item)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return items_.size() < capacity_ || stopped_; });
        if (stopped_) return false;
        items_.push_back(std::move(item));
        changed_.notify_all();
        return true;
    }

    // Pushes only when there is room at once; for handing back spare buffers,
    // where a full queue means enough spares.
    bool TryPush(T item)
    {
        const std::lock_guard lock(mutex_);
        if (stopped_ || items_.size() >= capacity_) return false;
        items_.push_back(std::move(item));
        changed_.notify_all();
        return true;
    }

    // The next item, waiting for it; nothing once the queue is stopped, or
    // closed and empty, when it raises the failure the producer closed it
    // with.
    std::optional<T> Pop()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !items_.empty() || closed_ || stopped_; });
        if (stopped_) return std::nullopt;
        if (items_.empty()) {
            if (failure_) std::rethrow_exception(failure_);
            return std::nullopt;
        }
        return Take();
    }

    // The next item if one waits.
    std::optional<T> TryPop()
    {
        const std::lock_guard lock(mutex_);
        if (stopped_ || items_.empty()) return std::nullopt;
        return Take();
    }

    void Close(std::exception_ptr failure = nullptr)
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        failure_ = failure;
        changed_.notify_all();
    }

    void Stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

    bool Stopped() const
    {
        const std::lock_guard lock(mutex_);
        return stopped_;
    }

private:
    std::optional<T> Take()
    {
        std::optional<T> item(std::move(items_.front()));
        items_.pop_front();
        changed_.notify_all();
        return item;
    }

    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<T> items_;
    bool closed_ = false;
    bool stopped_ = false;
    std::exception_ptr failure_;
};
