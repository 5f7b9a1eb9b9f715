#pragma once

#include "base/Regional.h"

#include <string>
#include <string_view>

// How a number cell is shown, as decided by its number format.
enum class NumberStyle { Plain, Date, TimeOnly };

// The built-in number formats that show a date or a time: 14-22 and 45-47.
bool IsBuiltinDateFormat(int formatId);

// What a built-in number format shows: 14-17 and 22 a date, 18-21 and 45-47
// a time of day, everything else a plain number.
NumberStyle StyleOfBuiltinFormat(int formatId);

// What a custom number format code shows: a date (it holds d, m, y, h or s
// outside quoted text, [...] brackets other than elapsed time, and escapes),
// only a time of day (h, m or s but no d or y), or a plain number.
NumberStyle StyleOfFormatCode(std::string_view code);

// The cell text of a stored number: the general decimal form, or for a date or
// time style the date-time text under the workbook's date system (1900 with
// its non-existent 29.02.1900, or 1904). Negative serials and serials from
// 01.01.10000 on are not dates and give the number; NaN gives "#NUM!".
std::string NumberCellText(double value, NumberStyle style, bool date1904, const Regional& regional);

// The cell text of a date-time counted from 30.12.1899: the time of day alone
// when it falls on that day, otherwise the date with the time when not midnight.
// As for serials, a value that is negative or reaches 01.01.10000 after
// rounding to the second gives the number.
std::string DateTimeCellText(double dateTime, const Regional& regional);
