// The workbook readers on fuzzed files: reading must end in cells or in the
// program's refusal, never in a crash, a hang or unbounded memory.
#include "FuzzTargets.h"
#include "ScratchFiles.h"

#include "base/Regional.h"
#include "workbook/ods/OdsReader.h"
#include "workbook/RowAssembler.h"
#include "workbook/SheetCells.h"
#include "workbook/SheetRows.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxReader.h"
#include "workbook/ZipArchive.h"
#include "workbook/xls/XlsReader.h"
#include "workbook/open/OpenWorkbook.h"

#include <functional>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

// Formats every cell, the way the runs and the dump read them, and checks that
// the listing, the cell look-up and the extent of the sheet agree.
void ReadEveryCell(const Workbook& book)
{
    const int lastRow = book.LastRow();
    if (lastRow < 0) throw std::logic_error("negative last row");
    book.ForEachCell([&](int row, int column, const std::string& text) {
        if (row < 1 || row > lastRow || column < 1 || column > book.LastColumn(row))
            throw std::logic_error("a listed cell outside the sheet's extent");
        if (text.empty() || book.CellText(row, column) != text)
            throw std::logic_error("a listed cell that reads differently");
    });
    if (book.LastColumn(lastRow + 1) != 0 || !book.CellText(lastRow + 1, 1).empty())
        throw std::logic_error("a cell after the last row");
}

// The cells a streamed read gives must be the cells of the sheet read whole,
// unless the stream finds its rows out of order (the runs then read the
// sheet whole): only known at its end, so the rows are compared then.
void CompareStreamedRows(const Workbook& held, const std::function<void(CellSink&)>& read)
{
    using Listing = std::vector<std::tuple<int, int, std::string>>;
    Listing streamed;
    RowAssembler rows(Regional::Russian(), [&](SheetRow& row) {
        row.ForEachCell([&](int column, std::string_view text) { streamed.emplace_back(row.Number(), column, text); });
    });
    rows.SetBudget(ReadBudget::ForFileSize(0));
    try {
        read(rows);
        rows.Finish();
    } catch (const SheetOutOfOrder&) {
        return;
    }
    Listing whole;
    held.ForEachCell([&](int row, int column, const std::string& text) { whole.emplace_back(row, column, text); });
    if (streamed != whole) throw std::logic_error("streamed rows that read differently");
}

void ReadBothWays(const std::function<void(CellSink&)>& read)
{
    try {
        SheetCells held(Regional::Russian(), false, ReadBudget::ForFileSize(0));
        read(held);
        held.Finish();
        ReadEveryCell(held);
        CompareStreamedRows(held, read);
    } catch (const WorkbookFault&) {
    }
}

} // namespace

void FuzzTargets::XlsxWorkbook(std::string_view input)
{
    const std::string path = ScratchWorkbook(input);
    ReadBothWays([&](CellSink& sink) {
        ZipArchive archive(OpenWorkbookFile(path));
        ReadXlsxWorkbook(archive, sink);
    });
}

void FuzzTargets::OdsWorkbook(std::string_view input)
{
    const std::string path = ScratchWorkbook(input);
    ReadBothWays([&](CellSink& sink) {
        ZipArchive archive(OpenWorkbookFile(path));
        ReadOdsWorkbook(archive, sink);
    });
}

void FuzzTargets::XlsWorkbook(std::string_view input)
{
    const std::string path = ScratchWorkbook(input);
    ReadBothWays([&](CellSink& sink) { ReadXlsWorkbook(OpenWorkbookFile(path), sink); });
}
