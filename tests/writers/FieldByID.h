#pragma once

#include "catalogue/FieldTable.h"
#include "writers/FieldWriter.h"

#include <functional>
#include <string>

// A field's cell written as the price-list run writes it, the field found by
// its identifier.
inline std::function<void(TXMLDocument&, TXMLNode, const std::string&)> Field(const char* id)
{
    const FieldRow* row = FindFieldRow(id);
    return [row](TXMLDocument& doc, TXMLNode product, const std::string& text) {
        ONIXFunctions::Product::WriteField(doc, product, row->writing, text);
    };
}

// The same for a field written with its pair: the key names, then the names
// before the key.
inline std::function<void(TXMLDocument&, TXMLNode, const std::string&, const std::string&)> PairedField(const char* id)
{
    const FieldRow* row = FindFieldRow(id);
    return [row](TXMLDocument& doc, TXMLNode product, const std::string& text, const std::string& pair) {
        ONIXFunctions::Product::WriteField(doc, product, row->writing, text, pair);
    };
}
