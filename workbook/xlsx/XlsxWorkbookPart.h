#pragma once

#include <string>

class ZipArchive;

// What the workbook part says about reading the first sheet.
struct XlsxWorkbookInfo {
    bool date1904 = false;
    // The relationship id of the first sheet in workbook order, hidden or not.
    std::string firstSheetId;
};

// Reads the workbook part; WorkbookFault when it is no SpreadsheetML workbook
// or lists no sheet.
XlsxWorkbookInfo ReadXlsxWorkbookPart(ZipArchive& archive, const std::string& part);
