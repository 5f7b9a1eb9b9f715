#pragma once

#include "base/Regional.h"
#include "workbook/NumberFormats.h"

#include <cstdint>
#include <string>

class SharedStringTable;

// A cell that is not a text of its own: what it needs to become text.
struct CellValue {
    enum class Kind : std::uint8_t { Shared, Number, DateTime };

    Kind kind;
    NumberStyle style;
    double number;       // Number, DateTime
    std::uint32_t index; // Shared
};

// The text a spreadsheet application shows for a cell value under the user's
// regional formats and the workbook's date system.
class CellFormatter {
public:
    CellFormatter(const Regional& regional, bool date1904) : regional_(regional), date1904_(date1904) {}

    void SetDate1904(bool date1904) { date1904_ = date1904; }

    // A shared string the table lacks gives "".
    std::string Text(const CellValue& value, const SharedStringTable& sharedStrings) const;

private:
    Regional regional_;
    bool date1904_;
};
