#include "writers/SoundTrackCode.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kCodes{{
    {"mono", "A410"},
    {"stereo", "A420"},
    {"stereo2.1", "A421"},
    {"surround4.1", "A441"},
    {"surround5.1", "A451"},
}};

} // namespace

std::string SoundTrackCode(const std::string& cellText)
{
    std::string compared;
    for (char c : cellText) {
        if (c == ' ') continue;
        compared += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    for (const auto& [spelling, code] : kCodes)
        if (compared == spelling) return std::string(code);
    return cellText;
}
