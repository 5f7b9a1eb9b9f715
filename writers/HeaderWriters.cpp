#include "writers/HeaderWriters.h"

#include "writers/ONIXChecks.h"
#include "writers/ONIXNodes.h"

namespace ONIXFunctions::Header {

namespace {

// The receiver knows the party identifiers as Russian tax numbers.
constexpr char kTaxNumberTypeName[] = "ИНН";

// Where one party input goes in each layout.
struct PartyElement {
    const char* flatName;      // the plain element of the flat layout
    const char* composite;     // Sender or Addressee
    const char* compositeName; // the child of the composite
};

// The tax number goes out as a proprietary identifier (type "01").
struct PartyIdentifier {
    const char* flatName;
    const char* composite;
    const char* identifier;
    const char* idType;
};

void WriteParty(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout,
                const PartyElement& element)
{
    if (text.empty()) return;
    if (layout == kFlatLayout) {
        doc.AddElement(header, element.flatName, text);
    } else if (layout == kCompositeLayout) {
        doc.AddElement(FindOrAddNode(doc, header, element.composite), element.compositeName, text);
    }
}

void WritePartyIdentifier(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout,
                          const PartyIdentifier& element)
{
    if (text.empty()) return;
    if (layout == kFlatLayout) {
        doc.AddElement(header, element.flatName, text);
    } else if (layout == kCompositeLayout) {
        const TXMLNode party = FindOrAddNode(doc, header, element.composite);
        const TXMLNode identifier = doc.AddElement(party, element.identifier, "");
        doc.AddElement(identifier, element.idType, "01");
        doc.AddElement(identifier, "IDTypeName", kTaxNumberTypeName);
        doc.AddElement(identifier, "IDValue", text);
    }
}

} // namespace

void FromSAN(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WritePartyIdentifier(doc, header, text, layout, {"FromSAN", "Sender", "SenderIdentifier", "SenderIDType"});
}

void FromCompany(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WriteParty(doc, header, text, layout, {"FromCompany", "Sender", "SenderName"});
}

void FromPerson(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WriteParty(doc, header, text, layout, {"FromPerson", "Sender", "ContactName"});
}

void ToSAN(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WritePartyIdentifier(doc, header, text, layout, {"ToSAN", "Addressee", "AddresseeIdentifier", "AddresseeIDType"});
}

void ToCompany(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WriteParty(doc, header, text, layout, {"ToCompany", "Addressee", "AddresseeName"});
}

void ToPerson(TXMLDocument& doc, TXMLNode header, const std::string& text, std::uint8_t layout)
{
    WriteParty(doc, header, text, layout, {"ToPerson", "Addressee", "ContactName"});
}

void MessageNumber(TXMLDocument& doc, TXMLNode header, const std::string& text)
{
    if (!text.empty()) doc.AddElement(header, "MessageNumber", text);
}

void SentDate(TXMLDocument& doc, TXMLNode header, double dateTime, std::uint8_t layout)
{
    if (dateTime == 0) return;
    if (layout == kFlatLayout) {
        doc.AddElement(header, "SentDate", FormatONIXDate(dateTime));
    } else if (layout == kCompositeLayout) {
        doc.AddElement(header, "SentDateTime", FormatONIXDate(dateTime));
    }
}

void MessageNote(TXMLDocument& doc, TXMLNode header, const std::string& text)
{
    if (!text.empty()) doc.AddElement(header, "MessageNote", text);
}

} // namespace ONIXFunctions::Header
