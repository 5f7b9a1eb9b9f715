#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Fills the placeholders "%s" and "%d" of a resource text, in order, with the
// given texts (numbers are passed already formatted, e.g. std::to_string).
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// The form of a Russian noun that goes with a count, the three forms given as
// "строка|строки|строк": 1, 21 строка; 2-4, 22 строки; 0, 5-20, 25 строк.
std::string CountedNoun(long long count, std::string_view forms);
