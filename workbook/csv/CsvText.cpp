#include "workbook/csv/CsvText.h"

#include "base/Cp1251.h"
#include "base/Utf8Text.h"
#include "workbook/WorkbookFault.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr std::size_t kValidPerInvalid = 1000;

// Decodes the sequence at `pos`, advancing it; false for bytes that are no
// UTF-8 (a replacement character written in the file is valid).
bool NextSequence(std::string_view bytes, std::size_t& pos, char32_t& codePoint)
{
    const std::size_t start = pos;
    codePoint = NextCodePoint(bytes, pos);
    return codePoint != 0xFFFD || bytes.substr(start, kReplacement.size()) == kReplacement;
}

struct Utf8Census {
    std::size_t valid = 0;   // multi-byte sequences
    std::size_t invalid = 0; // bytes that are no UTF-8
};

Utf8Census CountSequences(std::string_view bytes)
{
    std::size_t valid = 0;
    std::size_t invalid = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        char32_t codePoint;
        if (!NextSequence(bytes, pos, codePoint)) ++invalid;
        else if (pos - start > 1) ++valid;
    }
    return {valid, invalid};
}

// UTF-8 with every invalid byte replaced, warning once for each line that
// held one.
std::string Utf8Text(std::string_view bytes, CellSink& sink)
{
    std::string text;
    text.reserve(bytes.size());
    int line = 1;
    int warned = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        char32_t codePoint;
        if (NextSequence(bytes, pos, codePoint)) {
            text.append(bytes.substr(start, pos - start));
        } else {
            text.append(kReplacement);
            if (warned != line) sink.Warn(ReadWarning::InvalidUtf8, {std::to_string(line)});
            warned = line;
        }
        if (codePoint == '\n' || (codePoint == '\r' && (pos == bytes.size() || bytes[pos] != '\n'))) ++line;
    }
    return text;
}

// Text without a byte-order mark; the name of the encoding it was read in
// goes to `encoding`.
std::string UnmarkedText(std::string_view bytes, CellSink& sink, std::string& encoding)
{
    const Utf8Census census = CountSequences(bytes);
    if (census.invalid == 0 || census.invalid * kValidPerInvalid <= census.valid) {
        encoding = "UTF-8";
        return census.invalid == 0 ? std::string(bytes) : Utf8Text(bytes, sink);
    }
    encoding = "windows-1251";
    return Cp1251ToUtf8(bytes);
}

std::string Utf16Text(std::string_view bytes, const char* charset, CellSink& sink)
{
    // UTF-16 of any text with a delimiter or a digit has zero bytes: without
    // any, the mark is wrong and the bytes are 8-bit text.
    if (!bytes.empty() && bytes.find('\0') == std::string_view::npos) {
        std::string encoding;
        std::string text = UnmarkedText(bytes, sink, encoding);
        sink.Warn(ReadWarning::ByteOrderMark, {charset, encoding});
        return text;
    }
    if (bytes.size() % 2 != 0) ThrowBroken(ReadReason::CsvUtf16Odd);
    return DecodeToUtf8(bytes, charset);
}

} // namespace

std::string DecodeCsvText(std::string_view bytes, CellSink& sink)
{
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        std::string encoding;
        std::string text = UnmarkedText(bytes, sink, encoding);
        if (encoding != "UTF-8") sink.Warn(ReadWarning::ByteOrderMark, {"UTF-8", encoding});
        return text;
    }
    if (bytes.starts_with("\xFF\xFE")) return Utf16Text(bytes.substr(2), "UTF-16LE", sink);
    if (bytes.starts_with("\xFE\xFF")) return Utf16Text(bytes.substr(2), "UTF-16BE", sink);
    std::string encoding;
    return UnmarkedText(bytes, sink, encoding);
}
