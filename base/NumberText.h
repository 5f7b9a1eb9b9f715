#pragma once

#include <string>
#include <string_view>

// The general decimal form of a number: rounded half away from zero to at most
// 15 significant digits, then fixed notation when the rounded magnitude is at
// least 0.00001 and below 10^15 (trailing zeros and a bare separator dropped),
// otherwise exponent notation ("1E15", "1,5E-6", "-2,5E20": no plus sign, no
// leading zeros in the exponent). No thousands separators.
std::string FormatGeneralNumber(long double value, std::string_view decimalSeparator);

// The same through the exact decimal expansion only: slow, the reference the
// fast route is checked against.
std::string FormatGeneralNumberExactly(long double value, std::string_view decimalSeparator);

// A number from a cell text: optional sign, digits with an optional separator
// and fraction ("5," and ",5" are numbers), optional exponent E±n. Anything
// else (blanks, thousands separators, another separator) reads as 0.
long double ParseCellNumber(std::string_view text, std::string_view decimalSeparator);
