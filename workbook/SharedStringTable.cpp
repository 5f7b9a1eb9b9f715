#include "workbook/SharedStringTable.h"

#include <stdexcept>

void SharedStringTable::Add(std::string_view text)
{
    const std::size_t index = size_.load();
    if (index >= kMaxStrings) throw std::length_error("shared-string table full");
    std::unique_ptr<const char*[]>& segment = segments_[index / kSegmentSize];
    if (!segment) segment = std::make_unique<const char*[]>(kSegmentSize);
    segment[index % kSegmentSize] = texts_.AddStable(text);
    // Published only now: a reader that sees the new size sees the string.
    size_.store(index + 1);
}

std::string_view SharedStringTable::Get(std::size_t index) const
{
    return TextArena::TextAt(segments_[index / kSegmentSize][index % kSegmentSize]);
}

void SharedStringTable::Clear()
{
    texts_ = TextArena();
    for (auto& segment : segments_) segment.reset();
    size_.store(0);
}
