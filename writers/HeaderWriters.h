#pragma once

#include <cstdint>
#include <string>

#include "xml/TXMLDocument.h"

// The message header, filled by both runs in the same calling order:
// FromSAN, FromCompany, FromPerson, ToSAN, ToCompany, ToPerson, MessageNumber,
// SentDate, MessageNote. Nothing is checked or reported: a header never makes
// a conversion error. Texts are written untrimmed; an empty text writes
// nothing.
namespace ONIXFunctions::Header {

// Price lists group the parties in Sender/Addressee composites; invoices
// write one plain element per input. Any other layout value writes nothing.
inline constexpr std::uint8_t kFlatLayout = 0;
inline constexpr std::uint8_t kCompositeLayout = 1;

void FromSAN(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);
void FromCompany(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);
void FromPerson(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);
void ToSAN(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);
void ToCompany(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);
void ToPerson(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout);

void MessageNumber(TXMLDocument& doc, TXMLNode header, const std::string& text);

// dateTime 0 means no date and writes nothing.
void SentDate(TXMLDocument& doc, TXMLNode header, double dateTime, std::uint8_t layout);

void MessageNote(TXMLDocument& doc, TXMLNode header, const std::string& text);

} // namespace ONIXFunctions::Header
