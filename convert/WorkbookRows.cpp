#include "convert/WorkbookRows.h"

#include "convert/RunWorkbook.h"

void ReadWorkbookRows(const std::string& path, const Regional& regional, const SheetChoice& sheet,
                      const StopRequest& stop, const std::function<void(SheetRows& rows)>& read)
{
    RunWorkbook(path, regional).ReadRows(sheet, stop, read);
}

void ReadRunRows(const RunInputs& inputs, const std::function<void(SheetRows& rows)>& read)
{
    if (inputs.workbook) return inputs.workbook->ReadRows(inputs.sheet, inputs.stop, read);
    ReadWorkbookRows(inputs.workbookPath, inputs.regional, inputs.sheet, inputs.stop, read);
}

RunResult RunOverWorkbookRows(const RunInputs& inputs, const RowRun& run)
{
    RunResult result;
    ReadRunRows(inputs, [&](SheetRows& rows) {
        result = run(rows);
        result.readWarnings = rows.Warnings();
    });
    return result;
}
