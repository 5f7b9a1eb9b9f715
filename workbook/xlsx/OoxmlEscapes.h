#pragma once

#include <string>
#include <string_view>

// Decodes the "_xHHHH_" escapes of OOXML texts: each stands for one UTF-16
// code unit ("_x000D_" a carriage return, "_x005F_" the underscore that keeps
// a literal "_x...._" intact). A surrogate pair of escapes gives its one
// character; a lone surrogate gives U+FFFD.
std::string DecodeOoxmlEscapes(std::string_view text);
