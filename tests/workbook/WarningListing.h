#pragma once

#include "workbook/ReadWarnings.h"

#include <string>

// The kept warnings of a reading as "! kind detail..." lines, kind by its
// number; "" when there are none, so listings of sound files stay as they are.
inline std::string WarningListing(const ReadWarnings& warnings)
{
    std::string out;
    for (std::size_t k = 0; k < kReadWarningKinds; ++k)
        for (const ReadWarnings::Warning& warning : warnings.Kept(static_cast<ReadWarning>(k))) {
            out += "! " + std::to_string(k);
            for (const std::string& detail : warning.details) out += " " + detail;
            out += "\n";
        }
    return out;
}
