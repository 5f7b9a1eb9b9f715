#include "workbook/TextArena.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kLengthBytes = sizeof(std::uint32_t);

} // namespace

std::uint64_t TextArena::Add(std::string_view text)
{
    const std::size_t need = kLengthBytes + text.size();
    if (blocks_.empty() || blocks_.back().size - blocks_.back().used < need) {
        // A text longer than a block gets a block of its own.
        const std::size_t size = std::max(kBlockSize, need);
        blocks_.push_back({std::make_unique<char[]>(size), 0, size});
    }
    Block& block = blocks_.back();
    const std::uint64_t reference = (static_cast<std::uint64_t>(blocks_.size() - 1) << 32) | block.used;
    const auto length = static_cast<std::uint32_t>(text.size());
    std::memcpy(block.bytes.get() + block.used, &length, kLengthBytes);
    std::memcpy(block.bytes.get() + block.used + kLengthBytes, text.data(), text.size());
    block.used += need;
    return reference;
}

std::string_view TextArena::Get(std::uint64_t reference) const
{
    const Block& block = blocks_[reference >> 32];
    const char* start = block.bytes.get() + (reference & 0xFFFFFFFFu);
    std::uint32_t length = 0;
    std::memcpy(&length, start, kLengthBytes);
    return std::string_view(start + kLengthBytes, length);
}
