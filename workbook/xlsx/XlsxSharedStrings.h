#pragma once

#include "workbook/CellSink.h"
#include "workbook/XmlPartParser.h"
#include "workbook/ZipArchive.h"

#include <cstdint>
#include <memory>
#include <string>

// Reads the shared-string table, in order, into the sheet's own table: the
// whole table, or its first `wanted` strings.
void ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part, CellSink& cells,
                           std::size_t wanted = SIZE_MAX);

// Reads the shared-string table into the sheet's table only as far as the
// cells read so far refer to, on the thread that reads the sheet: the sheet's
// first rows need not wait for the whole table, and no other thread is
// involved. The part is read from an opening of the workbook of its own, so
// the sheet's part may be inflated on another thread meanwhile.
class XlsxSharedStringReader {
public:
    XlsxSharedStringReader(const WorkbookFile& workbook, const std::string& part, CellSink& cells);
    ~XlsxSharedStringReader();
    XlsxSharedStringReader(const XlsxSharedStringReader&) = delete;
    XlsxSharedStringReader& operator=(const XlsxSharedStringReader&) = delete;

    // Reads on until the table holds `count` strings or the part ends (the
    // whole part with SIZE_MAX, finding any damage in it).
    void ReadUpTo(std::size_t count);

private:
    CellSink& cells_;
    ZipArchive archive_;
    ZipPartStream stream_;
    std::unique_ptr<XmlHandler> handler_;
    XmlPushParser parser_;
    bool ended_ = false;
};
