#pragma once

#include <optional>
#include <string_view>

// An ISO 8601 date ("2017-03-16"), date-time ("2014-02-14T08:27:48.765Z";
// a zone is ignored, the text shows local time) or time of day ("08:27:48")
// as a date-time value counted from 30.12.1899, the time rounded to the
// nearest second.
std::optional<double> ParseIsoDateTime(std::string_view text);

// An ISO 8601 duration ("PT12H30M15S", "P1DT2H", "-PT1H") in days.
std::optional<double> ParseIsoDuration(std::string_view text);
