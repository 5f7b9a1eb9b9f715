#pragma once

#include "workbook/Workbook.h"

#include <string>
#include <vector>

// Small hand-made workbooks for the reader tests: the parts are written as
// XML text and packed with libzip, so each test shows exactly what it reads.

struct PackageEntry {
    std::string name;
    std::string content;
    bool underPassword = false;
};

// Writes the entries as a zip, deflated unless `stored`.
void WriteZip(const std::string& path, const std::vector<PackageEntry>& entries, bool stored = false);

inline constexpr char kMainNamespace[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// The parts of a one-sheet xlsx. The sheet is <worksheet> holding
// <sheetData>sheetData</sheetData>; sharedStrings are the <si> items and
// styles the inside of <styleSheet>, each part left out when empty.
struct XlsxParts {
    std::string sheetData = {};
    std::string sharedStrings = {};
    std::string styles = {};
    std::string workbookProperties = {}; // attributes of <workbookPr>
};
std::vector<PackageEntry> XlsxPackage(const XlsxParts& parts);

// The entries with the named one's content replaced, or without it.
std::vector<PackageEntry> Replaced(std::vector<PackageEntry> entries, const std::string& name,
                                   const std::string& content);
std::vector<PackageEntry> Without(std::vector<PackageEntry> entries, const std::string& name);

// An ods whose content.xml holds one spreadsheet with these tables (the
// <table:table> elements, namespaces office, table, text and calcext bound).
std::vector<PackageEntry> OdsPackage(const std::string& tables);

// Every non-empty cell of the first sheet, as the corpus lists them; read
// from a file, followed by the reading's warnings (WarningListing).
std::string Dump(const Workbook& workbook);
std::string ReadDump(const std::string& path);

// How opening failed: "broken", "encrypted", "unsupported", "too large",
// "read" when it did not, or the message of any other error.
std::string Refusal(const std::string& path);
