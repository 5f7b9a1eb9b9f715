#include "WorkbookParts.h"

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr char kRelationships[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr char kPackageRelationships[] = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    return out;
}

// Gives `head` and then `filler` repeated, up to `total` bytes, to libzip as
// it asks for them.
class InflatingSource {
public:
    InflatingSource(std::string head, std::string filler, std::uint64_t total)
        : head_(std::move(head)), filler_(std::move(filler)), total_(total)
    {
    }

    static zip_int64_t Callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        return static_cast<InflatingSource*>(self)->Answer(data, length, command);
    }

private:
    zip_int64_t Answer(void* data, zip_uint64_t length, zip_source_cmd_t command)
    {
        switch (command) {
        case ZIP_SOURCE_OPEN: position_ = 0; return 0;
        case ZIP_SOURCE_READ: return Read(static_cast<char*>(data), length);
        case ZIP_SOURCE_CLOSE: return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->size = total_;
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR: return zip_error_to_data(&error_, data, length);
        case ZIP_SOURCE_FREE: delete this; return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                                  ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default: zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0); return -1;
        }
    }

    zip_int64_t Read(char* out, zip_uint64_t length)
    {
        const zip_uint64_t count = std::min<zip_uint64_t>(length, total_ - position_);
        for (zip_uint64_t done = 0; done < count;) {
            // The rest of the head, or of the filler round we are in.
            const std::string& piece = position_ < head_.size() ? head_ : filler_;
            const zip_uint64_t offset =
                position_ < head_.size() ? position_ : (position_ - head_.size()) % filler_.size();
            const zip_uint64_t n = std::min<zip_uint64_t>(count - done, piece.size() - offset);
            std::memcpy(out + done, piece.data() + offset, n);
            done += n;
            position_ += n;
        }
        return static_cast<zip_int64_t>(count);
    }

    std::string head_;
    std::string filler_;
    std::uint64_t total_;
    std::uint64_t position_ = 0;
    zip_error_t error_{};
};

} // namespace

std::vector<BundlePart> XlsxWithSheetPart(const std::string& sheet, const std::string& sharedStrings)
{
    const std::string rels = kRelationships;
    std::string workbookRels = std::string(kDeclaration) + "<Relationships xmlns=\"" + kPackageRelationships
                               + "\"><Relationship Id=\"rId1\" Type=\"" + rels
                               + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>";
    if (!sharedStrings.empty())
        workbookRels += "<Relationship Id=\"rId2\" Type=\"" + rels + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
    workbookRels += "</Relationships>";

    std::vector<BundlePart> parts = {
        {"[Content_Types].xml",
         std::string(kDeclaration) + "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", std::string(kDeclaration) + "<Relationships xmlns=\"" + kPackageRelationships
                            + "\"><Relationship Id=\"rId1\" Type=\"" + rels
                            + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", std::string(kDeclaration) + "<workbook xmlns=\"" + kSpreadsheetMl + "\" xmlns:r=\"" + rels
                                + "\"><sheets><sheet name=\"Лист1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", workbookRels},
        {"xl/worksheets/sheet1.xml", sheet},
    };
    if (!sharedStrings.empty())
        parts.push_back({"xl/sharedStrings.xml", std::string(kDeclaration) + "<sst xmlns=\"" + kSpreadsheetMl + "\">"
                                                     + sharedStrings + "</sst>"});
    return parts;
}

std::vector<BundlePart> XlsxWithSheetData(const std::string& sheetData, const std::string& sharedStrings)
{
    return XlsxWithSheetPart(std::string(kDeclaration) + "<worksheet xmlns=\"" + kSpreadsheetMl + "\"><sheetData>"
                                 + sheetData + "</sheetData></worksheet>",
                             sharedStrings);
}

std::string InlineCell(const std::string& reference, const std::string& text)
{
    return "<c r=\"" + reference + "\" t=\"inlineStr\"><is><t>" + Escaped(text) + "</t></is></c>";
}

std::vector<BundlePart> OdsWithContent(const std::string& content)
{
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"content.xml", content},
    };
}

void WriteZipWithInflatingPart(const std::string& path, const std::vector<BundlePart>& parts, const std::string& name,
                               const std::string& head, const std::string& filler, std::uint64_t inflatedBytes)
{
    WriteBundleZip(path, parts);
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), 0, &error);
    if (!archive) throw std::runtime_error("cannot reopen " + path);
    auto* state = new InflatingSource(head, filler, inflatedBytes);
    zip_source_t* source = zip_source_function(archive, InflatingSource::Callback, state);
    if (!source) {
        delete state;
        zip_discard(archive);
        throw std::runtime_error("cannot make a source for " + name);
    }
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        zip_discard(archive);
        throw std::runtime_error("cannot add " + name);
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + path);
    }
}
