#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>

// The third parameter of the automatic mode, read alike by the window and
// quarnel-convert: an optional sign and decimal digits, nothing else (no
// blanks, no second sign), of a value 0 to 9. Any other text raises
// QuarnelError naming the text and the values allowed.
TDocumentType ReadDocumentTypeParameter(const std::string& text);

// The lines "  N - caption" of every document type, as both programs' --help
// lists them.
std::string DocumentTypeHelpLines();
