#include "workbook/TextArena.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kLengthBytes = sizeof(std::uint32_t);

} // namespace

std::uint64_t TextArena::Add(std::string_view text)
{
    const char* start = AddStable(text);
    const Block& block = blocks_.back();
    return (static_cast<std::uint64_t>(blocks_.size() - 1) << 32)
           | static_cast<std::uint64_t>(start - block.bytes.get());
}

const char* TextArena::AddStable(std::string_view text)
{
    const std::size_t need = kLengthBytes + text.size();
    if (blocks_.empty() || blocks_.back().size - blocks_.back().used < need) {
        // A text longer than a block gets a block of its own.
        const std::size_t size = std::max(kBlockSize, need);
        blocks_.push_back({std::make_unique<char[]>(size), 0, size});
    }
    Block& block = blocks_.back();
    char* start = block.bytes.get() + block.used;
    const auto length = static_cast<std::uint32_t>(text.size());
    std::memcpy(start, &length, kLengthBytes);
    std::memcpy(start + kLengthBytes, text.data(), text.size());
    block.used += need;
    return start;
}

std::string_view TextArena::Get(std::uint64_t reference) const
{
    return TextAt(blocks_[reference >> 32].bytes.get() + (reference & 0xFFFFFFFFu));
}

std::string_view TextArena::TextAt(const char* start)
{
    std::uint32_t length = 0;
    std::memcpy(&length, start, kLengthBytes);
    return std::string_view(start + kLengthBytes, length);
}
