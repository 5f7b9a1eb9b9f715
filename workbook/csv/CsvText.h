#pragma once

#include "workbook/CellSink.h"

#include <string>
#include <string_view>

// The text of a delimited-text file as UTF-8. A byte-order mark names UTF-8 or
// UTF-16, unless the bytes after it say otherwise. Without one the text is
// UTF-8 when it holds at least one valid multi-byte sequence and at most one
// invalid sequence per thousand valid ones (a stray byte in a UTF-8 file),
// and windows-1251 otherwise. Invalid bytes in UTF-8 become U+FFFD; the lines
// holding them, and a mark the bytes contradict, go to the sink's warnings.
// UTF-16 that ends on half a character is damage (WorkbookFault).
std::string DecodeCsvText(std::string_view bytes, CellSink& sink);
