#include "base/Regional.h"

#include "base/DateTime.h"
#include "base/NumberText.h"
#include "base/DateTimeFault.h"

#include <cmath>
#include <vector>

namespace {

const Regional kRussian;
thread_local const Regional* tActive = &kRussian;

std::string Padded(int value, std::size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

bool HasAmPm(std::string_view format)
{
    return format.find("AP") != std::string_view::npos || format.find("ap") != std::string_view::npos;
}

std::string FormatWithPattern(std::string_view format, const CivilDateTime& v)
{
    std::string out;
    const bool twelveHour = HasAmPm(format);
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const auto end = format.find('\'', i + 1);
            if (end == i + 1) {
                out += '\'';
                i += 2;
                continue;
            }
            out.append(format.substr(i + 1, (end == std::string_view::npos ? format.size() : end) - i - 1));
            i = end == std::string_view::npos ? format.size() : end + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        switch (c) {
        case 'd': out += run >= 2 ? Padded(v.day, 2) : std::to_string(v.day); break;
        case 'M': out += run >= 2 ? Padded(v.month, 2) : std::to_string(v.month); break;
        case 'y': out += run >= 4 ? Padded(v.year, 4) : Padded(v.year % 100, 2); break;
        case 'H':
        case 'h': {
            int hour = v.hour;
            if (c == 'h' && twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
            out += run >= 2 ? Padded(hour, 2) : std::to_string(hour);
            break;
        }
        case 'm': out += run >= 2 ? Padded(v.minute, 2) : std::to_string(v.minute); break;
        case 's': out += run >= 2 ? Padded(v.second, 2) : std::to_string(v.second); break;
        case 'z': out += run >= 3 ? Padded(v.millisecond, 3) : std::to_string(v.millisecond); break;
        case 'A':
        case 'a':
            if (i + 1 < format.size() && (format[i + 1] == 'P' || format[i + 1] == 'p')) {
                out += v.hour < 12 ? (c == 'A' ? "AM" : "am") : (c == 'A' ? "PM" : "pm");
                run = 2;
            } else {
                out.append(run, c);
            }
            break;
        case 't': break; // time zone: not part of a date-time value
        default: out.append(run, c); break;
        }
        i += run;
    }
    // A dropped time zone leaves a trailing blank behind.
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Reads one to `maxDigits` digits; false when there is none.
bool ReadDigitRun(std::string_view text, std::size_t& pos, std::size_t maxDigits, int& value, std::size_t& count)
{
    value = 0;
    count = 0;
    while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    return count > 0;
}

// The order of the day, month and year fields in a date pattern and the text
// that separates them.
struct DateLayout {
    std::vector<char> order; // 'd', 'M', 'y'
    std::string separator = ".";
    bool fourDigitYear = true;
};

DateLayout LayoutOf(std::string_view format)
{
    DateLayout layout;
    bool separatorTaken = false;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        std::size_t run = 1;
        while (i + run < format.size() && format[i + run] == c) ++run;
        if (c == 'd' || c == 'M' || c == 'y') {
            if (c == 'y') layout.fourDigitYear = run >= 4;
            layout.order.push_back(c);
        } else if (!layout.order.empty() && !separatorTaken && c != '\'') {
            layout.separator = std::string(format.substr(i, run));
            separatorTaken = true;
        }
        i += run;
    }
    if (layout.order.size() != 3) layout.order = {'d', 'M', 'y'};
    return layout;
}

char TimeSeparatorOf(std::string_view format)
{
    for (std::size_t i = 0; i + 1 < format.size(); ++i)
        if ((format[i] == 'H' || format[i] == 'h') && format[i + 1] != 'H' && format[i + 1] != 'h')
            return format[i + 1];
    return ':';
}

} // namespace

std::string Regional::FormatNumber(long double value) const
{
    return FormatGeneralNumber(value, decimalSeparator);
}

std::optional<long double> Regional::ReadNumber(std::string_view text) const
{
    return ReadCellNumber(text, decimalSeparator, thousandsSeparator);
}

long double Regional::ParseNumber(std::string_view text) const
{
    return ParseCellNumber(text, decimalSeparator, thousandsSeparator);
}

std::string Regional::FormatDate(double dateTime) const
{
    return FormatWithPattern(shortDateFormat, DecodeDateTime(RoundToSecond(dateTime)));
}

std::string Regional::FormatTime(double dateTime) const
{
    return FormatWithPattern(longTimeFormat, DecodeDateTime(RoundToSecond(dateTime)));
}

std::string Regional::FormatDateTime(double dateTime) const
{
    const CivilDateTime v = DecodeDateTime(RoundToSecond(dateTime));
    std::string text = FormatWithPattern(shortDateFormat, v);
    if (v.hour != 0 || v.minute != 0 || v.second != 0) {
        text += ' ';
        text += FormatWithPattern(longTimeFormat, v);
    }
    return text;
}

std::optional<double> Regional::ParseDateTime(std::string_view raw) const
{
    std::size_t begin = 0;
    std::size_t end = raw.size();
    while (begin < end && raw[begin] == ' ') ++begin;
    while (end > begin && raw[end - 1] == ' ') --end;
    const std::string_view text = raw.substr(begin, end - begin);

    const DateLayout layout = LayoutOf(shortDateFormat);
    CivilDateTime v;
    std::size_t pos = 0;
    for (std::size_t field = 0; field < 3; ++field) {
        if (field > 0) {
            if (text.substr(pos, layout.separator.size()) != layout.separator) return std::nullopt;
            pos += layout.separator.size();
        }
        int value = 0;
        std::size_t digits = 0;
        const char kind = layout.order[field];
        const std::size_t maxDigits = kind == 'y' ? (layout.fourDigitYear ? 4 : 2) : 2;
        if (!ReadDigitRun(text, pos, maxDigits, value, digits)) return std::nullopt;
        if (kind == 'y') {
            if (digits != maxDigits) return std::nullopt;
            v.year = layout.fourDigitYear ? value : 2000 + value;
        } else if (kind == 'M') {
            v.month = value;
        } else {
            v.day = value;
        }
    }
    if (!IsValidCivilDate(v.year, v.month, v.day)) return std::nullopt;

    if (pos < text.size()) {
        if (text[pos] != ' ') return std::nullopt;
        while (pos < text.size() && text[pos] == ' ') ++pos;
        const char separator = TimeSeparatorOf(longTimeFormat);
        int parts[3] = {0, 0, 0};
        int count = 0;
        while (count < 3) {
            std::size_t digits = 0;
            if (!ReadDigitRun(text, pos, 2, parts[count], digits)) return std::nullopt;
            ++count;
            if (pos < text.size() && text[pos] == separator && count < 3) {
                ++pos;
                continue;
            }
            break;
        }
        if (count < 2) return std::nullopt;
        // A twelve-hour profile writes its times with AM or PM; read them back.
        const std::string_view rest = text.substr(pos);
        const std::size_t marker = rest.find_first_not_of(' ');
        if (marker != std::string_view::npos) {
            const std::string_view half = rest.substr(marker);
            const bool am = half == "AM" || half == "am";
            const bool pm = half == "PM" || half == "pm";
            if (!am && !pm) return std::nullopt;
            if (parts[0] < 1 || parts[0] > 12) return std::nullopt;
            parts[0] = parts[0] % 12 + (pm ? 12 : 0);
        }
        if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return std::nullopt;
        v.hour = parts[0];
        v.minute = parts[1];
        v.second = parts[2];
    }
    return EncodeDateTime(v);
}

double Regional::ParseDateTimeOrThrow(std::string_view text) const
{
    if (auto value = ParseDateTime(text)) return *value;
    throw DateTimeFault(std::string(text));
}

const Regional& ActiveRegional()
{
    return *tActive;
}

RegionalScope::RegionalScope(const Regional& regional) : previous_(tActive)
{
    tActive = &regional;
}

RegionalScope::~RegionalScope()
{
    tActive = previous_;
}
