#include "base/NumberText.h"

#include "base/Utf8Text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace {

constexpr std::size_t kSignificantDigits = 15;

} // namespace

namespace {

// The significant digits of |value| rounded half away from zero to at most 15,
// without trailing zeros, and the decimal exponent of the first digit.
struct Significand {
    std::string digits;
    int exponent = 0;
};

// The shortest text that reads back as the value (std::to_chars, fast), in
// the value's own precision: a double read from a workbook as a double, a
// number parsed from a text as a long double. When it has at most 15 digits,
// those are the rounded digits: the value lies within half a unit of the last
// place of its own precision, far closer than any rounding boundary of the
// 15th digit.
template <typename Float>
bool ShortestSignificand(Float magnitude, Significand& out)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    if (result.ec != std::errc()) return false;
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = text.find('e');
    if (e == std::string_view::npos) return false;
    for (const char c : text.substr(0, e))
        if (c >= '0' && c <= '9') out.digits += c;
    if (out.digits.size() > kSignificantDigits) return false;
    int exponent = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.data() + text.size(), exponent);
    out.exponent = exponent;
    return true;
}

// Whether the significand, read as a long double, gives exactly `magnitude`.
// Its digits times a power of ten up to 10^27 are two exact long doubles,
// and one multiplication or division of them rounds correctly, as reading
// the text would.
bool ReadsBackAs(const Significand& significand, long double magnitude)
{
    constexpr int kMaxExactPower = 27;
    std::uint64_t digits = 0;
    for (const char c : significand.digits) digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    const int scale = significand.exponent - static_cast<int>(significand.digits.size()) + 1;
    if (scale < -kMaxExactPower || scale > kMaxExactPower) return false;
    long double power = 1;
    for (int i = 0; i < std::abs(scale); ++i) power *= 10;
    const auto value = static_cast<long double>(digits);
    return (scale < 0 ? value / power : value * power) == magnitude;
}

bool FastSignificand(long double magnitude, Significand& out)
{
    const double asDouble = static_cast<double>(magnitude);
    // Subnormal doubles carry fewer digits than the argument above needs.
    if (asDouble == magnitude) return std::isnormal(asDouble) && ShortestSignificand(asDouble, out);
    // A number read from a text of at most 15 digits: the nearest double
    // prints as those digits, and they read back as the value. The value then
    // lies far closer to them than to any rounding boundary of the 15th digit.
    // Printing a long double the shortest way is several times slower.
    if (std::isnormal(asDouble) && ShortestSignificand(asDouble, out) && ReadsBackAs(out, magnitude)) return true;
    out = {};
    return ShortestSignificand(magnitude, out);
}

// The exact route for values that need more than 15 digits: glibc prints the
// exact binary value to any precision, so rounding half away from zero at the
// 15th digit only needs to look at the 16th.
Significand ExactSignificand(long double magnitude)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.40Le", magnitude);
    Significand out;
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    out.exponent = std::atoi(p + 1);
    out.digits = digits.substr(0, kSignificantDigits);
    if (digits[kSignificantDigits] >= '5') {
        int i = kSignificantDigits - 1;
        while (i >= 0 && out.digits[i] == '9') out.digits[i--] = '0';
        if (i >= 0) {
            ++out.digits[i];
        } else {
            out.digits.insert(out.digits.begin(), '1');
            out.digits.pop_back();
            ++out.exponent;
        }
    }
    return out;
}

} // namespace

