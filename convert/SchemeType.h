#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <optional>
#include <string>

// A scheme made for another document type: none of its lines names a field
// of `type`, while some name fields of another type. That type (the one most
// of its lines fit), or nothing.
std::optional<TDocumentType> SchemeMadeForOtherType(const SchemeLines& lines, TDocumentType type);

// What both front ends say as such a scheme is opened (sSchemeForOtherType),
// or nothing.
std::optional<std::string> SchemeForOtherTypeLine(const std::string& file, const SchemeLines& lines,
                                                  TDocumentType type);
