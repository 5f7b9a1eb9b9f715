#include "BenchInputs.h"

#include "catalogue/FieldCatalogue.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeLine.h"

#include <zip.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

const std::string kRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kPackageRels = "http://schemas.openxmlformats.org/package/2006/relationships";
const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

struct Part {
    std::string name;
    std::string content;
};

void WriteZip(const std::string& path, const std::vector<Part>& parts)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "cannot create %s\n", path.c_str());
        std::exit(2);
    }
    for (const Part& part : parts) {
        zip_source_t* source = zip_source_buffer(archive, part.content.data(), part.content.size(), 0);
        if (!source || zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            std::fprintf(stderr, "cannot add %s\n", part.name.c_str());
            std::exit(2);
        }
    }
    if (zip_close(archive) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(2);
    }
}

// The letters of a column, from 1: A, ..., Z, AA, ...
std::string ColumnLetters(std::size_t column)
{
    std::string letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    return letters;
}

std::string InlineCell(std::size_t column, int row, const std::string& text)
{
    return "<c r=\"" + ColumnLetters(column) + std::to_string(row) + "\" t=\"inlineStr\"><is><t>" + text
           + "</t></is></c>";
}

std::string SheetPart(const std::vector<std::vector<std::string>>& rows)
{
    std::string xml = "<worksheet xmlns=\"" + kMain + "\"><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        xml += "<row r=\"" + std::to_string(row) + "\">";
        for (std::size_t c = 0; c < rows[r].size(); ++c) xml += InlineCell(c + 1, row, rows[r][c]);
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

} // namespace

// An xlsx of these sheets, named in order, each with the same rows.
void WriteXlsx(const std::string& path, const std::vector<std::string>& names,
               const std::vector<std::vector<std::string>>& rows)
{
    std::string types = "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" "
                        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Override PartName=\"/xl/workbook.xml\" "
                        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    std::string sheets;
    std::string relationships = "<Relationships xmlns=\"" + kPackageRels + "\">";
    std::vector<Part> parts;
    const std::string sheet = SheetPart(rows);
    for (std::size_t i = 1; i <= names.size(); ++i) {
        const std::string n = std::to_string(i);
        types += "<Override PartName=\"/xl/worksheets/sheet" + n
                 + ".xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        sheets += "<sheet name=\"" + names[i - 1] + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        relationships += "<Relationship Id=\"rId" + n + "\" Type=\"" + kRels + "/worksheet\" Target=\"worksheets/sheet"
                         + n + ".xml\"/>";
        parts.push_back({"xl/worksheets/sheet" + n + ".xml", sheet});
    }
    parts.push_back({"[Content_Types].xml", types + "</Types>"});
    parts.push_back({"_rels/.rels", "<Relationships xmlns=\"" + kPackageRels + "\"><Relationship Id=\"rId1\" Type=\""
                                        + kRels + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"});
    parts.push_back({"xl/workbook.xml", "<workbook xmlns=\"" + kMain + "\" xmlns:r=\"" + kRels + "\"><sheets>" + sheets
                                            + "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels", relationships + "</Relationships>"});
    WriteZip(path, parts);
}

void WriteOds(const std::string& path, const std::vector<std::string>& names)
{
    std::string content =
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>";
    for (const std::string& name : names)
        content += "<table:table table:name=\"" + name
                   + "\"><table:table-row><table:table-cell><text:p>Код</text:p></table:table-cell>"
                     "</table:table-row></table:table>";
    content += "</office:spreadsheet></office:body></office:document-content>";
    WriteZip(path, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                    {"META-INF/manifest.xml",
                     "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                     "<manifest:file-entry manifest:full-path=\"/\" "
                     "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
                     "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
                     "</manifest:manifest>"},
                    {"content.xml", content}});
}

// A scheme mapping these columns to fields of the document type.
void WriteScheme(const std::string& path, TDocumentType type,
                 const std::vector<std::pair<const char*, std::string>>& fieldColumns)
{
    SchemeLines lines;
    for (const auto& [fieldID, column] : fieldColumns)
        lines.push_back(SchemeLineFor(FieldCaption(fieldID, type), column));
    WriteSchemeFile(path, lines);
}

std::optional<BenchFolder> BenchFolder::FromArguments(int argc, char** argv, const std::string& prefix)
{
    BenchFolder folder;
    if (argc == 3 && std::string(argv[1]) == "--folder") {
        folder.path = argv[2];
        return folder;
    }
    if (argc != 1) {
        std::fprintf(stderr, "usage: %s [--folder DIR]\n", argv[0]);
        return std::nullopt;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) return std::nullopt;
    folder.path = pattern;
    folder.own = true;
    return folder;
}

BenchFolder::~BenchFolder()
{
    std::error_code ignored;
    if (own) std::filesystem::remove_all(path, ignored);
}
