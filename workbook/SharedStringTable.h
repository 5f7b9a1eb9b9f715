#pragma once

#include "workbook/TextArena.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <memory>
#include <string_view>

// The shared strings of a workbook: one writer appends them while readers on
// other threads look up those already there without taking a lock. Nothing
// a reader may touch ever moves: the texts lie in arena blocks that are never
// moved, their starts in fixed segments of a directory sized once for the
// most strings any workbook may hold.
class SharedStringTable {
public:
    static constexpr std::size_t kMaxStrings = 40'000'000;

    // Writer only. A string past kMaxStrings is a caller's fault: the read
    // budget stops a workbook well before.
    void Add(std::string_view text);
    // Readers: the strings [0, Size()) are complete and stay so.
    std::size_t Size() const { return size_.load(); }
    std::string_view Get(std::size_t index) const;
    // Only while no reader runs.
    void Clear();

private:
    static constexpr std::size_t kSegmentSize = std::size_t{1} << 16;
    static constexpr std::size_t kSegments = (kMaxStrings + kSegmentSize - 1) / kSegmentSize;

    TextArena texts_;
    std::array<std::unique_ptr<const char*[]>, kSegments> segments_;
    std::atomic<std::size_t> size_ = 0;
};
