#pragma once

#include "workbook/ReadBudget.h"
#include "workbook/TextArena.h"
#include "workbook/Workbook.h"
#include "workbook/WorkbookFault.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// How a number cell is shown, as decided by its number format.
enum class NumberStyle { Plain, Date, TimeOnly };

// The first sheet held in memory, compactly: a million rows of 25 columns must
// fit well under a gigabyte. Every cell is one fixed-size record (numbers kept
// as double and formatted on demand, texts as a slice of one arena or an index
// into the shared-string table), so loading makes no heap allocation per cell.
// Cells may be set in any order, a later value replacing an earlier one of the
// same cell; an empty text is no cell. Finish() is called once after loading
// and before any reading.
class SheetCells : public Workbook {
public:
    static constexpr std::size_t kMaxCells = 40'000'000;
    static constexpr int kMaxColumn = 65535;

    // Reading stops with WorkbookFault (too large) beyond the budget's cells,
    // text or shared strings.
    SheetCells(const Regional& regional, bool date1904, const ReadBudget& budget = ReadBudget::Ceiling());

    void SetText(int row, int column, std::string_view text);
    void SetSharedString(int row, int column, std::uint32_t index);
    void SetSharedStrings(std::vector<std::string> table);
    // Appends one string to the shared-string table, for readers that stream
    // the table rather than collect it first.
    void AddSharedString(std::string_view text);
    std::size_t SharedStringCount() const { return shared_.size(); }
    void SetNumber(int row, int column, double value, NumberStyle style);
    // A date-time already counted from 30.12.1899, outside any spreadsheet date
    // system; a value within that first day reads as a time of day.
    void SetDateTime(int row, int column, double dateTime);
    void SetDate1904(bool date1904);
    void Finish();

    // Whether `count` more cells fit, for readers that can tell ahead of
    // storing them (repeated cells).
    bool HasRoomFor(std::size_t count) const { return count <= maxCells_ - cells_.size(); }
    std::size_t MaxCells() const { return maxCells_; }
    // For readers that hold texts before storing them (a row waiting for its
    // repeat count): refuses when stored and held text together would be
    // past the budget.
    void RequireTextRoom(std::size_t heldBytes) const;

    std::string CellText(int row, int column) const override;
    int LastRow() const override;
    int LastColumn(int row) const override;
    void ForEachCell(const std::function<void(int row, int column, const std::string& text)>& visit) const override;

private:
    enum class Kind : std::uint8_t { Text, Shared, Number, DateTime };

    // 12 bytes: the column, what the payload holds, and the payload (a double,
    // a TextArena reference or a shared-string index). The row is kept once
    // per run of cells in the same row, not in every cell.
    struct Cell {
        std::uint16_t column;
        Kind kind;
        std::uint8_t style;  // a NumberStyle
        std::uint32_t payload[2];

        template <typename T>
        void Set(T value)
        {
            static_assert(sizeof(T) <= sizeof payload);
            std::memcpy(payload, &value, sizeof value);
        }
        template <typename T>
        T Get() const
        {
            T value;
            std::memcpy(&value, payload, sizeof value);
            return value;
        }
    };

    // Cells [first, next run's first) were set for this row.
    struct RowRun {
        std::uint32_t row;
        std::uint32_t first;
    };

    Cell& Append(int row, int column, Kind kind);
    void CountText(std::size_t bytes);
    void SortCells();
    const Cell* Find(int row, int column) const;
    std::string TextOf(const Cell& cell) const;

    Regional regional_;
    bool date1904_;
    ReadBudget budget_;
    std::size_t maxCells_;
    std::size_t textBytes_ = 0;
    // A deque grows without copying what it holds, so a large sheet never
    // needs room for its cells twice over.
    std::deque<Cell> cells_;
    std::vector<RowRun> runs_;
    // Whether the cells so far came row by row, column by column, each
    // position once: the usual case, which needs no sorting.
    bool ordered_ = true;
    int lastColumn_ = 0;
    TextArena texts_;
    // The shared strings live in an arena too: a table of a million strings
    // would otherwise cost a heap block each.
    TextArena sharedTexts_;
    std::vector<std::uint64_t> shared_;
    // After Finish: cells_ ordered by row and column, one per position;
    // row r's cells are [rowStart_[r], rowStart_[r + 1]).
    std::vector<std::uint32_t> rowStart_;
};

// A sheet holding more cells than memory is allowed for (a few kilobytes of
// compressed XML can declare billions of cells): WorkbookFault, too large.
[[noreturn]] void ThrowTooManyCells(std::size_t limit);

