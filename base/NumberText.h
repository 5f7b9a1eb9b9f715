#pragma once

#include <optional>
#include <string>
#include <string_view>

// The general decimal form of a number: rounded half away from zero to at most
// 15 significant digits, then fixed notation when the rounded magnitude is at
// least 0.00001 and below 10^15 (trailing zeros and a bare separator dropped),
// otherwise exponent notation ("1E15", "1,5E-6", "-2,5E20": no plus sign, no
// leading zeros in the exponent). No thousands separators.
std::string FormatGeneralNumber(long double value, std::string_view decimalSeparator);

// The general form without an exponent: as FormatGeneralNumber where that
// is fixed, otherwise the digits written out ("1000000000000000",
// "0,000001"), at most 15 after the separator. For amounts of money.
std::string FormatFixedNumber(long double value, std::string_view decimalSeparator);

// The same through the exact decimal expansion only: slow, the reference the
// fast route is checked against.
std::string FormatGeneralNumberExactly(long double value, std::string_view decimalSeparator);

// A number in a cell text, as the runs read numbers: blanks around it (space,
// tab, no-break space U+00A0, narrow no-break space U+202F) are ignored; then
// an optional sign, digits with an optional decimal separator and fraction
// ("5," and ",5" are numbers), an optional exponent E±n. The decimal
// separator is the regional one, and "." or "," as well unless that character
// is the thousands separator. Gives the number in the plain form
// "[-]digits[.digits][e[-]digits]"; "" for a text of blanks only (an empty
// cell); nothing for any other text (letters, two separators, thousands
// separators inside).
std::optional<std::string> PlainCellNumber(std::string_view text, std::string_view decimalSeparator,
                                           std::string_view thousandsSeparator);

// What may stand after a number in a supplier's cell besides a currency.
enum class NumberUnit {
    None,
    Percent, // a rate or a discount: "10%"
    Pieces,  // a count: "5 шт", "5 шт.", "5 pcs", "300 экз."
};

// The text without a currency before or after the number ("1 234,50 руб.",
// "$12", "7,02 UAH", "₽100", "100р.", in any case) and without the unit after
// it; the text as it stands when it carries neither. `currency` receives the
// currency as the text spells it ("" for none).
std::string_view WithoutUnits(std::string_view text, NumberUnit unit, std::string_view* currency = nullptr);

// The currency a spelling WithoutUnits took means: "RUB" for "руб.", "р",
// "₽" or "rub" alike, "USD" for "$", and so on; "" for none.
std::string_view CurrencyCode(std::string_view written);

// Its value: 0 for a blank text, nothing when the text is not a number or
// the number is out of range.
std::optional<long double> ReadCellNumber(std::string_view text, std::string_view decimalSeparator,
                                          std::string_view thousandsSeparator);

// The same with 0 for a text that is not a number.
long double ParseCellNumber(std::string_view text, std::string_view decimalSeparator,
                            std::string_view thousandsSeparator);
