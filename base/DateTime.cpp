#include "base/DateTime.h"

#include <cmath>
#include <ctime>

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr long long kMillisecondsPerDay = 86400000LL;
// Days from 1970-01-01 to 1899-12-30.
constexpr long long kEpochOffset = -25569;

// Howard Hinnant's days_from_civil / civil_from_days, counted from 1970-01-01.
long long DaysFrom1970(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFrom1970(long long z, int& y, int& m, int& d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

// The stored value times `scale`, rounded to a whole number with halves away
// from zero. The product as a double can land on a half that the stored value
// does not reach (45356.57903356481 holds 13:53:48.4999998, yet times 86,400
// it gives exactly ...48.5); fma gives the product's rounding error exactly,
// which says on which side of that half the stored value lies.
double RoundedProduct(double value, double scale)
{
    const double product = value * scale;
    const double rounded = std::round(product);
    if (std::fabs(product - std::trunc(product)) != 0.5) return rounded;
    const double error = std::fma(value, scale, -product);
    if (error == 0 || (error > 0) == (product > 0)) return rounded;
    return rounded - std::copysign(1.0, product);
}

} // namespace

bool IsValidCivilDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = month == 2 && leap ? 29 : kDays[month - 1];
    return day <= last;
}

long long DaysFromCivil(int year, int month, int day)
{
    return DaysFrom1970(year, month, day) - kEpochOffset;
}

double EncodeDateTime(const CivilDateTime& v)
{
    const double days = static_cast<double>(DaysFromCivil(v.year, v.month, v.day));
    const double time = (v.hour * 3600000.0 + v.minute * 60000.0 + v.second * 1000.0 + v.millisecond)
                        / static_cast<double>(kMillisecondsPerDay);
    // For dates before 30.12.1899 the fraction counts away from zero.
    return days >= 0 ? days + time : days - time;
}

CivilDateTime DecodeDateTime(double value)
{
    double whole = std::trunc(value);
    auto ms =
        static_cast<long long>(RoundedProduct(std::fabs(value - whole), static_cast<double>(kMillisecondsPerDay)));
    if (ms >= kMillisecondsPerDay) {
        ms -= kMillisecondsPerDay;
        whole += value < 0 ? -1 : 1;
    }
    CivilDateTime out;
    CivilFrom1970(static_cast<long long>(whole) + kEpochOffset, out.year, out.month, out.day);
    out.hour = static_cast<int>(ms / 3600000);
    out.minute = static_cast<int>(ms / 60000 % 60);
    out.second = static_cast<int>(ms / 1000 % 60);
    out.millisecond = static_cast<int>(ms % 1000);
    return out;
}

double RoundToSecond(double value)
{
    return RoundedProduct(value, kSecondsPerDay) / kSecondsPerDay;
}

double NowDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    CivilDateTime v;
    v.year = local.tm_year + 1900;
    v.month = local.tm_mon + 1;
    v.day = local.tm_mday;
    v.hour = local.tm_hour;
    v.minute = local.tm_min;
    v.second = local.tm_sec;
    return EncodeDateTime(v);
}

double TodayDateTime()
{
    return std::trunc(NowDateTime());
}
