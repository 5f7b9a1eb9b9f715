#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>
#include <utility>
#include <vector>

// The inputs the benchmarks make for themselves.

// An xlsx of these sheets, named in order, each holding the same rows of
// text cells (row 1 first).
void WriteXlsx(const std::string& path, const std::vector<std::string>& names,
               const std::vector<std::vector<std::string>>& rows);
// An ods of these tables, each with one cell.
void WriteOds(const std::string& path, const std::vector<std::string>& names);
// A scheme mapping these columns to fields of the document type.
void WriteScheme(const std::string& path, TDocumentType type,
                 const std::vector<std::pair<const char*, std::string>>& fieldColumns);
