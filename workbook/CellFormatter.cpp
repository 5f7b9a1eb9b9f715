#include "workbook/CellFormatter.h"

#include "workbook/SharedStringTable.h"

std::string CellFormatter::Text(const CellValue& value, const SharedStringTable& sharedStrings) const
{
    switch (value.kind) {
    case CellValue::Kind::Shared:
        return value.index < sharedStrings.Size() ? std::string(sharedStrings.Get(value.index)) : std::string();
    case CellValue::Kind::Number: return NumberCellText(value.number, value.style, date1904_, regional_);
    case CellValue::Kind::DateTime: return DateTimeCellText(value.number, regional_);
    }
    return {};
}
