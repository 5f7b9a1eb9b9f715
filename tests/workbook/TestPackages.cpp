#include "TestPackages.h"
#include "WarningListing.h"

#include "base/MessageFormat.h"
#include "messages/FaultMessages.h"
#include "workbook/CellDump.h"
#include "workbook/open/OpenWorkbook.h"

#include <zip.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

void WriteZip(const std::string& path, const std::vector<PackageEntry>& entries, bool stored)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot create " + path);
    for (const auto& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.content.data(), entry.content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + entry.name);
        }
        if (stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        if (entry.underPassword)
            zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "пароль");
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

std::vector<PackageEntry> XlsxPackage(const XlsxParts& parts)
{
    const std::string ns = kMainNamespace;
    const std::string rels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
    std::string workbookRels =
        header
        + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"rId1\" Type=\""
        + rels + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>";
    if (!parts.sharedStrings.empty())
        workbookRels += "<Relationship Id=\"rId2\" Type=\"" + rels + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    if (!parts.styles.empty())
        workbookRels += "<Relationship Id=\"rId3\" Type=\"" + rels + "/styles\" Target=\"styles.xml\"/>";
    workbookRels += "</Relationships>";

    std::vector<PackageEntry> entries = {
        {"[Content_Types].xml",
         header + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", header
                            + "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                              "<Relationship Id=\"rId1\" Type=\""
                            + rels
                            + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                              "</Relationships>"},
        {"xl/workbook.xml", header + "<workbook xmlns=\"" + ns + "\" xmlns:r=\"" + rels + "\"><workbookPr "
                                + parts.workbookProperties
                                + "/><sheets><sheet name=\"Лист1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", workbookRels},
        {"xl/worksheets/sheet1.xml",
         header + "<worksheet xmlns=\"" + ns + "\"><sheetData>" + parts.sheetData + "</sheetData></worksheet>"},
    };
    if (!parts.sharedStrings.empty())
        entries.push_back(
            {"xl/sharedStrings.xml", header + "<sst xmlns=\"" + ns + "\">" + parts.sharedStrings + "</sst>"});
    if (!parts.styles.empty())
        entries.push_back(
            {"xl/styles.xml", header + "<styleSheet xmlns=\"" + ns + "\">" + parts.styles + "</styleSheet>"});
    return entries;
}

std::vector<PackageEntry> Replaced(std::vector<PackageEntry> entries, const std::string& name,
                                   const std::string& content)
{
    for (auto& entry : entries)
        if (entry.name == name) entry.content = content;
    return entries;
}

std::vector<PackageEntry> Without(std::vector<PackageEntry> entries, const std::string& name)
{
    entries.erase(std::remove_if(entries.begin(), entries.end(), [&](const PackageEntry& e) { return e.name == name; }),
                  entries.end());
    return entries;
}

std::vector<PackageEntry> OdsPackage(const std::string& tables)
{
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"META-INF/manifest.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
         "<manifest:file-entry manifest:full-path=\"/\" "
         "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
         "</manifest:manifest>"},
        {"content.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
                        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
                        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
                        "xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\" "
                        "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">"
                        "<office:body><office:spreadsheet>"
                            + tables
                            + "</office:spreadsheet></office:body>"
                              "</office:document-content>"},
    };
}

std::string Dump(const Workbook& workbook)
{
    std::ostringstream out;
    HeldSheetRows rows(workbook);
    std::size_t written = 0;
    DumpCells(rows, out, written);
    return out.str();
}

std::string ReadDump(const std::string& path)
{
    const auto workbook = OpenWorkbook(path, Regional::Russian());
    return Dump(*workbook) + WarningListing(workbook->ReadingWarnings());
}

std::string Refusal(const std::string& path)
{
    try {
        const auto workbook = OpenWorkbook(path, Regional::Russian());
        Dump(*workbook);
    } catch (const WorkbookFault& fault) {
        switch (fault.kind) {
        case WorkbookFault::Kind::Encrypted: return "encrypted";
        case WorkbookFault::Kind::Broken: return "broken";
        case WorkbookFault::Kind::Unsupported: return "unsupported";
        case WorkbookFault::Kind::TooLarge: return "too large";
        default: return WorkbookFaultMessage(fault);
        }
    }
    return "read";
}
