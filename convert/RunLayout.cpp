#include "convert/RunLayout.h"

#include "convert/RunWorkbook.h"
#include "convert/SupplierRows.h"
#include "scheme/ArticleFromName.h"
#include "scheme/SupplierHeader.h"

RunLayout RunLayout::Read(const RunWorkbook& workbook, const SheetChoice& sheet, int headerRow, SheetLayout kind)
{
    RunLayout layout(headerRow);
    layout.kind_ = kind;
    if (kind == SheetLayout::Strict) {
        layout.names_ = workbook.ColumnNames(sheet, headerRow);
        layout.names_.push_back(kFromNameColumn);
        return layout;
    }
    const SheetTop top = workbook.Top(sheet, headerRow, headerRow + kSupplierRowsLookedAt);
    SupplierHeader header = SupplierColumns(top.rows, headerRow, top.merged, top.hiddenColumns);
    layout.names_ = std::move(header.columnNames);
    layout.hidden_ = std::move(header.hidden);
    for (const char* reserved : {kGroupColumn, kFromNameColumn}) {
        layout.names_.push_back(reserved);
        layout.hidden_.push_back(false);
    }
    layout.firstDataRow_ = header.firstDataRow;
    for (const CellRange& range : top.mergedDown)
        if (range.firstRow >= layout.firstDataRow_) layout.mergedDown_.push_back(range);
    return layout;
}

std::vector<std::string> RunLayout::SheetColumnNames() const
{
    std::vector<std::string> names = names_;
    while (!names.empty() && IsReservedColumn(names.back())) names.pop_back();
    return names;
}

std::unique_ptr<SupplierRowSorter> RunLayout::RowFilter(const RunInputs& inputs, const FieldColumns& fields) const
{
    if (kind_ != SheetLayout::Supplier) return nullptr;
    return std::make_unique<SupplierRowSorter>(inputs, fields);
}
