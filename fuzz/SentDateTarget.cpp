// The sent-date box: any text either reads as a date-time that prints and
// reads back as itself, or is refused with the program's error.
#include "FuzzTargets.h"

#include "base/DateTimeFault.h"
#include "base/Regional.h"

#include <cmath>
#include <stdexcept>

namespace {

std::optional<double> ParseBothWays(const Regional& regional, std::string_view text)
{
    const auto parsed = regional.ParseDateTime(text);
    try {
        const double value = regional.ParseDateTimeOrThrow(text);
        if (!parsed || *parsed != value) throw std::logic_error("the throwing parse read another value");
    } catch (const DateTimeFault&) {
        if (parsed) throw std::logic_error("the throwing parse refused a readable text");
    }
    if (parsed && !std::isfinite(*parsed)) throw std::logic_error("a date-time that is not a number");
    return parsed;
}

// Profiles whose own output they read back: the Russian one and the ISO one
// of a system set to it.
void CheckRoundTrip(const Regional& regional, std::string_view text)
{
    const auto value = ParseBothWays(regional, text);
    if (!value) return;
    const std::string printed = regional.FormatDateTime(*value);
    const auto again = regional.ParseDateTime(printed);
    if (!again || std::fabs(*again - *value) > 0.5 / 86400)
        throw std::logic_error("'" + printed + "' does not read back as the date it prints");
}

} // namespace

void FuzzTargets::SentDate(std::string_view input)
{
    CheckRoundTrip(Regional::Russian(), input);
    CheckRoundTrip(Regional{",", "yyyy-MM-dd", "HH:mm:ss"}, input);
    (void)ParseBothWays(Regional{".", "M/d/yy", "h:mm:ss AP"}, input);

    // A system's own formats: the first two lines, the text after them.
    const auto dateEnd = input.find('\n');
    if (dateEnd == std::string_view::npos) return;
    const auto timeEnd = input.find('\n', dateEnd + 1);
    if (timeEnd == std::string_view::npos) return;
    const Regional system{",", std::string(input.substr(0, dateEnd)),
                          std::string(input.substr(dateEnd + 1, timeEnd - dateEnd - 1))};
    const std::string_view text = input.substr(timeEnd + 1);
    if (const auto value = ParseBothWays(system, text)) (void)system.FormatDateTime(*value);
}
