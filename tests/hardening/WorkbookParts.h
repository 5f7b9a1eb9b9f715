#pragma once

#include "PartBundle.h"

#include <cstdint>
#include <string>
#include <vector>

// Workbooks written part by part: the XML goes straight into the zip, so a
// test can make a sheet of a million rows in a moment and shows exactly what
// the reader gets. Write them with WriteBundleZip (uncompressed).

inline constexpr char kSpreadsheetMl[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// The parts of a one-sheet xlsx whose sheet part is `sheet` as given (a
// complete XML document), with a shared-string part when `sharedStrings`
// (the <si> items) is not empty.
std::vector<BundlePart> XlsxWithSheetPart(const std::string& sheet, const std::string& sharedStrings = "");

// The same with the sheet made of its <sheetData> content.
std::vector<BundlePart> XlsxWithSheetData(const std::string& sheetData, const std::string& sharedStrings = "");

// An inline-string cell, its text escaped for XML.
std::string InlineCell(const std::string& reference, const std::string& text);

// A one-table ods whose content.xml is `content` as given.
std::vector<BundlePart> OdsWithContent(const std::string& content);

// Writes a zip holding the parts uncompressed and, deflated, one more part
// that inflates to `inflatedBytes`: `head` followed by `filler` over and over.
// Only the compressed bytes are ever held in memory.
void WriteZipWithInflatingPart(const std::string& path, const std::vector<BundlePart>& parts, const std::string& name,
                               const std::string& head, const std::string& filler, std::uint64_t inflatedBytes);
