#pragma once

#include <stdexcept>
#include <string>

// The one error type of the program: a platform failure (a file that cannot be
// read or written, a text that is not a date, an invalid document type). The
// message is Russian and names the file or value; the window shows it in a
// message box, the command line prints it and exits non-zero.
class QuarnelError : public std::runtime_error {
public:
    explicit QuarnelError(const std::string& message) : std::runtime_error(message) {}
};
