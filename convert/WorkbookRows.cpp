#include "convert/WorkbookRows.h"

#include "workbook/open/OpenWorkbook.h"

void ReadWorkbookRows(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                      const StopRequest& stop, const std::function<void(SheetRows& rows)>& read)
{
    try {
        const std::unique_ptr<SheetRows> rows = StreamSheetRows(path, regional, sheet, stop);
        read(*rows);
        return;
    } catch (const SheetOutOfOrder&) {
    }
    const std::unique_ptr<Workbook> workbook = OpenWorkbook(path, regional, sheet, stop);
    HeldSheetRows rows(*workbook, stop);
    read(rows);
}

RunResult RunOverWorkbookRows(const RunInputs& inputs, const RowRun& run)
{
    RunResult result;
    ReadWorkbookRows(inputs.workbookPath, inputs.regional, inputs.sheet, inputs.stop, [&](SheetRows& rows) {
        result = run(rows);
        result.readWarnings = rows.Warnings();
    });
    return result;
}
