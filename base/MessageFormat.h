#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills the placeholders "%s" and "%d" of a resource text, in order, with the
// given texts (numbers are passed already formatted, e.g. std::to_string).
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);
