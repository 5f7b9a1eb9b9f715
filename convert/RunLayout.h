#pragma once

#include "workbook/CellReference.h"
#include "workbook/SheetChoice.h"

#include <memory>
#include <string>
#include <vector>

class FieldColumns;
class RunWorkbook;
class SupplierRowSorter;
struct RunInputs;

// How a sheet's rows are read. Strict: the column names up to the first
// empty header cell, the data rows up to the first row whose column-1 cell is
// empty. Supplier: every column (SupplierHeader), every row under the header
// to the last, passing over what is no product (SupplierRowSorter).
enum class SheetLayout { Strict, Supplier };

// The layout of a run's sheet: where its header is, the columns it names,
// where the data rows start and which of them are products. The one place
// that knows what either layout means; the front ends read the header through
// it and the run filters its rows through it.
class RunLayout {
public:
    // The strict layout with the column names in `headerRow` (row 1 unless
    // given), before a header was read: a run given its column names by its
    // caller.
    RunLayout() = default;
    explicit RunLayout(int headerRow) : headerRow_(headerRow) {}

    // Reads the sheet's header in the layout: the strict layout's column
    // names, or the supplier's (SupplierColumns) with the reserved group
    // column after them.
    static RunLayout Read(const RunWorkbook& workbook, const SheetChoice& sheet, int headerRow, SheetLayout kind);

    SheetLayout Kind() const { return kind_; }
    int HeaderRow() const { return headerRow_; }
    // Under the header, or under its second row when it has one.
    int FirstDataRow() const { return firstDataRow_ > 0 ? firstDataRow_ : headerRow_ + 1; }

    // The columns a run maps, item i for column i + 1, and which of them the
    // sheet hides (as many; supplier layout only). The reserved columns come
    // last: the group heading's (supplier layout), the article from the name.
    const std::vector<std::string>& ColumnNames() const { return names_; }
    const std::vector<bool>& Hidden() const { return hidden_; }
    // The ranges merged down over several data rows (supplier layout only).
    const std::vector<CellRange>& MergedDown() const { return mergedDown_; }

    // The same without the reserved columns: what the sheet itself names.
    std::vector<std::string> SheetColumnNames() const;

    // The filter of the data rows: none in the strict layout, where every row
    // under the header up to the first with an empty column-1 cell is one.
    std::unique_ptr<SupplierRowSorter> RowFilter(const RunInputs& inputs, const FieldColumns& fields) const;

private:
    SheetLayout kind_ = SheetLayout::Strict;
    int headerRow_ = 1;
    int firstDataRow_ = 0;
    std::vector<std::string> names_;
    std::vector<bool> hidden_;
    std::vector<CellRange> mergedDown_;
};
