#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// The book fields that check their values, translate them into codes or keep
// a composite of their own (FieldWriter writes the rest). Each appends below
// the row's Product in calling order; the composites are created by the first
// writer called with a non-empty cell, so an empty cell never leaves an empty
// composite behind. An empty text writes nothing.
namespace ONIXFunctions::Product {

// An empty article number is reported (critical) and nothing is written.
void RecordReference(TXMLDocument& doc, TXMLNode product, const std::string& text);
void NotificationType(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Identifiers are trimmed, checked and reported, and written even when the
// check fails, so a saved message holds exactly what the workbook held. An
// ISBN is written only with 10 (type "02") or 13 (type "15") characters
// besides hyphens.
void EAN13(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ISBN(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Title(TXMLDocument& doc, TXMLNode product, const std::string& title, const std::string& subtitle);

// Collections: Series and ISSN share the collection of type "10";
// SubscriptionIndex takes the first collection without an identifier text;
// Periodicity the first collection of any kind.
void Series(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SubscriptionIndex(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Periodicity(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ISSN(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Publisher(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The trimmed year is checked and reported, and written either way.
void PublicationDate(TXMLDocument& doc, TXMLNode product, const std::string& text);
void InitialPrintRun(TXMLDocument& doc, TXMLNode product, const std::string& text);

// "в обл." becomes "BC", "в пер." "BB" (exact comparison); anything else,
// the fixed forms of the document types included, is written unchanged.
void ProductForm(TXMLDocument& doc, TXMLNode product, const std::string& text);
// "коробка", "папка", "футляр" in any letter case become "09", "14", "10".
void ProductPackaging(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Written with "+" in front, as the receiver reads it.
void ProductFormDescription(TXMLDocument& doc, TXMLNode product, const std::string& text);

// The two numbers are the feature values of the resource version.
void CoverImage(TXMLDocument& doc, TXMLNode product, const std::string& text, int featureValue02, int featureValue03);

} // namespace ONIXFunctions::Product
