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

// Media and digital products, plus the language, cover and map fields of
// books and maps. Texts are written as they stand; nothing is reported.
namespace ONIXFunctions::Product {

// Contributors with media roles; each call numbers one more Contributor of
// the product. Both actors of a row go through Actor.
void Vocal(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void ReadBy(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Composer(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Regisser(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Actor(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Scenar(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);
void Produs(TXMLDocument& doc, TXMLNode product, const std::string& keyNames, const std::string& namesBeforeKey);

// Languages by role: text, original, sound track, subtitles. An empty code
// writes nothing at all, not even DescriptiveDetail.
void TextLanguage(TXMLDocument& doc, TXMLNode product, const std::string& text);
void OriginLanguage(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SoundTrack(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SubtitleLanguage(TXMLDocument& doc, TXMLNode product, const std::string& text);

void ProductContentType(TXMLDocument& doc, TXMLNode product, const std::string& text);
// CountryOfManufacture.
void ProduceCountryName(TXMLDocument& doc, TXMLNode product, const std::string& text);
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
// The run has already turned "mono", "stereo" and the like into codes.
void SoundTrackType(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Bitrate(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Running time in minutes.
void RecordLength(TXMLDocument& doc, TXMLNode product, const std::string& text);
void TrackCount(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Release date.
void ProduceDate(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Sales rights: countries or regions where the product may, or may not, be
// sold.
void SalesRights(TXMLDocument& doc, TXMLNode product, const std::string& text);
void NotForSale(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SalesRightsRegion(TXMLDocument& doc, TXMLNode product, const std::string& text);
void NotForSaleRegion(TXMLDocument& doc, TXMLNode product, const std::string& text);

void CoverDetail(TXMLDocument& doc, TXMLNode product, const std::string& text);
void IllustrationsNote(TXMLDocument& doc, TXMLNode product, const std::string& text);
void MapScale(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Supplier with role "02", directly below the product.
void Distributor(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The number of carriers in the set.
void NumberOfPieces(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The title in the original language.
void OriginalName(TXMLDocument& doc, TXMLNode product, const std::string& text);

} // namespace ONIXFunctions::Product
