#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>

// The third parameter of the automatic mode, read alike by the window and
// quarnel-convert: an optional sign and decimal digits, nothing else (no
// blanks, no second sign), as a signed 32-bit integer; any other text raises
// QuarnelError "'%s' is not a valid integer value". An integer outside 0..9
// selects no item of the document-type list, whose index of -1 reads as 255:
// the catalogue then rejects it with "Недопустимый тип товара в функции ...".
TDocumentType ReadDocumentTypeParameter(const std::string& text);

// What ReadDocumentTypeParameter gives for an integer outside the list.
inline constexpr TDocumentType kNoDocumentType = 255;

// The lines "  N - caption" of every document type, as both programs' --help
// lists them.
std::string DocumentTypeHelpLines();
