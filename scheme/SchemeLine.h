#pragma once

#include <optional>
#include <string>
#include <vector>

// The field correspondence scheme: ordered lines "Caption = Column". The
// lines are kept as they are (also lines read from a file that match nothing)
// and read by their first "=": captions never contain one, column names may.
using SchemeLines = std::vector<std::string>;

// The line the program makes for a caption and a column name.
std::string SchemeLineFor(const std::string& caption, const std::string& columnName);

// The text before the first "="; the whole line when it has none.
std::string SchemeNamePart(const std::string& line);

// The text after the first "="; nullopt when the line has none.
std::optional<std::string> SchemeValuePart(const std::string& line);

// The index of the first line that has an "=" and whose name part is the
// caption followed by exactly one blank, without regard to the case of Latin
// and Cyrillic letters; -1 when there is none.
int FindSchemeLine(const SchemeLines& lines, const std::string& caption);

// Dropping a column on a field: the caption's first line is replaced in its
// place, otherwise the line is appended, so the scheme keeps its order and at
// most one line per caption.
void DropColumnOnField(SchemeLines& lines, const std::string& caption, const std::string& columnName);
