#pragma once

#include "workbook/CellSink.h"
#include "workbook/TextArena.h"
#include "workbook/Workbook.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

// The first sheet held in memory, compactly: a million rows of 25 columns must
// fit well under a gigabyte. Every cell is one fixed-size record (numbers kept
// as double and formatted on demand, texts as a slice of one arena or an index
// into the shared-string table), so loading makes no heap allocation per cell.
// Cells may be set in any order, a later value replacing an earlier one of the
// same cell; an empty text is no cell. Finish() is called once after loading
// and before any reading.
class SheetCells : public Workbook, public CellSink {
public:
    SheetCells(const Regional& regional, bool date1904, const ReadBudget& budget = ReadBudget::Ceiling());

    void Finish();

    std::string CellText(int row, int column) const override;
    int LastRow() const override;
    int LastColumn(int row) const override;
    void ForEachCell(const std::function<void(int row, int column, const std::string& text)>& visit) const override;
    void ForEachCellInRow(int row,
                          const std::function<void(int column, const std::string& text)>& visit) const override;
    ReadWarnings ReadingWarnings() const override { return Warnings(); }

private:
    // A cell's kind: a text of its own, or a CellValue of its kind.
    enum class CellKind : std::uint8_t { Text, Shared, Number, DateTime };

    // 12 bytes: the column, what the payload holds, and the payload (a double,
    // a TextArena reference or a shared-string index). The row is kept once
    // per run of cells in the same row, not in every cell.
    struct Cell {
        std::uint16_t column;
        CellKind kind;
        std::uint8_t style; // a NumberStyle
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

    void StoreText(int row, int column, std::string_view text) override;
    void StoreValue(int row, int column, const CellValue& value) override;
    Cell& Append(int row, int column, CellKind kind);
    void SortCells();
    const Cell* Find(int row, int column) const;
    std::string TextOf(const Cell& cell) const;

    // A deque grows without copying what it holds, so a large sheet never
    // needs room for its cells twice over.
    std::deque<Cell> cells_;
    std::vector<RowRun> runs_;
    // Whether the cells so far came row by row, column by column, each
    // position once: the usual case, which needs no sorting.
    bool ordered_ = true;
    int lastColumn_ = 0;
    TextArena texts_;
    // After Finish: cells_ ordered by row and column, one per position;
    // row r's cells are [rowStart_[r], rowStart_[r + 1]).
    std::vector<std::uint32_t> rowStart_;
};
