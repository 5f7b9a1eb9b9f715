#include "workbook/NumberFormats.h"

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
            ++i; // the next character is shown literally or as padding
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
    if (!std::isfinite(dateTime)) return "#NUM!";
    const double rounded = RoundToSecond(dateTime);
    // Like a serial, a date before 30.12.1899 or from 01.01.10000 on is no date.
    if (rounded < 0 || rounded >= kFirstUnshownDay) return FormatGeneralNumber(dateTime, regional.decimalSeparator);
    if (rounded >= 0 && rounded < 1) return regional.FormatTime(rounded);
    return regional.FormatDateTime(rounded);
}

std::string NumberCellText(double value, NumberStyle style, bool date1904, const Regional& regional)
{
    if (!std::isfinite(value)) return "#NUM!";
    const auto number = [&] { return FormatGeneralNumber(value, regional.decimalSeparator); };
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
