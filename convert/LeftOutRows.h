#pragma once

#include <string>
#include <utility>
#include <vector>

// The rows of a price list read in the supplier layout that a critical error
// kept out of the file, which is saved with the rest: a supplier's list with a
// few bad rows is still a list. Each row counts once, under the kind of its
// first critical error ("без артикула", "ISBN", ...).
class LeftOutRows {
public:
    void Add(const std::string& errorText, int row);

    int Total() const { return total_; }
    int FirstRow() const { return firstRow_; }
    // The summary's line: how many, by kind, and the first; "" when none.
    std::string SummaryLine() const;

private:
    std::vector<std::pair<const char*, int>> byKind_; // in the order first met
    int total_ = 0;
    int firstRow_ = 0;
};

// The kind of a critical row error by its text, for the summary.
const char* CriticalErrorKind(const std::string& errorText);
