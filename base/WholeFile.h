#pragma once

#include <optional>
#include <string>

// The bytes of a whole file; nullopt when it cannot be read, with errno
// telling why.
std::optional<std::string> TryReadWholeFile(const std::string& path);

// The same; a file that cannot be read raises QuarnelError naming it.
std::string ReadWholeFile(const std::string& path);
