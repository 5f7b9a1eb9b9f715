#include "convert/RepeatedCodes.h"

#include "base/MessageFormat.h"
#include "convert/RunLogTexts.h"
#include "writers/CodeOfCell.h"
#include "writers/ONIXErrorChannel.h"

std::string RepeatedCodes::CodeOf(const std::string& cell, const std::string& fieldID, int row)
{
    using namespace ONIXFunctions;
    if (fieldID != "ISBN" && fieldID != "EAN13") return cell;
    const CellCode code = fieldID == "ISBN" ? ISBNOfCell(cell) : EAN13OfCell(cell);
    if (!code.error.empty()) ReportONIXError(code.error);
    if (code.repeated && cells_++ == 0) firstRow_ = row;
    return code.code;
}

std::vector<std::string> RepeatedCodes::SummaryLines() const
{
    if (cells_ == 0) return {};
    return {FormatMessage(QRNConsts::sRepeatedCodes, {std::to_string(cells_), std::to_string(firstRow_)})};
}
