#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <string>
#include <vector>

// Maps by header names: every field of the type whose caption equals a column
// name (both trimmed, without regard to the case of Latin and Cyrillic
// letters) gets the line for the first such column through the drop rule, in
// catalogue order. Lines of other fields stay as they are. Returns the number
// of fields mapped; a caption listed twice in the type counts once.
int MapColumnsByCaption(SchemeLines& lines, TDocumentType type, const std::vector<std::string>& columnNames);
