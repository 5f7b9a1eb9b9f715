#pragma once

#include <string>
#include <vector>

// The ISBN and EAN-13 cells of a run that hold their code several times over
// (CodeOfCell), read as that one code and counted for the summary.
class RepeatedCodes {
public:
    // What the field's writer is to get: the one code of a cell that repeats
    // it; "" for a cell of two different codes, reported against the row on
    // the writers' error channel; any other cell, and any other field's, as
    // it stands.
    std::string CodeOf(const std::string& cell, const std::string& fieldID, int row);

    // The summary's line, none when no cell repeated its code:
    // "Ячейки с повторенным кодом прочитаны как один код: 2; первая — строка 5."
    std::vector<std::string> SummaryLines() const;

private:
    int cells_ = 0;
    int firstRow_ = 0;
};
