#pragma once

#include "workbook/TextArena.h"

#include <cstddef>
#include <deque>
#include <string_view>

// The shared strings of a workbook, read whole before the cells that refer to
// them. The texts lie back to back in an arena and the table keeps where each
// starts: a table of millions of strings would otherwise cost a heap block
// per string, and a deque grows without copying what it holds.
class SharedStringTable {
public:
    void Add(std::string_view text) { starts_.push_back(texts_.AddStable(text)); }
    std::size_t Size() const { return starts_.size(); }
    std::string_view Get(std::size_t index) const { return TextArena::TextAt(starts_[index]); }
    void Clear();

private:
    TextArena texts_;
    std::deque<const char*> starts_;
};
