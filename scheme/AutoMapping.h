#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <string>
#include <vector>

// Maps by header names, adding to the scheme: every field of the type that no
// line names yet (a line naming it counts even when its column is not among
// these) and whose caption equals a column name (both trimmed, without regard
// to the case of Latin and Cyrillic letters) gets a line for the first such
// column, appended in catalogue order. No line is ever replaced. Returns the
// number of lines added; a caption listed twice in the type counts once.
int MapColumnsByCaption(SchemeLines& lines, TDocumentType type, const std::vector<std::string>& columnNames);