namespace {

std::string Layout(bool negative, Significand significand, std::string_view decimalSeparator)
{
    std::string& mantissa = significand.digits;
    const int exponent = significand.exponent;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < static_cast<int>(kSignificantDigits)) {
        if (exponent < 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += mantissa;
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (mantissa.size() <= whole) {
                out += mantissa;
                out.append(whole - mantissa.size(), '0');
            } else {
                out += mantissa.substr(0, whole);
                out += decimalSeparator;
                out += mantissa.substr(whole);
            }
        }
    } else {
        out += mantissa[0];
        if (mantissa.size() > 1) {
            out += decimalSeparator;
            out += mantissa.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

const char* SpecialText(long double value)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    return nullptr;
}

} // namespace

std::string FormatGeneralNumber(long double value, std::string_view decimalSeparator)
{
    if (const char* special = SpecialText(value)) return special;
    Significand significand;
    if (!FastSignificand(std::fabs(value), significand)) significand = ExactSignificand(std::fabs(value));
    return Layout(value < 0, std::move(significand), decimalSeparator);
}

std::string FormatFixedNumber(long double value, std::string_view decimalSeparator)
{
    std::string general = FormatGeneralNumber(value, decimalSeparator);
    if (general.find('E') == std::string::npos) return general;
    if (!std::isfinite(value)) return general;
    char buffer[6000];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, std::fabs(value) < 1 ? 15 : 0);
    std::string fixed(buffer, result.ptr);
    if (const auto point = fixed.find('.'); point != std::string::npos) {
        fixed.erase(fixed.find_last_not_of('0') + 1);
        if (fixed.back() == '.') fixed.pop_back();
        else fixed.replace(point, 1, decimalSeparator);
    }
    return fixed == "-0" ? "0" : fixed;
}

std::string FormatGeneralNumberExactly(long double value, std::string_view decimalSeparator)
{
    if (const char* special = SpecialText(value)) return special;
    return Layout(value < 0, ExactSignificand(std::fabs(value)), decimalSeparator);
}

namespace {

// The blanks a typed or exported number may carry around it.
constexpr std::string_view kBlanks[] = {" ", "\t", "\u00A0", "\u202F"};

std::string_view WithoutBlanks(std::string_view text)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The length of a thousands separator at the start of `text` that is
// followed by a group of exactly three digits, 0 when none: a blank, a
// no-break or narrow no-break space, an apostrophe or the profile's own.
std::size_t GroupSeparatorAt(std::string_view text, std::string_view thousandsSeparator)
{
    for (std::string_view separator : {std::string_view(" "), std::string_view("\u00A0"), std::string_view("\u202F"),
                                       std::string_view("'"), thousandsSeparator}) {
        if (separator.empty() || !text.starts_with(separator)) continue;
        const std::string_view group = text.substr(separator.size());
        if (group.size() >= 3 && IsDigit(group[0]) && IsDigit(group[1]) && IsDigit(group[2])
            && (group.size() == 3 || !IsDigit(group[3])))
            return separator.size();
    }
    return 0;
}

// The length of the decimal separator at the start of `text`, 0 when none.
std::size_t SeparatorAt(std::string_view text, std::string_view decimalSeparator, std::string_view thousandsSeparator)
{
    if (!decimalSeparator.empty() && text.starts_with(decimalSeparator)) return decimalSeparator.size();
    for (std::string_view other : {std::string_view("."), std::string_view(",")})
        if (text.starts_with(other) && other != thousandsSeparator) return 1;
    return 0;
}

} // namespace

namespace {

// A currency as suppliers spell it, and the one currency each spelling
// means. The longer of two spellings that start alike comes first ("руб"
// before "р"). Letters match in either case.
struct CurrencySpelling {
    std::string_view spelling;
    std::string_view code;
};

constexpr CurrencySpelling kCurrencies[] = {{"руб.", "RUB"}, {"руб", "RUB"}, {"р.", "RUB"},   {"р", "RUB"},
                                            {"₽", "RUB"},  {"rub", "RUB"}, {"грн.", "UAH"}, {"грн", "UAH"},
                                            {"uah", "UAH"},  {"$", "USD"},   {"usd", "USD"},  {"€", "EUR"},
                                            {"eur", "EUR"},  {"kzt", "KZT"}, {"byn", "BYN"}};
constexpr std::string_view kPieces[] = {"шт.", "шт", "pcs", "экз.", "экз"};

// The text without `word` at its end (`atEnd`) or start and the blanks beside
// it; the word as the text spells it goes to `taken`. Case does not change
// the length of a Latin or Cyrillic letter, so the word's own length cuts it.
// Whether the text ends (`atEnd`) or starts with a digit, as a bare number
// does: no unit or currency stands there, and none need be compared.
bool DigitAtEdge(std::string_view text, bool atEnd)
{
    if (text.empty()) return false;
    const char edge = atEnd ? text.back() : text.front();
    return edge >= '0' && edge <= '9';
}

bool TakeWord(std::string_view& text, std::string_view word, bool atEnd, std::string_view& taken)
{
    if (text.size() < word.size()) return false;
    const std::string_view part = atEnd ? text.substr(text.size() - word.size()) : text.substr(0, word.size());
    if (!SameTextIgnoreCase(part, word)) return false;
    taken = part;
    text = WithoutBlanks(atEnd ? text.substr(0, text.size() - word.size()) : text.substr(word.size()));
    return true;
}

std::string_view WithoutWord(std::string_view text, std::span<const std::string_view> words, bool atEnd,
                             std::string_view& taken)
{
    if (DigitAtEdge(text, atEnd)) return text;
    for (std::string_view word : words)
        if (TakeWord(text, word, atEnd, taken)) break;
    return text;
}

std::string_view WithoutCurrency(std::string_view text, bool atEnd, std::string_view& taken)
{
    if (DigitAtEdge(text, atEnd)) return text;
    for (const CurrencySpelling& currency : kCurrencies)
        if (TakeWord(text, currency.spelling, atEnd, taken)) break;
    return text;
}

} // namespace

