#pragma once

#include <string>

#include "xml/TXMLDocument.h"

namespace ONIXFunctions {

// The aspect-ratio cell as the receiver expects it: blanks, brackets, slashes
// and hyphens dropped, then the known ratios replaced by their codes wherever
// they occur ("16:9" -> "E225", "4:3 (PAL)" -> "E222PAL"). Unknown text comes
// back normalised but otherwise as typed.
std::string AspectRatioCode(const std::string& text);

// The digital-format cell normalised the same way, then the known format
// names replaced by their codes ("Audio CD" -> "A101", "PAL/SECAM" ->
// "V201V203").
std::string DigitalFormatCode(const std::string& text);

// True for one of the twenty digital-format codes (V201-V203, A101-A112,
// D101-D105), in any letter case.
bool IsDigitalFormatCode(const std::string& text);

} // namespace ONIXFunctions

// The media fields that translate their values into codes or keep a composite
// of their own (FieldWriter writes the rest). Nothing is reported.
namespace ONIXFunctions::Product {

// Publisher with role "19"; also the manufacturer writer. PublishingDetail is
// taken even for an empty text, so every price-list product carries one.
void ProduceCompanyName(TXMLDocument& doc, TXMLNode product, const std::string& text);
void DVDRegionCode(TXMLDocument& doc, TXMLNode product, const std::string& text);

// ProductFormDetail members.
void VideoProportion(TXMLDocument& doc, TXMLNode product, const std::string& text);
// DigitalFormat for a known code, Other for anything else.
void DigitalFormat(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Jacket "B501" for any non-empty text.
void Super(TXMLDocument& doc, TXMLNode product, const std::string& text);
// "mono", "stereo" and the like become their codes (SoundTrackCode).
void SoundTrackType(TXMLDocument& doc, TXMLNode product, const std::string& text);

void CoverDetail(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Supplier with role "02", directly below the product.
void Distributor(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The number of carriers in the set.
void NumberOfPieces(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The title in the original language.
void OriginalName(TXMLDocument& doc, TXMLNode product, const std::string& text);

} // namespace ONIXFunctions::Product
