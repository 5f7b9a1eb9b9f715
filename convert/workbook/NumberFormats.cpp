#include "convert/workbook/NumberFormats.h"

#include "base/DateTime.h"
#include "base/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

// 1.1.1904, the day the 1904 date system counts from.
const double kDays1904 = static_cast<double>(DaysFromCivil(1904, 1, 1));
// Spreadsheets show no date from the year 10000 on.
const double kFirstUnshownDay = static_cast<double>(DaysFromCivil(10000, 1, 1));

// True for an elapsed-time bracket: [h], [hh], [m], [mm], [s], [ss]...
bool IsElapsedTime(std::string_view inside)
{
    if (inside.empty()) return false;
    const char first = static_cast<char>(std::tolower(static_cast<unsigned char>(inside[0])));
    if (first != 'h' && first != 'm' && first != 's') return false;
    for (char c : inside)
        if (std::tolower(static_cast<unsigned char>(c)) != first) return false;
    return true;
}

// The general form of a number, as FormatGeneralNumber gives it. Most cell
// values have a shortest round-trip form of at most 15 significant digits;
// for a normal double, rounding the exact value to 15 digits cannot change
// those (half a step of 15 digits exceeds half its precision), so they skip the
// exact decimal expansion, which would dominate reading a large sheet.
std::string GeneralNumberText(double value, std::string_view separator)
{
    if (value == 0) return "0";
    // Subnormal numbers carry fewer digits than the argument needs.
    if (!std::isnormal(value)) return FormatGeneralNumber(value, separator);
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = shortest.find('e');
    std::string digits;
    for (const char c : shortest.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    if (result.ec != std::errc() || e == std::string_view::npos || digits.size() > 15)
        return FormatGeneralNumber(value, separator);
    int exponent = 0;
    const std::string_view exponentText = shortest.substr(e + (shortest[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string out = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += separator;
            out.append(digits, whole);
        }
    }
    return out;
}

} // namespace

bool IsBuiltinDateFormat(int formatId)
{
    return (formatId >= 14 && formatId <= 22) || (formatId >= 45 && formatId <= 47);
}

NumberStyle StyleOfBuiltinFormat(int formatId)
{
    if ((formatId >= 14 && formatId <= 17) || formatId == 22) return NumberStyle::Date;
    if ((formatId >= 18 && formatId <= 21) || (formatId >= 45 && formatId <= 47)) return NumberStyle::TimeOnly;
    return NumberStyle::Plain;
}

NumberStyle StyleOfFormatCode(std::string_view code)
{
    bool date = false;
    bool time = false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            const auto end = code.find('"', i + 1);
            if (end == std::string_view::npos) break;
            i = end;
        } else if (c == '[') {
            const auto end = code.find(']', i + 1);
            if (end == std::string_view::npos) break;
            if (IsElapsedTime(code.substr(i + 1, end - i - 1))) time = true;
            i = end;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i;  // the next character is shown literally or as padding
        } else {
            switch (std::tolower(static_cast<unsigned char>(c))) {
            case 'd':
            case 'y': date = true; break;
            case 'h':
            case 'm':
            case 's': time = true; break;
            default: break;
            }
        }
    }
    if (date) return NumberStyle::Date;
    return time ? NumberStyle::TimeOnly : NumberStyle::Plain;
}

std::string DateTimeCellText(double dateTime, const Regional& regional)
{
    const double rounded = RoundToSecond(dateTime);
    if (rounded >= 0 && rounded < 1) return regional.FormatTime(rounded);
    return regional.FormatDateTime(rounded);
}

std::string NumberCellText(double value, NumberStyle style, bool date1904, const Regional& regional)
{
    if (!std::isfinite(value)) return "#NUM!";
    const auto number = [&] { return GeneralNumberText(value, regional.decimalSeparator); };
    if (style == NumberStyle::Plain || value < 0 || value >= kFirstUnshownDay) return number();

    const double serial = RoundToSecond(value);
    if (date1904) {
        if (serial < 1 && style == NumberStyle::TimeOnly) return regional.FormatTime(serial);
        if (serial + kDays1904 >= kFirstUnshownDay) return number();
        return regional.FormatDateTime(serial + kDays1904);
    }
    if (serial < 1) return regional.FormatTime(serial);
    if (serial >= kFirstUnshownDay) return number();
    // Serials before the non-existent 29.02.1900 (serial 60) are one day
    // behind the calendar; from 60 on they coincide with it.
    return regional.FormatDateTime(serial < 60 ? serial + 1 : serial);
}
