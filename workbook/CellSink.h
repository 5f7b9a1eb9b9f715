#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "workbook/CellFormatter.h"
#include "workbook/ReadBudget.h"
#include "workbook/ReadWarnings.h"
#include "workbook/SharedStringTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where a reader puts the cells of the sheet it reads, in the order the file
// gives them: the whole sheet held in memory (SheetCells), the rows handed on
// one by one (RowAssembler) or the first rows alone (FirstRowCells). The sink
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

    // The shared-string table, whole or one string after another; before the
    // cells that refer to it.
    void SetSharedStrings(const std::vector<std::string>& table);
    void AddSharedString(std::string_view text);
    std::size_t SharedStringCount() const { return sharedStrings_.Size(); }
    // For a reader that reads the table as the cells need it: called with
    // the count the table must reach when a cell refers past its end. An
    // empty function (the default) reads nothing.
    using SharedStringSource = std::function<void(std::size_t count)>;
    void SetSharedStringSource(SharedStringSource source) { sharedSource_ = std::move(source); }

    void SetDate1904(bool date1904) { formatter_.SetDate1904(date1904); }
    // A read into this sink ends with ReadingStopped within a few thousand
    // cells once the stop is requested.
    void SetStop(const StopRequest& stop) { stop_ = stop; }
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

    // A range of merged cells, 1-based and inclusive, for a sink that names
    // columns by their header (xlsx and xls give them after the cells).
    virtual void MergeCells(int /*firstRow*/, int /*firstColumn*/, int /*lastRow*/, int /*lastColumn*/) {}
    // Columns the sheet hides, 1-based and inclusive, for the same sink.
    virtual void HideColumns(int /*firstColumn*/, int /*lastColumn*/) {}

    // What the reader found odd and read anyway; the front ends name it
    // after the run.
    void Warn(ReadWarning kind, std::vector<std::string> details) { warnings_.Add(kind, std::move(details)); }
    const ReadWarnings& Warnings() const { return warnings_; }

    // How many shared strings the cells read so far refer to (the highest
    // index plus one), for a reader that may read the table after the cells.
    std::size_t SharedStringsWanted() const { return sharedWanted_; }

protected:
    virtual void StoreText(int row, int column, std::string_view text) = 0;
    virtual void StoreValue(int row, int column, const CellValue& value) = 0;

    // The text of a value as the spreadsheet application shows it; a shared
    // string the table lacks gives "".
    std::string TextOf(const CellValue& value) const { return formatter_.Text(value, sharedStrings_); }

private:
    void Store(int row, int column, const CellValue& value);
    void CountCell();
    void CountText(std::size_t bytes);

    CellFormatter formatter_;
    StopRequest stop_;
    SharedStringTable sharedStrings_;
    SharedStringSource sharedSource_;
    ReadBudget budget_;
    std::size_t maxCells_;
    std::size_t cellCount_ = 0;
    std::size_t textBytes_ = 0;
    std::size_t sharedWanted_ = 0;
    ReadWarnings warnings_;
};

// A sheet holding more cells than memory is allowed for (a few kilobytes of
// compressed XML can declare billions of cells): WorkbookFault, too large.
[[noreturn]] void ThrowTooManyCells(std::size_t limit);
