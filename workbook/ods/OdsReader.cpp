#include "workbook/ods/OdsReader.h"

#include "workbook/ods/OdsContent.h"
#include "workbook/WorkbookFault.h"
#include "workbook/XmlPartParser.h"
#include "workbook/ZipArchive.h"

namespace {

constexpr std::string_view kManifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

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

bool IsSpreadsheetMimeType(std::string_view type)
{
    return type == "application/vnd.oasis.opendocument.spreadsheet"
        || type == "application/vnd.oasis.opendocument.spreadsheet-template";
}

} // namespace

void ReadOdsWorkbook(ZipArchive& archive, CellSink& sink)
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
    if (!ReadOdsContent(archive, sink)) ThrowUnsupported(ReadReason::NoSpreadsheet);
}
