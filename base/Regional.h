#pragma once

#include <optional>
#include <string>
#include <string_view>

// The user's regional formats: what the original took from the system's
// regional settings. The front ends fill it from the user's locale; the Russian
// profile is the default and what the tests use.
//
// Date and time formats use the Qt pattern letters: d/dd day, M/MM month,
// yy/yyyy year, H/HH or h/hh hour, m/mm minute, s/ss second, AP/ap, and text in
// single quotes.
struct Regional {
    std::string decimalSeparator = ",";
    std::string shortDateFormat = "dd.MM.yyyy";
    std::string longTimeFormat = "HH:mm:ss";
    // Never written by the program; a "." or "," that is the thousands
    // separator is not read as a decimal separator.
    std::string thousandsSeparator = "\u00A0";

    static Regional Russian() { return {}; }

    std::string FormatNumber(long double value) const;
    // A number in a cell text (see ReadCellNumber): 0 for a blank text,
    // nothing for a text that is not a number.
    std::optional<long double> ReadNumber(std::string_view text) const;
    // The same with 0 for a text that is not a number.
    long double ParseNumber(std::string_view text) const;

    std::string FormatDate(double dateTime) const;
    std::string FormatTime(double dateTime) const;
    // The short date, followed, when the time of day (rounded to the second)
    // is not midnight, by a blank and the long time.
    std::string FormatDateTime(double dateTime) const;

    // A date in the short date format, optionally followed by a time with or
    // without seconds; blanks around it are ignored.
    std::optional<double> ParseDateTime(std::string_view text) const;
    // The same; an unreadable text raises DateTimeFault.
    double ParseDateTimeOrThrow(std::string_view text) const;
};

// The formats the writers use for the current thread's run (the invoice
// writers write numbers with the regional decimal separator).
const Regional& ActiveRegional();

// Makes a profile the active one of this thread while it lives.
class RegionalScope {
public:
    explicit RegionalScope(const Regional& regional);
    // The scope keeps a pointer: a temporary profile would dangle.
    explicit RegionalScope(Regional&&) = delete;
    ~RegionalScope();
    RegionalScope(const RegionalScope&) = delete;
    RegionalScope& operator=(const RegionalScope&) = delete;

private:
    const Regional* previous_;
};
