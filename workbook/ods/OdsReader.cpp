#include "workbook/ods/OdsReader.h"

#include "workbook/ods/OdsContent.h"
#include "workbook/WorkbookFault.h"
#include "workbook/XmlPartParser.h"
#include "workbook/ZipArchive.h"

#include <algorithm>

namespace {

constexpr std::string_view kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";
constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kStyleNs = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
constexpr std::string_view kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";

// Finds whether the manifest lists content.xml as encrypted.
class ManifestHandler : public XmlHandler {
public:
    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (uri != kManifest) return;
        if (name == "file-entry") inContentEntry_ = attributes.Raw("full-path", kManifest) == "content.xml";
        else if (name == "encryption-data" && inContentEntry_) encrypted = true;
    }
    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (uri == kManifest && name == "file-entry") inContentEntry_ = false;
    }
    void Characters(std::string_view) override {}

    bool encrypted = false;

private:
    bool inContentEntry_ = false;
};

// The tables of the spreadsheet in order, with the table styles that hide a
// table (automatic styles come before the body).
class TableListHandler : public XmlHandler {
public:
    void StartElement(std::string_view name, std::string_view uri, const XmlAttributes& attributes) override
    {
        if (uri == kOfficeNs && name == "spreadsheet") {
            inSpreadsheet_ = true;
        } else if (uri == kStyleNs && name == "style") {
            styleName_ = attributes.Text("name", kStyleNs).value_or(std::string());
        } else if (uri == kStyleNs && name == "table-properties" && attributes.Raw("display", kTableNs) == "false") {
            hiddenStyles_.push_back(styleName_);
        } else if (uri == kTableNs && name == "table" && inSpreadsheet_ && depth_++ == 0) {
            const std::string style = attributes.Text("style-name", kTableNs).value_or(std::string());
            tables.push_back({attributes.Text("name", kTableNs).value_or(std::string()),
                              std::find(hiddenStyles_.begin(), hiddenStyles_.end(), style) != hiddenStyles_.end(),
                              true});
        }
    }
    void EndElement(std::string_view name, std::string_view uri) override
    {
        if (uri == kTableNs && name == "table" && depth_ > 0) --depth_;
    }
    void Characters(std::string_view) override {}

    std::vector<SheetCandidate> tables;

private:
    bool inSpreadsheet_ = false;
    int depth_ = 0;
    std::string styleName_;
    std::vector<std::string> hiddenStyles_;
};

bool IsSpreadsheetMimeType(std::string_view type)
{
    return type == "application/vnd.oasis.opendocument.spreadsheet"
           || type == "application/vnd.oasis.opendocument.spreadsheet-template";
}

void RequireSpreadsheetPackage(ZipArchive& archive)
{
    if (archive.Contains("mimetype")) {
        std::string type = archive.ReadAll("mimetype");
        while (!type.empty() && static_cast<unsigned char>(type.back()) <= ' ') type.pop_back();
        if (!IsSpreadsheetMimeType(type)) ThrowUnsupported(ReadReason::NoSpreadsheet);
    }
    if (archive.Contains("META-INF/manifest.xml")) {
        ManifestHandler manifest;
        ParseXmlPart(archive, "META-INF/manifest.xml", manifest);
        if (manifest.encrypted) ThrowEncrypted();
    }
}

} // namespace

void ReadOdsWorkbook(ZipArchive& archive, CellSink& sink, const SheetChoice& choice)
{
    RequireSpreadsheetPackage(archive);
    if (!ReadOdsContent(archive, sink, choice)) ThrowUnsupported(ReadReason::NoSpreadsheet);
}

std::vector<SheetEntry> ListOdsSheets(ZipArchive& archive)
{
    RequireSpreadsheetPackage(archive);
    TableListHandler handler;
    ParseXmlPart(archive, "content.xml", handler);
    return OfferedSheets(handler.tables);
}
