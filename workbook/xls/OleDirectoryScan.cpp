#include "workbook/xls/OleDirectoryScan.h"

#include "base/Utf8Text.h"

namespace {

constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kNameLengthAt = 64; // bytes of the UTF-16 name, with its terminating zero
constexpr std::size_t kTypeAt = 66;
constexpr std::size_t kSizeAt = 120;
constexpr unsigned char kStreamType = 2;
constexpr std::size_t kMaxNameUnits = 31;

std::uint64_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The entry's name when it is a stream entry with an ASCII name.
std::optional<std::string> StreamName(std::string_view entry)
{
    if (static_cast<unsigned char>(entry[kTypeAt]) != kStreamType) return std::nullopt;
    const std::uint64_t length = LittleEndian(entry, kNameLengthAt, 2);
    if (length < 4 || length % 2 != 0 || length / 2 - 1 > kMaxNameUnits) return std::nullopt;
    std::string name;
    for (std::size_t unit = 0; unit + 1 < length / 2; ++unit) {
        const std::uint64_t code = LittleEndian(entry, unit * 2, 2);
        if (code < 0x20 || code > 0x7E) return std::nullopt;
        name += static_cast<char>(code);
    }
    return name;
}

} // namespace

std::optional<OleStreamClaim> FindStreamClaim(std::string_view file, std::initializer_list<std::string_view> names)
{
    // The version in the header decides the width of the size: 4 bytes in
    // version 3 (512-byte sectors), 8 in version 4.
    const bool version4 = file.size() > 0x1C && LittleEndian(file, 0x1A, 2) == 4;
    // Entries stand on 128-byte boundaries of the file in either version.
    for (std::size_t at = 512; at + kEntrySize <= file.size(); at += kEntrySize) {
        const std::string_view entry = file.substr(at, kEntrySize);
        const std::optional<std::string> name = StreamName(entry);
        if (!name) continue;
        for (const std::string_view wanted : names)
            if (SameTextIgnoreCase(*name, wanted))
                return OleStreamClaim{*name, LittleEndian(entry, kSizeAt, version4 ? 8 : 4)};
    }
    return std::nullopt;
}
