#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <string>
#include <vector>

// The worksheet column (from 1) that feeds a field, 0 when the field is not
// mapped: field identifier -> the type's caption -> that caption in the field
// list (exact, case-sensitive) -> the caption's first scheme line -> its value
// part, trimmed -> the first column name equal to it without regard to case.
// A scheme line whose caption the type has not, or whose column name is not in
// the header row, has no effect.
int GetColumnByFieldID(const std::string& fieldID, TDocumentType type, const std::vector<std::string>& fieldCaptions,
                       const SchemeLines& scheme, const std::vector<std::string>& columnNames);

// The same from the caption on: its first scheme line and that line's column.
int GetColumnByCaption(const std::string& caption, const SchemeLines& scheme,
                       const std::vector<std::string>& columnNames);

// The column names the scheme's lines give (trimmed, each once, in the order
// of the lines) that are not in the header row: the fields they map would be
// read as empty. Lines without "=" or with an empty column name give none.
std::vector<std::string> SchemeColumnsMissing(const SchemeLines& scheme, const std::vector<std::string>& columnNames);

// A caption named on a second line of the scheme, as the first line names
// it: the first line takes effect, the later one is never read. Lines count
// from 1.
struct CaptionGivenTwice {
    std::string caption;
    int firstLine;
    int laterLine;
};

// Every later line whose name part (without regard to letter case) an
// earlier line with "=" has already given, in the order of the lines.
std::vector<CaptionGivenTwice> SchemeCaptionsGivenTwice(const SchemeLines& scheme);
