#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// The bibliographic and physical fields of a price-list product, one writer
// per field identifier. Each appends below the row's Product in calling
// order; the composites (DescriptiveDetail, PublishingDetail,
// CollateralDetail, ProductSupply, CopyrightStatement) are created by the
// first writer called with a non-empty cell, so an empty cell never leaves an
// empty composite behind. An empty text writes nothing. Values are written as
// received unless a writer says otherwise.
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

// Contributors are numbered across all roles in calling order; a cell is one
// name, never split.
void Author(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Editor(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Translated(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Compiled(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Artist(TXMLDocument& doc, TXMLNode product, const std::string& text);

void EditionStatement(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ContributorStatement(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Collections: Series and ISSN share the collection of type "10";
// SubscriptionIndex takes the first collection without an identifier text;
// Periodicity the first collection of any kind.
void Series(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SubscriptionIndex(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Periodicity(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ISSN(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Publisher(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CityOfPublication(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The trimmed year is checked and reported, and written either way.
void PublicationDate(TXMLDocument& doc, TXMLNode product, const std::string& text);
void InitialPrintRun(TXMLDocument& doc, TXMLNode product, const std::string& text);
void NumberOfPages(TXMLDocument& doc, TXMLNode product, const std::string& text);

// "в обл." becomes "BC", "в пер." "BB" (exact comparison); anything else,
// the fixed forms of the document types included, is written unchanged.
void ProductForm(TXMLDocument& doc, TXMLNode product, const std::string& text);
// "коробка", "папка", "футляр" in any letter case become "09", "14", "10".
void ProductPackaging(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The run hands the cell over with "+" in front; "+" alone is no value.
void ProductFormDescription(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Dimensions(TXMLDocument& doc, TXMLNode product, const std::string& text);

void UDC(TXMLDocument& doc, TXMLNode product, const std::string& text);
void UDC_DEF(TXMLDocument& doc, TXMLNode product, const std::string& text);
void KTK(TXMLDocument& doc, TXMLNode product, const std::string& text);
void BBK(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Weight(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Height(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Width(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Thickness(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Annotation(TXMLDocument& doc, TXMLNode product, const std::string& text);
void RecommendedBy(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The two numbers are the feature values of the resource version.
void CoverImage(TXMLDocument& doc, TXMLNode product, const std::string& text, int featureValue02, int featureValue03);

// All seven share one PublishingDetail/CopyrightStatement per product.
void CopyrightType(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CopyrightYear(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CopyrightAgreementType(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CopyrightAgreementNum(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CopyrightAgreementDate(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CorporateName(TXMLDocument& doc, TXMLNode product, const std::string& text);
void PersonName(TXMLDocument& doc, TXMLNode product, const std::string& text);

// A final "+" that is the only one is dropped ("16+" is 16).
void AgeCategory(TXMLDocument& doc, TXMLNode product, const std::string& text);

} // namespace ONIXFunctions::Product
