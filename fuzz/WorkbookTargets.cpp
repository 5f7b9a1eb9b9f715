// The workbook readers on fuzzed files: reading must end in cells or in the
// program's refusal, never in a crash, a hang or unbounded memory.
#include "FuzzTargets.h"
#include "ScratchFiles.h"

#include "base/Regional.h"
#include "workbook/ods/OdsReader.h"
#include "workbook/SheetCells.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxReader.h"
#include "workbook/ZipArchive.h"
#include "workbook/xls/XlsReader.h"

#include <stdexcept>

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

template <typename Read>
void ReadZipPackage(std::string_view input, Read read)
{
    const std::string path = WorkbookFile(input);
    try {
        ZipArchive archive(path);
        ReadEveryCell(*read(archive, Regional::Russian()));
    } catch (const WorkbookFault&) {
    }
}

} // namespace

void FuzzTargets::XlsxWorkbook(std::string_view input)
{
    ReadZipPackage(input, [](ZipArchive& archive, const Regional& regional) {
        return ReadXlsxWorkbook(archive, regional, ReadBudget::ForFileSize(0));
    });
}

void FuzzTargets::OdsWorkbook(std::string_view input)
{
    ReadZipPackage(input, [](ZipArchive& archive, const Regional& regional) {
        return ReadOdsWorkbook(archive, regional, ReadBudget::ForFileSize(0));
    });
}

void FuzzTargets::XlsWorkbook(std::string_view input)
{
    const std::string path = WorkbookFile(input);
    try {
        ReadEveryCell(*ReadXlsWorkbook(path, Regional::Russian()));
    } catch (const WorkbookFault&) {
    }
}
