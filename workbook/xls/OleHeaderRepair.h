#pragma once

#include <optional>
#include <string>

// Some writers store in the OLE2 header the count of the mini stream's sectors
// where the count of mini FAT sectors belongs. libgsf then refuses the whole
// file although every sector chain in it is sound; Excel opens it. Returns the
// file's bytes with the count taken from the mini FAT's own chain, or nullopt
// when the count is right or the chain itself is damaged.
std::optional<std::string> RepairMiniFatCount(std::string file);