std::string_view WithoutUnits(std::string_view text, NumberUnit unit, std::string_view* currency)
{
    if (currency) *currency = {};
    std::string_view taken;
    std::string_view rest = WithoutBlanks(text);
    if (unit == NumberUnit::Percent) rest = WithoutWord(rest, std::array{std::string_view("%")}, true, taken);
    if (unit == NumberUnit::Pieces) rest = WithoutWord(rest, kPieces, true, taken);
    std::string_view money;
    rest = WithoutCurrency(rest, true, money);
    if (money.empty()) rest = WithoutCurrency(rest, false, money);
    // A unit alone ("RUB", "%") is no number of 0.
    if ((taken.empty() && money.empty()) || rest.empty()) return text;
    if (currency) *currency = money;
    return rest;
}

std::string_view CurrencyCode(std::string_view written)
{
    for (const CurrencySpelling& currency : kCurrencies)
        if (SameTextIgnoreCase(written, currency.spelling)) return currency.code;
    return {};
}

std::optional<std::string> PlainCellNumber(std::string_view text, std::string_view decimalSeparator,
                                           std::string_view thousandsSeparator)
{
    text = WithoutBlanks(text);
    if (text.empty()) return std::string();
    std::string plain;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    bool anyDigit = false;
    const std::size_t integerStart = i;
    for (; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true) plain += text[i];
    // "1 234 567": groups of three after a first group of one to three.
    if (anyDigit && i - integerStart <= 3) {
        while (const std::size_t group = GroupSeparatorAt(text.substr(i), thousandsSeparator)) {
            i += group;
            plain.append(text.substr(i, 3));
            i += 3;
        }
    }
    if (const std::size_t separator = SeparatorAt(text.substr(i), decimalSeparator, thousandsSeparator)) {
        i += separator;
        plain += '.';
        for (; i < text.size() && IsDigit(text[i]); ++i, anyDigit = true) plain += text[i];
    }
    if (!anyDigit) return std::nullopt;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') plain += '-';
            ++i;
        }
        bool exponentDigit = false;
        for (; i < text.size() && IsDigit(text[i]); ++i, exponentDigit = true) plain += text[i];
        if (!exponentDigit) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return plain;
}

std::optional<long double> ReadCellNumber(std::string_view text, std::string_view decimalSeparator,
                                          std::string_view thousandsSeparator)
{
    const std::optional<std::string> plain = PlainCellNumber(text, decimalSeparator, thousandsSeparator);
    if (!plain) return std::nullopt;
    if (plain->empty()) return 0;
    // from_chars, unlike strtold, ignores the C library's locale.
    long double value = 0;
    const auto result = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
    return value;
}

long double ParseCellNumber(std::string_view text, std::string_view decimalSeparator,
                            std::string_view thousandsSeparator)
{
    return ReadCellNumber(text, decimalSeparator, thousandsSeparator).value_or(0);
}
