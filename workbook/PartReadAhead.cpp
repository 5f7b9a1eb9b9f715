#include "workbook/PartReadAhead.h"

#include "workbook/ZipArchive.h"

namespace {

// Chunks inflated ahead of the parser: a few megabytes at most.
constexpr std::size_t kChunksAhead = 8;

struct StopInflating {};

} // namespace

PartReadAhead::PartReadAhead(ZipArchive& archive, std::string part, Inspect inspect)
    : thread_(
        [this, &archive, part = std::move(part), inspect = std::move(inspect)] { Inflate(archive, part, inspect); })
{
}

PartReadAhead::~PartReadAhead()
{
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void PartReadAhead::Inflate(ZipArchive& archive, const std::string& part, const Inspect& inspect)
{
    std::exception_ptr failure;
    try {
        archive.Read(part, [&](const char* data, std::size_t size) {
            inspect({data, size});
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return ready_.size() < kChunksAhead || stopped_; });
            if (stopped_) throw StopInflating();
            std::string chunk;
            if (!spare_.empty()) {
                chunk = std::move(spare_.back());
                spare_.pop_back();
            }
            chunk.assign(data, size);
            ready_.push_back(std::move(chunk));
            changed_.notify_all();
        });
    } catch (const StopInflating&) {
    } catch (...) {
        failure = std::current_exception();
    }
    const std::lock_guard lock(mutex_);
    failure_ = failure;
    finished_ = true;
    changed_.notify_all();
}

std::string_view PartReadAhead::Next()
{
    std::unique_lock lock(mutex_);
    if (!current_.empty()) spare_.push_back(std::move(current_));
    changed_.wait(lock, [&] { return !ready_.empty() || finished_; });
    if (ready_.empty()) {
        if (failure_) std::rethrow_exception(failure_);
        current_.clear();
        return {};
    }
    current_ = std::move(ready_.front());
    ready_.pop_front();
    changed_.notify_all();
    return current_;
}
