#include "base/BoundedQueue.h"
#include "workbook/RowAssembler.h"
#include "workbook/open/OpenWorkbook.h"

#include <algorithm>
#include <atomic>
#include <memory>
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
using Batch = std::unique_ptr<RowBatch>;

class StreamedSheetRows final : public SheetRows {
public:
    StreamedSheetRows(const WorkbookFile& workbook, const Regional& regional, const SheetChoice& choice,
                      const StopRequest& stop)
        : stop_(stop), reader_([this, workbook, regional, choice] { Read(workbook, regional, choice); })
    {
    }

    ~StreamedSheetRows() override
    {
        ready_.Stop();
        reader_.join();
    }

    const SheetRow* Next() override
    {
        // No row is handed out once a stop is asked for.
        if (stop_.Requested()) return nullptr;
        if (current_ && next_ < current_->count) return &current_->rows[next_++];
        // A batch's rows keep the memory of their texts: handed back, the
        // reading thread fills them again instead of allocating.
        if (current_) spare_.TryPush(std::move(current_));
        std::optional<Batch> batch = ready_.Pop();
        if (!batch) return nullptr;
        current_ = std::move(*batch);
        progress_ = current_->progress;
        next_ = 0;
        return &current_->rows[next_++];
    }

    int ReadToEnd() override
    {
        discarding_ = true;
        int last = current_ && current_->count > 0 ? current_->rows[current_->count - 1].Number() : 0;
        while (std::optional<Batch> batch = ready_.Pop())
            if ((*batch)->count > 0) last = (*batch)->rows[(*batch)->count - 1].Number();
        // The queue is closed: the reading thread is done with the count.
        return std::max(last, lastDiscarded_.load());
    }

    RowProgress Progress() const override { return progress_; }

    // Set by the reading thread before it closes the queue, so the caller
    // that has seen the rows end sees them whole.
    ReadWarnings Warnings() const override { return warnings_; }

private:
    // The reading thread. However it ends, the queue is closed, so the
    // caller learns the end and the failure after the rows read before it.
    void Read(const WorkbookFile& workbook, const Regional& regional, const SheetChoice& choice)
    {
        try {
            filling_ = std::make_unique<RowBatch>();
            RowAssembler rows(regional, [&](SheetRow& row) { Take(row, rows); });
            ReadSheet(workbook, rows, SheetExtent::Whole, choice);
            rows.Finish();
            Pass(rows);
            warnings_ = rows.Warnings();
            ready_.Close();
        } catch (const ReadingStopped&) {
            ready_.Close();
        } catch (...) {
            ready_.Close(std::current_exception());
        }
    }

    void Take(SheetRow& row, const RowAssembler& rows)
    {
        if (discarding_) {
            // Once the caller wants no more rows, reading goes on only to
            // find what the rest of the sheet holds against it.
            lastDiscarded_ = row.Number();
            if (++discarded_ % kRowsPerBatch == 0 && Abandoned()) throw ReadingStopped();
            return;
        }
        std::swap(filling_->rows[filling_->count++], row);
        if (filling_->count == kRowsPerBatch) Pass(rows);
    }

    // Hands the batch being filled to the caller, waiting while the caller is
    // kBatchesAhead behind.
    void Pass(const RowAssembler& rows)
    {
        if (Abandoned()) throw ReadingStopped();
        filling_->progress = {rows.DeclaredLastRow(), rows.ShareRead()};
        if (!discarding_ && filling_->count > 0) {
            if (!ready_.Push(std::move(filling_))) throw ReadingStopped();
            std::optional<Batch> spare = spare_.TryPop();
            filling_ = spare ? std::move(*spare) : std::make_unique<RowBatch>();
        }
        filling_->count = 0;
    }

    // The caller has gone, or the run was asked to stop.
    bool Abandoned() const { return stop_.Requested() || ready_.Stopped(); }

    StopRequest stop_;
    BoundedQueue<Batch> ready_{kBatchesAhead};
    BoundedQueue<Batch> spare_{kBatchesAhead + 2};
    // Set by the caller, read by the reading thread between rows.
    std::atomic<bool> discarding_ = false;

    // The caller's side.
    Batch current_;
    std::size_t next_ = 0;
    RowProgress progress_;

    // The reading thread's side.
    ReadWarnings warnings_;
    Batch filling_;
    std::size_t discarded_ = 0;
    std::atomic<int> lastDiscarded_ = 0;
    std::thread reader_;
};

} // namespace

std::unique_ptr<SheetRows> StreamSheetRows(const WorkbookFile& workbook, const Regional& regional,
                                           const SheetChoice& choice, const StopRequest& stop)
{
    return std::make_unique<StreamedSheetRows>(workbook, regional, choice, stop);
}
