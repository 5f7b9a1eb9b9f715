#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// What a reader found odd in a file and read anyway, by the words the user is
// told (ReadWarningLines says them in Russian).
enum class ReadWarning {
    InvalidUtf8,     // detail: the line holding bytes that are no UTF-8
    ByteOrderMark,   // details: the encoding the mark names, the one the bytes are in
    OneFieldRow,     // details: the line, the other delimiter it holds
    TextCutShort,    // detail: the cell
    SharedStringCut, // detail: the shared string's number, from 0
    CellGivenTwice,  // detail: the cell
    RowGivenTwice,   // detail: the row
};
inline constexpr std::size_t kReadWarningKinds = 7;

// The warnings of one reading: the first few of each kind with their details,
// and how many there were in all, so that a file with a million odd lines
// costs no more than one with ten.
class ReadWarnings {
public:
    static constexpr std::size_t kKeptPerKind = 10;

    struct Warning {
        ReadWarning kind;
        std::vector<std::string> details;
    };

    void Add(ReadWarning kind, std::vector<std::string> details);

    // The kept warnings of the kind, in the order they were found.
    std::vector<Warning> Kept(ReadWarning kind) const;
    std::size_t Count(ReadWarning kind) const { return counts_[Index(kind)]; }
    bool Empty() const { return kept_.empty(); }

private:
    static std::size_t Index(ReadWarning kind) { return static_cast<std::size_t>(kind); }

    std::vector<Warning> kept_;
    std::array<std::size_t, kReadWarningKinds> counts_{};
};
