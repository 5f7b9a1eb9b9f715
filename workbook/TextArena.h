#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Cell texts stored back to back in large blocks, each reachable by one 64-bit
// reference. Blocks never move once filled, so the arena grows without the
// copying (and the twice-the-size peak) of one ever-growing buffer.
class TextArena {
public:
    std::uint64_t Add(std::string_view text);
    std::string_view Get(std::uint64_t reference) const;

    // The same by where the text lies: the start stays valid as long as the
    // arena, and reading it touches nothing a later Add changes.
    const char* AddStable(std::string_view text);
    static std::string_view TextAt(const char* start);

private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t used;
        std::size_t size;
    };
    std::vector<Block> blocks_;
};
