#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// A text that does not read as a date and time. It holds no text for the
// user: DateTimeFaultMessage says it.
class DateTimeFault : public std::runtime_error {
public:
    explicit DateTimeFault(std::string text) : std::runtime_error("not a date and time"), text(std::move(text)) {}

    std::string text;
};
