#pragma once

#include <string>

#include "xml/TXMLDocument.h"

// Technical goods (office goods, digital equipment, consumables), stamps,
// coins and the digital-edition fields of media. Most fields are plain
// elements of our own vocabulary inside DescriptiveDetail, written exactly as
// the cell holds them; nothing is checked or reported.
namespace ONIXFunctions::Product {

// A new Imprint/BrandName below PublishingDetail.
void Trademark(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Fields the catalogue offers but the message has no place for: they write
// nothing.
void Certificate(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Decor(TXMLDocument& doc, TXMLNode product, const std::string& text);

void Warranty(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Model(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Color(TXMLDocument& doc, TXMLNode product, const std::string& text);
void OperatingSystem(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ProcessorDescriptive(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Members of the one Storage group.
void Ram(TXMLDocument& doc, TXMLNode product, const std::string& text);
void InternalStorage(TXMLDocument& doc, TXMLNode product, const std::string& text);
void MemoryCard(TXMLDocument& doc, TXMLNode product, const std::string& text);
void MemoryCardCapacity(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Members of the one Screen group: Resolution, Size, the screen type (its
// field and element name spelled with a Cyrillic es) and Type.
void Resolution(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ScreenSize(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ScreenType(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SensorType(TXMLDocument& doc, TXMLNode product, const std::string& text);
void StorageCapacity(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ReadSpeed(TXMLDocument& doc, TXMLNode product, const std::string& text);
void WriteSpeed(TXMLDocument& doc, TXMLNode product, const std::string& text);
void FormatSupported(TXMLDocument& doc, TXMLNode product, const std::string& text);
void WiFi(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Network(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Bluetooth(TXMLDocument& doc, TXMLNode product, const std::string& text);
void NavigationSystem(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Members of the one Camera group.
void RearCamera(TXMLDocument& doc, TXMLNode product, const std::string& text);
void FrontCamera(TXMLDocument& doc, TXMLNode product, const std::string& text);
void BatteryVolume(TXMLDocument& doc, TXMLNode product, const std::string& text);
void BatteryLife(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The element name begins with a Cyrillic capital Es.
void CaseMaterial(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Suitableforusewith(TXMLDocument& doc, TXMLNode product, const std::string& text);
void PartNumber(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Stamps. A new ProductPart per call, holding only the count.
void NumberOfItemsOfThisForm(TXMLDocument& doc, TXMLNode product, const std::string& text);
void StampType(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Catalogue numbers: a Subject of scheme "24" named after the catalogue.
void STANDART(TXMLDocument& doc, TXMLNode product, const std::string& text);
void MICHEL(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CFA(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ITC_MARKA(TXMLDocument& doc, TXMLNode product, const std::string& text);
void SCOTT(TXMLDocument& doc, TXMLNode product, const std::string& text);
void YVERT(TXMLDocument& doc, TXMLNode product, const std::string& text);
void STANLEY_GIBBONS(TXMLDocument& doc, TXMLNode product, const std::string& text);
void PrintMethod(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Stamp sizes in millimetres.
void Heightmm(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Widthmm(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Perforation(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Watermark(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Paper(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Raster(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Illustration(TXMLDocument& doc, TXMLNode product, const std::string& text);
// An empty Used element, only for the mark "v" exactly.
void Used(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CityOfUse(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Theme(TXMLDocument& doc, TXMLNode product, const std::string& text);
void KeyWords(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The issue date of a stamp or coin, as typed.
void PublishingDateFull(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Coins.
void Denomination(TXMLDocument& doc, TXMLNode product, const std::string& text);
// The artist and the mint master: a Contributor without SequenceNumber whose
// initials the Init writer adds afterwards; initials without a surname are
// dropped.
void Painter(TXMLDocument& doc, TXMLNode product, const std::string& text);
void PainterInit(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Mincmeister(TXMLDocument& doc, TXMLNode product, const std::string& text);
void MincmeisterInit(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Ruler(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Coin sizes in millimetres, weight in grams.
void Diameter(TXMLDocument& doc, TXMLNode product, const std::string& text);
void HightCoin(TXMLDocument& doc, TXMLNode product, const std::string& text);
void WidthCoin(TXMLDocument& doc, TXMLNode product, const std::string& text);
void ThinCoin(TXMLDocument& doc, TXMLNode product, const std::string& text);
void WeightCoin(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Preserved(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CoinQuality(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Centrobank(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Morvel(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Tarnovik(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Krauze(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Conros(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Utk(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Obverse(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Reverse(TXMLDocument& doc, TXMLNode product, const std::string& text);
// Written as the element Certificate.
void CertificateCoin(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Metal(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Mint(TXMLDocument& doc, TXMLNode product, const std::string& text);
void Edge(TXMLDocument& doc, TXMLNode product, const std::string& text);
void CoinGrading(TXMLDocument& doc, TXMLNode product, const std::string& text);

// Digital editions, below PublishingDetail.
void Developer(TXMLDocument& doc, TXMLNode product, const std::string& text);
void DownloadSize(TXMLDocument& doc, TXMLNode product, const std::string& text);

} // namespace ONIXFunctions::Product
