#pragma once

#include "base/Regional.h"
#include "workbook/ReadBudget.h"
#include "workbook/SharedStringTable.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// How a number cell is shown, as decided by its number format.
enum class NumberStyle { Plain, Date, TimeOnly };

// Where a reader puts the cells of the sheet it reads, in the order the file
// gives them: the whole sheet held in memory (SheetCells), the rows handed on
// one by one (RowAssembler) or the header row alone (FirstRowCells). The sink
// holds what every cell may refer to (the shared strings, the date system)
// and keeps the read within its budget: reading stops with WorkbookFault (too
// large) beyond the budget's cells, text or shared strings, whichever sink
// takes the cells.
class CellSink {
public:
    static constexpr std::size_t kMaxCells = 40'000'000;
    static constexpr int kMaxColumn = 65535;

    CellSink(const Regional& regional, bool date1904, const ReadBudget& budget = ReadBudget::Ceiling());
    virtual ~CellSink() = default;
    CellSink(const CellSink&) = delete;
    CellSink& operator=(const CellSink&) = delete;

    // A cell outside the sheet's limits is no cell; an empty text is none
    // either, but replaces what an earlier record of the position gave.
    void SetText(int row, int column, std::string_view text);
    void SetSharedString(int row, int column, std::uint32_t index);
    void SetNumber(int row, int column, double value, NumberStyle style);
    // A date-time already counted from 30.12.1899, outside any spreadsheet date
    // system; a value within that first day reads as a time of day.
    void SetDateTime(int row, int column, double dateTime);

    void SetSharedStrings(const std::vector<std::string>& table);
    // Appends one string to the shared-string table, for readers that stream
    // the table rather than collect it first.
    void AddSharedString(std::string_view text);
    std::size_t SharedStringCount() const;

    // For a reader that reads the shared strings on a thread of their own
    // while the cells come in: until CloseSharedStrings, the text of a shared
    // string not yet read is waited for. Closing with a failure makes every
    // later wait raise it; cancelling makes AddSharedString raise
    // ReadingStopped, to end the other thread early.
    void OpenSharedStrings();
    void CloseSharedStrings(std::exception_ptr failure = nullptr);
    void CancelSharedStrings();
    void SetDate1904(bool date1904) { date1904_ = date1904; }
    // The budget of the file being read; before any cell.
    void SetBudget(const ReadBudget& budget);

    // Whether `count` more cells fit, for readers that can tell ahead of
    // storing them (repeated cells).
    bool HasRoomFor(std::size_t count) const { return count <= maxCells_ - cellCount_; }
    std::size_t MaxCells() const { return maxCells_; }
    // For readers that hold texts before storing them (a row waiting for its
    // repeat count): refuses when stored and held text together would be
    // past the budget.
    void RequireTextRoom(std::size_t heldBytes) const;

    // What the reader knows of how far it has come, for progress: the last
    // row the sheet declares, and the share of the sheet's bytes read.
    virtual void DeclareLastRow(int) {}
    virtual void ReportConsumed(std::uint64_t, std::uint64_t) {}

    // How many shared strings the cells read so far refer to (the highest
    // index plus one), for a reader that may read the table after the cells.
    std::size_t SharedStringsWanted() const { return sharedWanted_; }

protected:
    enum class Kind : std::uint8_t { Shared, Number, DateTime };

    // A cell that is not a text of its own: what it needs to become text.
    struct Value {
        Kind kind;
        NumberStyle style;
        double number;       // Number, DateTime
        std::uint32_t index; // Shared
    };

    virtual void StoreText(int row, int column, std::string_view text) = 0;
    virtual void StoreValue(int row, int column, const Value& value) = 0;

    // The text of a value as the spreadsheet application shows it; a shared
    // string the table lacks gives "".
    std::string TextOf(const Value& value) const;
    std::string SharedText(std::uint32_t index) const;

private:
    void Store(int row, int column, const Value& value);
    void CountCell();
    void CountText(std::size_t bytes);

    Regional regional_;
    bool date1904_;
    ReadBudget budget_;
    std::size_t maxCells_;
    std::size_t cellCount_ = 0;
    std::atomic<std::size_t> textBytes_ = 0;
    std::size_t sharedWanted_ = 0;

    // The shared strings live in one arena with a pointer each: a table of
    // millions of strings would otherwise cost a heap block per string. A
    // cell finds a string already read without a lock; the lock and the
    // waiters' count are for a cell that must wait for the thread reading
    // the table.
    SharedStringTable shared_;
    mutable std::mutex sharedLock_;
    mutable std::condition_variable sharedAdded_;
    mutable std::atomic<int> sharedWaiters_ = 0;
    bool sharedOpen_ = false;
    std::atomic<bool> sharedCancelled_ = false;
    std::exception_ptr sharedFailure_;
};

// A sheet holding more cells than memory is allowed for (a few kilobytes of
// compressed XML can declare billions of cells): WorkbookFault, too large.
[[noreturn]] void ThrowTooManyCells(std::size_t limit);
