#pragma once

#include <string>
#include <vector>

// The column names of a sheet from the texts of its row 1 (item i is column
// i + 1): from column 1 rightwards up to the first cell whose text is empty,
// each trimmed (so a cell of blanks gives an empty name and reading goes on).
// Item i names column i + 1.
//
// A line break or NUL inside a header cell becomes a blank: the name goes into
// a scheme line, and a scheme file holds one line per line and ends at a NUL,
// so such a name would come back from the file as another name, or cut off the
// rest of the scheme.
std::vector<std::string> ColumnNames(std::vector<std::string> firstRow);

// How many rows at the top of a sheet the header row is looked for in.
inline constexpr int kHeaderRowSearchRows = 30;
