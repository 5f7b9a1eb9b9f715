#include "scheme/SchemeFile.h"

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/EdgeFileFault.h"
#include "base/WholeFile.h"

namespace {

SchemeLines SplitLines(std::string_view text)
{
    SchemeLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

} // namespace

SchemeLines ReadSchemeFile(const std::string& path)
{
    WholeFile file = ReadRegularFile(path, kMaxSchemeFileBytes);
    switch (file.outcome) {
    case WholeFile::Outcome::Read: break;
    case WholeFile::Outcome::TooLarge:
        throw EdgeFileFault(EdgeFileFault::Reason::SchemeTooLarge, file.Fault(path, kMaxSchemeFileBytes));
    case WholeFile::Outcome::Missing:
    case WholeFile::Outcome::NotRegular:
    case WholeFile::Outcome::Unreadable: throw file.Fault(path, kMaxSchemeFileBytes);
    }
    std::string& bytes = file.bytes;
    // A workbook chosen in the scheme dialog by mistake: xlsx and ods are zip
    // archives, xls an OLE2 compound file. Its bytes as lines would replace
    // the scheme with garbage.
    for (const char* magic : {"PK\x03\x04", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"})
        if (bytes.starts_with(magic))
            throw EdgeFileFault(EdgeFileFault::Reason::SchemeIsWorkbook,
                                FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError));
    // Notepad's "Unicode": read as bytes, it would give lines of garbage
    // that match no field.
    for (const auto& [mark, encoding] : {std::pair{"\xFF\xFE", "UTF-16LE"}, std::pair{"\xFE\xFF", "UTF-16BE"}})
        if (bytes.starts_with(mark))
            throw EdgeFileFault(EdgeFileFault::Reason::SchemeInUtf16,
                                FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError), encoding);
    const std::string text = DecodeEdgeFile(bytes);
    // Cut at a NUL, the scheme would lose its later lines without a word.
    if (const int line = FirstNulLine(text))
        throw EdgeFileFault(EdgeFileFault::Reason::SchemeHasNul,
                            FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError), {}, line);
    return SplitLines(text);
}

void WriteSchemeFile(const std::string& path, const SchemeLines& lines)
{
    AtomicFile file(path);
    WriteSchemeText(file, lines);
    file.Commit();
}

void WriteSchemeText(AtomicFile& file, const SchemeLines& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    file.Write(EncodeEdgeFile(text));
}
