#pragma once

#include <string>

#include "catalogue/FieldTable.h"
#include "xml/TXMLDocument.h"

namespace ONIXFunctions::Product {

// Writes a field's cell below the row's Product as its row of the field table
// says; pairText is the cell of the field's pair (the names before the key, the
// subtitle). The composites (DescriptiveDetail, PublishingDetail, ...) are
// created by the first field written into them, so the order of the calls
// decides the order of the elements.
void WriteField(TXMLDocument& doc, TXMLNode product, const FieldWriting& writing, const std::string& text,
                const std::string& pairText = {});

} // namespace ONIXFunctions::Product
