#include "BiffBuilder.h"

#include "base/Utf8Text.h"

#include <gsf/gsf.h>

#include <cstring>
#include <stdexcept>

Body& Body::U8(std::uint8_t value)
{
    bytes_.push_back(static_cast<char>(value));
    return *this;
}

Body& Body::U16(std::uint16_t value)
{
    return U8(value & 0xFF).U8(value >> 8);
}

Body& Body::U32(std::uint32_t value)
{
    return U16(value & 0xFFFF).U16(value >> 16);
}

Body& Body::F64(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) U8(static_cast<std::uint8_t>(bits >> (8 * i)));
    return *this;
}

Body& Body::Raw(const std::string& bytes)
{
    bytes_ += bytes;
    return *this;
}

namespace {

std::u32string CodePoints(const std::string& text)
{
    std::u32string points;
    for (std::size_t pos = 0; pos < text.size();) points.push_back(NextCodePoint(text, pos));
    return points;
}

} // namespace

Body& Body::Utf16(const std::string& text)
{
    for (char32_t c : CodePoints(text)) {
        if (c >= 0x10000) {
            U16(static_cast<std::uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
            U16(static_cast<std::uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            U16(static_cast<std::uint16_t>(c));
        }
    }
    return *this;
}

Body& Body::Biff8String(const std::string& text)
{
    const std::u32string points = CodePoints(text);
    bool compressed = true;
    for (char32_t c : points) compressed = compressed && c < 0x100;
    if (compressed) {
        U16(static_cast<std::uint16_t>(points.size())).U8(0);
        for (char32_t c : points) U8(static_cast<std::uint8_t>(c));
        return *this;
    }
    std::size_t units = 0;
    for (char32_t c : points) units += c >= 0x10000 ? 2 : 1;
    return U16(static_cast<std::uint16_t>(units)).U8(1).Utf16(text);
}

Body& Body::Biff5String(const std::string& bytes)
{
    return U16(static_cast<std::uint16_t>(bytes.size())).Raw(bytes);
}

std::string RecordBytes(const Record& record)
{
    return Body().U16(record.id).U16(static_cast<std::uint16_t>(record.body.size())).Raw(record.body);
}

std::string RecordBytes(const std::vector<Record>& records)
{
    std::string bytes;
    for (const Record& record : records) bytes += RecordBytes(record);
    return bytes;
}

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kBoundSheet = 0x0085;

Record Bof(Biff version, std::uint16_t substream)
{
    Body body;
    body.U16(version == Biff::V8 ? 0x0600 : 0x0500).U16(substream).U16(0x0DBB).U16(1996);
    if (version == Biff::V8) body.U32(0).U32(0x0206);
    return {kBof, body};
}

Record BoundSheet(Biff version, std::uint32_t offset, const SheetSpec& sheet, int number)
{
    const std::string name = "Sheet" + std::to_string(number);
    Body body;
    body.U32(offset).U8(sheet.visibility).U8(sheet.boundSheetType).U8(static_cast<std::uint8_t>(name.size()));
    if (version == Biff::V8) body.U8(0);
    return {kBoundSheet, body.Raw(name)};
}

} // namespace

std::string WorkbookStream(Biff version, const std::vector<Record>& globals, const std::vector<SheetSpec>& sheets)
{
    const auto globalsBytes = [&](const std::vector<std::uint32_t>& offsets) {
        std::vector<Record> records{Bof(version, 0x0005)};
        records.insert(records.end(), globals.begin(), globals.end());
        for (std::size_t i = 0; i < sheets.size(); ++i)
            records.push_back(BoundSheet(version, offsets[i], sheets[i], static_cast<int>(i + 1)));
        records.push_back({kEof, {}});
        return RecordBytes(records);
    };
    std::vector<std::uint32_t> offsets(sheets.size(), 0);
    std::string stream = globalsBytes(offsets);
    std::string substreams;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        offsets[i] = static_cast<std::uint32_t>(stream.size() + substreams.size());
        std::vector<Record> records{Bof(version, sheets[i].substreamType)};
        records.insert(records.end(), sheets[i].records.begin(), sheets[i].records.end());
        records.push_back({kEof, {}});
        substreams += RecordBytes(records);
    }
    return globalsBytes(offsets) + substreams;
}

void WriteOleFile(const std::string& path, const std::vector<std::pair<std::string, std::string>>& streams)
{
    gsf_init();
    GError* error = nullptr;
    GsfOutput* sink = gsf_output_stdio_new(path.c_str(), &error);
    if (!sink) throw std::runtime_error("cannot create " + path);
    GsfOutfile* container = gsf_outfile_msole_new(sink);
    for (const auto& [name, bytes] : streams) {
        GsfOutput* stream = gsf_outfile_new_child(container, name.c_str(), FALSE);
        gsf_output_write(stream, bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
        gsf_output_close(stream);
        g_object_unref(stream);
    }
    // Closing the container closes the file under it.
    gsf_output_close(GSF_OUTPUT(container));
    g_object_unref(container);
    g_object_unref(sink);
}

namespace Rec {

Record CodePage(std::uint16_t codePage)
{
    return {0x0042, Body().U16(codePage)};
}

Record DateMode1904()
{
    return {0x0022, Body().U16(1)};
}

Record Font(std::uint8_t charset)
{
    return {0x0031,
            Body().U16(200).U16(0).U16(0x7FFF).U16(400).U16(0).U8(0).U8(0).U8(charset).U8(0).U8(5).U8(0).Raw("Arial")};
}

Record Biff8Format(std::uint16_t id, const std::string& code)
{
    return {0x041E, Body().U16(id).Biff8String(code)};
}

Record Xf(Biff version, std::uint16_t formatId)
{
    Body body;
    body.U16(0).U16(formatId).U16(0x0001).U16(0x0020);
    body.Raw(std::string(version == Biff::V8 ? 12 : 8, '\0'));
    return {0x00E0, body};
}

Record Number(std::uint16_t row, std::uint16_t column, double value, std::uint16_t xf)
{
    return {0x0203, Body().U16(row).U16(column).U16(xf).F64(value)};
}

Record Rk(std::uint16_t row, std::uint16_t column, std::uint32_t rk, std::uint16_t xf)
{
    return {0x027E, Body().U16(row).U16(column).U16(xf).U32(rk)};
}

Record Label8(std::uint16_t row, std::uint16_t column, const std::string& text)
{
    return {0x0204, Body().U16(row).U16(column).U16(0).Biff8String(text)};
}

Record LabelSst(std::uint16_t row, std::uint16_t column, std::uint32_t index)
{
    return {0x00FD, Body().U16(row).U16(column).U16(0).U32(index)};
}

namespace {

Body FormulaTail(Body body)
{
    // Flags, the cache chain word and a one-token formula (=1).
    return body.U16(0).U32(0).U16(3).U8(0x1E).U8(1).U8(0);
}

} // namespace

Record FormulaNumber(std::uint16_t row, std::uint16_t column, double value)
{
    return {0x0006, FormulaTail(Body().U16(row).U16(column).U16(0).F64(value))};
}

Record FormulaResult(std::uint16_t row, std::uint16_t column, std::uint8_t kind, std::uint8_t value)
{
    return {0x0006,
            FormulaTail(Body().U16(row).U16(column).U16(0).U8(kind).U8(0).U8(value).U8(0).U8(0).U8(0).U16(0xFFFF))};
}

Record Continue(const std::string& body)
{
    return {0x003C, body};
}

} // namespace Rec
