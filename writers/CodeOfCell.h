#pragma once

#include <string>

namespace ONIXFunctions {

// What an ISBN or EAN-13 cell holds when suppliers paste a code twice
// ("978-5-699-12345-6  978-5-699-12345-6"): parts split by blanks, commas,
// semicolons or line breaks, each a code on its own (an ISBN of 10 or 13
// significant characters, an EAN-13 of 13 characters).
struct CellCode {
    std::string code;      // the one code, or the cell as it stands; "" with an error
    bool repeated = false; // the cell held its code more than once
    std::string error;     // the cell holds two different codes: the message naming them
};

// A cell that is not made of codes only ("978 5 17 118366 0") is left as it
// stands, for the checks to judge.
CellCode ISBNOfCell(const std::string& cellText);
CellCode EAN13OfCell(const std::string& cellText);

} // namespace ONIXFunctions
