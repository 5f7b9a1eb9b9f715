#include "workbook/ReadWarnings.h"

void ReadWarnings::Add(ReadWarning kind, std::vector<std::string> details)
{
    if (counts_[Index(kind)]++ < kKeptPerKind) kept_.push_back({kind, std::move(details)});
}

std::vector<ReadWarnings::Warning> ReadWarnings::Kept(ReadWarning kind) const
{
    std::vector<Warning> kept;
    for (const Warning& warning : kept_)
        if (warning.kind == kind) kept.push_back(warning);
    return kept;
}
