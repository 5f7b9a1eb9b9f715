#include "workbook/ReadSheet.h"
#include "workbook/RowAssembler.h"
#include "workbook/SheetRows.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// Rows travel from the reading thread in batches, so that the two threads
// meet a few thousand times on a million rows rather than a million times.
constexpr std::size_t kRowsPerBatch = 256;
// Batches read ahead of the caller; reading waits when they are all full.
constexpr std::size_t kBatchesAhead = 8;

struct RowBatch {
    std::vector<SheetRow> rows = std::vector<SheetRow>(kRowsPerBatch);
    std::size_t count = 0;
    RowProgress progress;
};

class StreamedSheetRows final : public SheetRows {
public:
    StreamedSheetRows(const std::string& path, const Regional& regional, const SheetChoice& choice)
        : reader_([this, path, regional, choice] { Read(path, regional, choice); })
    {
    }

    ~StreamedSheetRows() override
    {
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        changed_.notify_all();
        reader_.join();
    }

    const SheetRow* Next() override
    {
        if (current_ && next_ < current_->count) return &current_->rows[next_++];
        std::unique_lock lock(mutex_);
        if (current_) spare_.push_back(std::move(current_));
        changed_.notify_all();
        changed_.wait(lock, [&] { return !ready_.empty() || finished_; });
        if (ready_.empty()) {
            if (failure_) std::rethrow_exception(failure_);
            return nullptr;
        }
        current_ = std::move(ready_.front());
        ready_.pop_front();
        progress_ = current_->progress;
        next_ = 0;
        return &current_->rows[next_++];
    }

    void ReadToEnd() override
    {
        std::unique_lock lock(mutex_);
        discarding_ = true;
        while (!ready_.empty()) {
            spare_.push_back(std::move(ready_.front()));
            ready_.pop_front();
        }
        changed_.notify_all();
        changed_.wait(lock, [&] { return finished_; });
        if (failure_) std::rethrow_exception(failure_);
    }

    RowProgress Progress() const override { return progress_; }

private:
    // The reading thread.
    void Read(const std::string& path, const Regional& regional, const SheetChoice& choice)
    {
        std::exception_ptr failure;
        try {
            filling_ = std::make_unique<RowBatch>();
            RowAssembler rows(regional, [&](SheetRow& row) { Take(row, rows); });
            ReadSheet(path, rows, SheetExtent::Whole, choice);
            rows.Finish();
            Pass(rows);
        } catch (const ReadingStopped&) {
        } catch (...) {
            failure = std::current_exception();
        }
        const std::lock_guard lock(mutex_);
        failure_ = failure;
        finished_ = true;
        changed_.notify_all();
    }

    void Take(SheetRow& row, const RowAssembler& rows)
    {
        if (discarding_) {
            // Once the caller wants no more rows, reading goes on only to
            // find what the rest of the sheet holds against it.
            if (closed_) throw ReadingStopped();
            return;
        }
        std::swap(filling_->rows[filling_->count++], row);
        if (filling_->count == kRowsPerBatch) Pass(rows);
    }

    // Hands the batch being filled to the caller, waiting while the caller is
    // kBatchesAhead behind.
    void Pass(const RowAssembler& rows)
    {
        filling_->progress = {rows.DeclaredLastRow(), rows.ShareRead()};
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return ready_.size() < kBatchesAhead || closed_ || discarding_; });
        if (closed_) throw ReadingStopped();
        if (!discarding_ && filling_->count > 0) ready_.push_back(std::move(filling_));
        if (!filling_) {
            if (spare_.empty()) {
                filling_ = std::make_unique<RowBatch>();
            } else {
                filling_ = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        filling_->count = 0;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<RowBatch>> ready_;
    std::vector<std::unique_ptr<RowBatch>> spare_;
    bool finished_ = false;
    std::exception_ptr failure_;
    // Set by the caller; read by the reading thread without the lock between
    // batches, where a late look costs at most one more row.
    std::atomic<bool> closed_ = false;
    std::atomic<bool> discarding_ = false;

    // The caller's side.
    std::unique_ptr<RowBatch> current_;
    std::size_t next_ = 0;
    RowProgress progress_;

    // The reading thread's side.
    std::unique_ptr<RowBatch> filling_;
    std::thread reader_;
};

} // namespace

std::unique_ptr<SheetRows> StreamSheetRows(const std::string& path, const Regional& regional, const SheetChoice& choice)
{
    return std::make_unique<StreamedSheetRows>(path, regional, choice);
}
