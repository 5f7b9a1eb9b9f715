#pragma once

#include <cstdint>
#include <string>

// The item index of the document-type list of step 1 and the third parameter
// of the command line: 0 to 8 are price lists of the nine kinds of goods, 9 is
// the invoice.
using TDocumentType = std::uint8_t;

inline constexpr TDocumentType kInvoiceType = 9;
inline constexpr int kDocumentTypeCount = 10;

// The caption of the type in the document-type list.
std::string DocumentTypeCaption(TDocumentType type);

// Raises "Недопустимый тип товара в функции <operation>" for a type outside
// 0..9. A command line with a bad type parameter reaches the catalogue as an
// index of -1 read as 255, so the message must say which operation met it.
void RequireDocumentType(TDocumentType type, const std::string& operation);
