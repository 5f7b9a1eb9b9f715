#include "workbook/SheetChoice.h"

#include "workbook/WorkbookFault.h"

#include <algorithm>
#include <charconv>

std::vector<SheetEntry> OfferedSheets(const std::vector<SheetCandidate>& sheets)
{
    std::vector<SheetEntry> offered;
    for (const SheetCandidate& sheet : sheets)
        if (sheet.cells) offered.push_back({sheet.name, sheet.hidden});
    return offered;
}

std::size_t ChooseSheet(const std::vector<SheetCandidate>& sheets, const SheetChoice& choice)
{
    if (choice.empty()) {
        if (sheets.empty()) ThrowBroken(ReadReason::NoSheets);
        return 0;
    }
    std::size_t offered = 0;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (!sheets[i].cells) continue;
        if (IsChosenSheet(choice, ++offered, sheets[i].name)) return i;
    }
    std::vector<std::string> details{choice};
    for (const SheetEntry& sheet : OfferedSheets(sheets)) details.push_back(sheet.name);
    throw WorkbookFault(WorkbookFault::Kind::NoSuchSheet, ReadReason::NoSuchSheet, std::move(details));
}

bool IsChosenSheet(const SheetChoice& choice, std::size_t position, const std::string& name)
{
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(choice.data(), choice.data() + choice.size(), number);
    const bool isNumber = error == std::errc() && end == choice.data() + choice.size();
    return isNumber ? position == number : name == choice;
}
