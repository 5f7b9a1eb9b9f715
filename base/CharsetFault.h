#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// A charset the system's converter does not know, as named by a workbook or
// by the reader that chose it. It holds no text for the user:
// CharsetFaultMessage says it in Russian.
class CharsetFault : public std::runtime_error {
public:
    explicit CharsetFault(std::string charset) : std::runtime_error("unknown charset"), charset(std::move(charset)) {}

    std::string charset;
};
