#include "writers/MediaWriters.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "base/Utf8Text.h"
#include "writers/ONIXNodes.h"
#include "writers/SoundTrackCode.h"

namespace ONIXFunctions {

namespace {

using CodeMap = std::pair<std::string_view, std::string_view>;

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view pattern)
{
    if (text.size() - at < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (FoldAscii(text[at + i]) != FoldAscii(pattern[i])) return false;
    return true;
}

// Left to right, never looking again at what a replacement put in. The
// patterns are ASCII, so a byte-wise comparison never splits a UTF-8
// character.
std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (MatchesAt(text, i, from)) {
            result += to;
            i += from.size();
        } else {
            result += text[i++];
        }
    }
    return result;
}

// Suppliers write the same format as "16 : 9", "Audio-CD", "PAL/SECAM" or
// "MPEG (4)"; the separators carry no meaning for the codes.
std::string WithoutSeparators(std::string_view text)
{
    std::string result(text);
    for (const char separator : {' ', '(', ')', '/', '\\', '-'})
        result.erase(std::remove(result.begin(), result.end(), separator), result.end());
    return result;
}

// Order matters: "16:1" is replaced before "16:9" and so turns "16:10" into
// "E2240".
constexpr std::array<CodeMap, 5> kAspectRatios{{
    {"5:4", "E221"},
    {"4:3", "E222"},
    {"3:2", "E223"},
    {"16:1", "E224"},
    {"16:9", "E225"},
}};

constexpr std::array<CodeMap, 19> kDigitalFormats{{
    {"PAL", "V201"},
    {"NTSC", "V202"},
    {"SECAM", "V203"},
    {"AudioCD", "A101"},
    {"SuperAudioSACD", "A102"},
    {"MP3", "A103"},
    {"WAV", "A104"},
    {"RealAudio", "A105"},
    {"WindowsMediaAudioWMA", "A106"},
    {"AAC", "A107"},
    {"OggVorbis", "A108"},
    {"Audible", "A109"},
    {"FLAC", "A110"},
    {"AIFF", "A111"},
    {"RealVideo", "D101"},
    {"Quicktime", "D102"},
    // Ahead of "AVI", which "MediaVideo" contains: the other way round
    // "Windows Media Video" would come out as "WindowsMediD103deo".
    {"WindowsMediaVideo", "D104"},
    {"AVI", "D103"},
    {"MPEG4", "D105"},
}};

// A112 has no name in the map but is accepted when a cell holds the code.
constexpr std::array<std::string_view, 20> kDigitalFormatCodes{
    "V201", "V202", "V203", "A101", "A102", "A103", "A104", "A105", "A106", "A107",
    "A108", "A109", "A110", "A111", "A112", "D101", "D102", "D103", "D104", "D105",
};

template <std::size_t N>
std::string Translate(const std::string& text, const std::array<CodeMap, N>& map)
{
    std::string result = WithoutSeparators(text);
    for (const auto& [name, code] : map) result = ReplaceAllIgnoringCase(result, name, code);
    return result;
}

} // namespace

std::string AspectRatioCode(const std::string& text)
{
    return Translate(text, kAspectRatios);
}

std::string DigitalFormatCode(const std::string& text)
{
    return Translate(text, kDigitalFormats);
}

bool IsDigitalFormatCode(const std::string& text)
{
    return std::any_of(kDigitalFormatCodes.begin(), kDigitalFormatCodes.end(),
                       [&](std::string_view code) { return SameTextIgnoreCase(text, code); });
}

} // namespace ONIXFunctions

namespace ONIXFunctions::Product {

namespace {

TXMLNode DescriptiveDetailOf(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "DescriptiveDetail");
}

TXMLNode PublishingDetailOf(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, product, "PublishingDetail");
}

TXMLNode ProductFormDetailOf(TXMLDocument& doc, TXMLNode product)
{
    return FindOrAddNode(doc, DescriptiveDetailOf(doc, product), "ProductFormDetail");
}

} // namespace

void ProduceCompanyName(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    const TXMLNode publishing = PublishingDetailOf(doc, product);
    AddCodedNode(doc, publishing, "Publisher", "PublishingRole", "19", "PublisherName", text);
}

void DVDRegionCode(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    AddCodedNode(doc, DescriptiveDetailOf(doc, product), "ProductFormFeature", "ProductFormFeatureType", "05",
                 "ProductFormFeatureValue", text);
}

void VideoProportion(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    doc.AddElement(ProductFormDetailOf(doc, product), "AspectRatio", AspectRatioCode(text));
}

void DigitalFormat(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const std::string code = DigitalFormatCode(text);
    doc.AddElement(ProductFormDetailOf(doc, product), IsDigitalFormatCode(code) ? "DigitalFormat" : "Other", code);
}

void Super(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (!text.empty()) doc.AddElement(ProductFormDetailOf(doc, product), "Jacket", "B501");
}

void SoundTrackType(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    const std::string code = SoundTrackCode(text);
    if (!code.empty()) doc.AddElement(ProductFormDetailOf(doc, product), "SoundTrack", code);
}

void CoverDetail(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode feature = doc.AddElement(DescriptiveDetailOf(doc, product), "ProductFormFeature", "");
    doc.AddElement(feature, "ProductFormFeatureDescription", text);
}

void Distributor(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode supplier = FindOrAddNode(doc, product, "Supplier");
    doc.AddElement(supplier, "SupplierRole", "02");
    doc.AddElement(supplier, "SupplierName", text);
}

void NumberOfPieces(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode part = doc.AddElement(DescriptiveDetailOf(doc, product), "ProductPart", "");
    doc.AddElement(part, "ProductForm", "AC");
    doc.AddElement(part, "NumberOfItemsOfThisForm", text);
}

void OriginalName(TXMLDocument& doc, TXMLNode product, const std::string& text)
{
    if (text.empty()) return;
    const TXMLNode title = doc.AddElement(DescriptiveDetailOf(doc, product), "TitleDetail", "");
    doc.AddElement(title, "TitleType", "03");
    const TXMLNode element = doc.AddElement(title, "TitleElement", "");
    doc.AddElement(element, "TitleElementLevel", "01");
    doc.AddElement(element, "TitleText", text);
}

} // namespace ONIXFunctions::Product
