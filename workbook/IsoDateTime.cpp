#include "workbook/IsoDateTime.h"

#include "base/DateTime.h"

#include <charconv>
#include <string>
#include <cmath>

namespace {

// Exactly `digits` digits at `pos`.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t digits)
{
    if (pos + digits > text.size()) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    pos += digits;
    return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

// "hh:mm[:ss[.fff...]]" as seconds since midnight, rounded to the nearest
// second from the digits as written: 59,4999998 s rounded to milliseconds
// first would become 59,5 and then the next second, and a day's count of
// seconds added first, or the digits summed as binary fractions, would blur
// the digits that decide.
std::optional<double> TimeOfDay(std::string_view text, std::size_t& pos)
{
    const auto hour = Digits(text, pos, 2);
    if (!hour || !Expect(text, pos, ':')) return std::nullopt;
    const auto minute = Digits(text, pos, 2);
    if (!minute) return std::nullopt;
    double seconds = (*hour * 60.0 + *minute) * 60.0;
    if (Expect(text, pos, ':')) {
        const auto second = Digits(text, pos, 2);
        if (!second) return std::nullopt;
        seconds += *second;
        if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
            ++pos;
            const std::size_t start = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
            if (pos == start) return std::nullopt;
            // A fraction reaches the half second exactly when its first digit does.
            if (text[start] >= '5') seconds += 1;
        }
    }
    if (*hour > 24 || *minute > 59 || seconds > 86400.0) return std::nullopt;
    return seconds;
}

// The number of one duration part as ISO 8601 writes it: digits with an
// optional fraction after "." or ",". No sign, exponent, NaN or infinity.
std::optional<double> DurationNumber(std::string_view text, std::size_t& pos)
{
    std::string plain;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) plain += text[pos];
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        plain += '.';
        for (++pos; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) plain += text[pos];
    }
    if (plain.empty() || plain == ".") return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

bool ZoneOrEnd(std::string_view text, std::size_t pos)
{
    if (pos == text.size()) return true;
    if (text[pos] == 'Z') return pos + 1 == text.size();
    if (text[pos] != '+' && text[pos] != '-') return false;
    ++pos;
    return Digits(text, pos, 2) && Expect(text, pos, ':') && Digits(text, pos, 2) && pos == text.size();
}

} // namespace

std::optional<double> ParseIsoDateTime(std::string_view text)
{
    std::size_t pos = 0;
    if (text.size() >= 3 && text[2] == ':') {
        const auto seconds = TimeOfDay(text, pos);
        if (!seconds || !ZoneOrEnd(text, pos)) return std::nullopt;
        return *seconds / 86400.0;
    }
    const auto year = Digits(text, pos, 4);
    if (!year || !Expect(text, pos, '-')) return std::nullopt;
    const auto month = Digits(text, pos, 2);
    if (!month || !Expect(text, pos, '-')) return std::nullopt;
    const auto day = Digits(text, pos, 2);
    if (!day || !IsValidCivilDate(*year, *month, *day)) return std::nullopt;
    double seconds = 0;
    if (Expect(text, pos, 'T')) {
        const auto time = TimeOfDay(text, pos);
        if (!time) return std::nullopt;
        seconds = *time;
    }
    if (!ZoneOrEnd(text, pos)) return std::nullopt;
    const double days = static_cast<double>(DaysFromCivil(*year, *month, *day));
    const double time = seconds / 86400.0;
    // Before 30.12.1899 the time of day counts away from zero.
    return days >= 0 ? days + time : days - time;
}

std::optional<double> ParseIsoDuration(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = Expect(text, pos, '-');
    if (!Expect(text, pos, 'P')) return std::nullopt;
    double days = 0;
    bool inTime = false;
    bool any = false;
    while (pos < text.size()) {
        if (!inTime && Expect(text, pos, 'T')) {
            inTime = true;
            continue;
        }
        const std::optional<double> value = DurationNumber(text, pos);
        if (!value) return std::nullopt;
        if (pos >= text.size()) return std::nullopt;
        const char unit = text[pos++];
        if (!inTime && unit == 'D') days += *value;
        else if (!inTime && unit == 'W') days += *value * 7;
        else if (inTime && unit == 'H') days += *value / 24;
        else if (inTime && unit == 'M') days += *value / 1440;
        else if (inTime && unit == 'S') days += *value / 86400;
        else return std::nullopt;
        any = true;
    }
    if (!any || !std::isfinite(days)) return std::nullopt;
    return negative ? -days : days;
}
