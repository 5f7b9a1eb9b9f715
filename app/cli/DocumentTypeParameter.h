#pragma once

#include "catalogue/DocumentTypes.h"

#include <string>

// The third parameter of the automatic mode, read as the window read it: an
// integer text (optional sign, decimal digits) or the error "'%s' is not a
// valid integer value". An integer outside 0..9 selects no item of the
// document-type list, whose index of -1 reads as 255: the catalogue then
// rejects it with "Недопустимый тип товара в функции ...".
TDocumentType ReadDocumentTypeParameter(const std::string& text);
