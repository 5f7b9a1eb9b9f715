#pragma once

#include <string>

namespace ONIXFunctions {

// Text helpers. Texts are UTF-8; "characters" are code points.

// The decimal text of n with "0" put in front until it is `width` long.
std::string PadWithZeros(int n, int width);

// YYYYMMDD, or YYYYMMDDThhmm when the hour or the minute is not 0; seconds
// are ignored (truncated, never rounded into the minute).
std::string FormatONIXDate(double dateTime);

// True when the text has at least two characters and every character but the
// last is a digit 0-9. The last one is left to the check-digit comparison.
bool IsDigitString(const std::string& text);

// The EAN-13 (and ISBN-13) check digit of the first 12 digits, as one
// character.
std::string GetEAN13CheckDigit(const std::string& text);

// True when the 13th character is the check digit of the first 12; `expected`
// receives that digit either way.
bool IsEAN13CheckDigitValid(const std::string& text, std::string& expected);

// The text trimmed, then with every "-" deleted.
std::string RemoveHyphens(const std::string& text);

// Value checks: an empty result means acceptable, anything else is the
// message to report. Only the check-digit messages contain
// QRNConsts::sCheckDigitMarker, which makes them non-critical for the runs.
std::string CheckISBN(const std::string& cellText);
std::string CheckEAN13(const std::string& cellText);
std::string CheckPublicationYear(const std::string& text);

// The general number form (at most 15 significant digits) of the active
// regional profile, with every "," replaced by "." : the trade partner reads
// price-list numbers with a decimal point whatever the user's settings.
std::string FormatDecimalPoint(long double value);
// The same never in exponent notation (FormatFixedNumber), for amounts of
// money.
std::string FormatFixedPoint(long double value);

} // namespace ONIXFunctions
