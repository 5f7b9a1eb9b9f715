#include "workbook/SheetChoice.h"

#include "base/Utf8Text.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>
#include <charconv>

namespace {

// A position as a choice gives it ("2" or "#2"); 0 for none.
std::size_t PositionIn(std::string_view choice)
{
    if (!choice.empty() && choice.front() == '#') choice.remove_prefix(1);
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(choice.data(), choice.data() + choice.size(), number);
    return error == std::errc() && end == choice.data() + choice.size() ? number : 0;
}

// Blanks and no-break spaces, in runs of any length, as one blank.
std::string WithBlanksAsOne(const std::string& text)
{
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        const bool blank = text[i] == ' ' || text.compare(i, kNoBreakSpace.size(), kNoBreakSpace) == 0;
        if (!blank) {
            result += text[i++];
            continue;
        }
        if (result.empty() || result.back() != ' ') result += ' ';
        i += text[i] == ' ' ? 1 : kNoBreakSpace.size();
    }
    return result;
}

} // namespace

SheetChoice ResolveTypedSheet(const std::vector<SheetEntry>& offered, const std::string& typed)
{
    if (typed.empty() || (typed.front() == '#' && PositionIn(typed) > 0)) return typed;
    const auto byPosition = [](std::size_t i) { return "#" + std::to_string(i + 1); };
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (offered[i].name == typed) return byPosition(i);
    const std::string loose = WithBlanksAsOne(typed);
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (SameTextIgnoreCase(WithBlanksAsOne(offered[i].name), loose)) return byPosition(i);
    return typed;
}

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
    const std::size_t number = PositionIn(choice);
    return number > 0 ? position == number : name == choice;
}
