#include "workbook/ReadBudget.h"

#include "workbook/WorkbookFault.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::size_t kCellCeiling = 40'000'000;
constexpr std::size_t kTextCeiling = std::size_t{2} << 30;

std::size_t Clamp(std::uintmax_t value, std::size_t floor, std::size_t ceiling)
{
    return static_cast<std::size_t>(std::clamp<std::uintmax_t>(value, floor, ceiling));
}

} // namespace

ReadBudget ReadBudget::ForFileSize(std::uintmax_t bytes)
{
    // Saturating: a size near the top of the range stays at the ceilings.
    const std::uintmax_t capped = std::min<std::uintmax_t>(bytes, std::uintmax_t{1} << 40);
    return {Clamp(4'000'000 + 2 * capped, 0, kCellCeiling), Clamp(64 * capped, std::size_t{64} << 20, kTextCeiling),
            Clamp(1'000'000 + capped / 2, 0, kCellCeiling)};
}

void ThrowOverBudget(ReadReason reason, std::size_t limit)
{
    throw WorkbookFault(WorkbookFault::Kind::TooLarge, reason, {std::to_string(limit)});
}

void RequireCellTextRoom(std::size_t current, std::size_t more)
{
    if (more > kMaxCellTextBytes - std::min(current, kMaxCellTextBytes))
        ThrowOverBudget(ReadReason::CellTextTooLong, kMaxCellTextBytes >> 20);
}

ReadBudget ReadBudget::Ceiling()
{
    return {kCellCeiling, kTextCeiling, kCellCeiling};
}
