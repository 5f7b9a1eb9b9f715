#include "convert/WorkbookRows.h"

RunResult RunOverWorkbookRows(const RunInputs& inputs, const RowRun& run)
{
    try {
        const std::unique_ptr<SheetRows> rows = StreamSheetRows(inputs.workbookPath, inputs.regional, inputs.sheet);
        return run(*rows);
    } catch (const SheetOutOfOrder&) {
    }
    const std::unique_ptr<Workbook> workbook = OpenWorkbook(inputs.workbookPath, inputs.regional, inputs.sheet);
    HeldSheetRows rows(*workbook);
    return run(rows);
}
