#pragma once

#include <string>
#include <vector>

class ZipArchive;

// A sheet as the workbook part lists it.
struct XlsxSheetRef {
    std::string name;
    std::string relationshipId;
    bool hidden = false;
};

// What the workbook part says about reading its sheets.
struct XlsxWorkbookInfo {
    bool date1904 = false;
    // In workbook order, hidden or not.
    std::vector<XlsxSheetRef> sheets;
};

// Reads the workbook part; WorkbookFault when it is no SpreadsheetML workbook
// or lists no sheet.
XlsxWorkbookInfo ReadXlsxWorkbookPart(ZipArchive& archive, const std::string& part);
