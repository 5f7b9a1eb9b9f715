#include "writers/ONIXChecks.h"

#include <charconv>
#include <cstdint>

#include "base/DateTime.h"
#include "base/MessageFormat.h"
#include "base/NumberText.h"
#include "base/Regional.h"
#include "base/Utf8Text.h"
#include "writers/WriterTexts.h"

namespace ONIXFunctions {

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Byte offset where the code point with the given 0-based index starts;
// text.size() when the text is shorter.
std::size_t OffsetOfCharacter(const std::string& text, std::size_t index)
{
    std::size_t pos = 0;
    for (std::size_t i = 0; i < index && pos < text.size(); ++i) NextCodePoint(text, pos);
    return pos;
}

} // namespace

std::string PadWithZeros(int n, int width)
{
    std::string text = std::to_string(n);
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

std::string FormatONIXDate(double dateTime)
{
    const CivilDateTime parts = DecodeDateTime(dateTime);
    std::string text = PadWithZeros(parts.year, 4) + PadWithZeros(parts.month, 2) + PadWithZeros(parts.day, 2);
    if (parts.hour != 0 || parts.minute != 0) text += "T" + PadWithZeros(parts.hour, 2) + PadWithZeros(parts.minute, 2);
    return text;
}

bool IsDigitString(const std::string& text)
{
    const std::size_t characters = Utf8Length(text);
    if (characters < 2) return false;
    const std::size_t lastStart = OffsetOfCharacter(text, characters - 1);
    for (std::size_t i = 0; i < lastStart; ++i) {
        if (!IsAsciiDigit(text[i])) return false;
    }
    return true;
}

std::string GetEAN13CheckDigit(const std::string& text)
{
    int sum = 0;
    for (std::size_t i = 0; i < 12 && i < text.size(); ++i) {
        if (!IsAsciiDigit(text[i])) continue;
        const int digit = text[i] - '0';
        sum += i % 2 == 0 ? digit : 3 * digit;
    }
    return std::to_string(sum % 10 == 0 ? 0 : 10 - sum % 10);
}

bool IsEAN13CheckDigitValid(const std::string& text, std::string& expected)
{
    expected = GetEAN13CheckDigit(text);
    const std::size_t start = OffsetOfCharacter(text, 12);
    std::size_t end = start;
    if (end < text.size()) NextCodePoint(text, end);
    return text.compare(start, end - start, expected) == 0;
}

std::string RemoveHyphens(const std::string& text)
{
    std::string result;
    for (char c : Trim(text)) {
        if (c != '-') result += c;
    }
    return result;
}

std::string CheckISBN(const std::string& cellText)
{
    const std::string significant = RemoveHyphens(cellText);
    // Hyphens and blanks alone are no value at all; blanks among other
    // characters still count.
    if (Trim(significant).empty()) return {};
    const std::size_t length = Utf8Length(significant);
    if (length != 10 && length != 13) return QRNConsts::sISBNLength;
    if (length == 10) return {};
    if (!IsDigitString(significant)) return QRNConsts::sISBN13NotDigits;
    std::string expected;
    if (!IsEAN13CheckDigitValid(significant, expected)) return FormatMessage(QRNConsts::sISBN13CheckDigit, {expected});
    return {};
}

std::string CheckEAN13(const std::string& cellText)
{
    const std::string value = Trim(cellText);
    if (value.empty()) return {};
    if (!IsDigitString(value)) return QRNConsts::sEAN13NotDigits;
    if (Utf8Length(value) != 13) return QRNConsts::sEAN13Length;
    std::string expected;
    if (!IsEAN13CheckDigitValid(value, expected)) return FormatMessage(QRNConsts::sEAN13CheckDigit, {expected});
    return {};
}

std::string CheckPublicationYear(const std::string& text)
{
    // An optional sign and decimal digits, nothing else; a value outside the
    // 32-bit range reads as 0 like any other unreadable text.
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const bool readable =
        !digits.empty() && IsAsciiDigit(digits.front()) && error == std::errc() && end == digits.data() + digits.size();
    std::int64_t year = negative ? -magnitude : magnitude;
    if (!readable || year < INT32_MIN || year > INT32_MAX) year = 0;
    if (year == 0 || year > 2100) return QRNConsts::sBadPublicationYear;
    return {};
}

namespace {

std::string WithDecimalPoint(std::string text)
{
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    return text;
}

} // namespace

std::string FormatDecimalPoint(long double value)
{
    return WithDecimalPoint(ActiveRegional().FormatNumber(value));
}

std::string FormatFixedPoint(long double value)
{
    return WithDecimalPoint(FormatFixedNumber(value, ActiveRegional().decimalSeparator));
}

} // namespace ONIXFunctions
