#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A stream of an OLE2 file as its directory entry states it, found by
// looking at every place a directory entry may stand, without following the
// sector chains. For naming why the container library left a stream out:
// an entry that claims more bytes than the whole file holds.
struct OleStreamClaim {
    std::string name;
    std::uint64_t size = 0;
};

// The first stream entry named like one of `names` (letter case aside).
std::optional<OleStreamClaim> FindStreamClaim(std::string_view file, std::initializer_list<std::string_view> names);
