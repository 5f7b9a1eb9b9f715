// A ".sch" file from anywhere: reading it gives lines that save and read back
// unchanged, and looking fields up in them stays consistent.
#include "FuzzTargets.h"
#include "ScratchFiles.h"

#include "base/EdgeFileFault.h"
#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/ColumnLookup.h"
#include "scheme/SchemeFile.h"

#include <stdexcept>

namespace {

void CheckLookups(const SchemeLines& lines, TDocumentType type)
{
    std::vector<std::string> captions;
    captions = FieldCaptions(type);
    // The workbook's columns are named after what the lines map, so that the
    // lookups find something.
    std::vector<std::string> columnNames;
    for (const std::string& line : lines)
        if (const auto value = SchemeValuePart(line)) columnNames.push_back(Trim(*value));

    for (const TFieldEntry& field : FieldTable(type)) {
        const int column = GetColumnByFieldID(field.FieldID, type, captions, lines, columnNames);
        if (column < 0 || column > static_cast<int>(columnNames.size()))
            throw std::logic_error("column outside the header row");
        if (column == 0) continue;
        const int line = FindSchemeLine(lines, field.FieldName);
        if (line < 0) throw std::logic_error("a column for a field the scheme does not map");
        const auto value = SchemeValuePart(lines[static_cast<std::size_t>(line)]);
        if (!value || !SameTextIgnoreCase(Trim(*value), columnNames[static_cast<std::size_t>(column) - 1]))
            throw std::logic_error("a column other than the mapped one");
    }
}

} // namespace

void FuzzTargets::SchemeFile(std::string_view input)
{
    const std::string path = ScratchPath("scheme.sch");
    WriteScratchFile(path, input);
    SchemeLines lines;
    try {
        lines = ReadSchemeFile(path);
    } catch (const EdgeFileFault&) {
        // Refused for what the file is (UTF-16, a workbook): only a file
        // that starts like one, or one with a NUL byte.
        for (const char* mark : {"\xFF\xFE", "\xFE\xFF", "PK\x03\x04", "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"})
            if (input.starts_with(mark)) return;
        if (input.find('\0') != std::string_view::npos) return;
        throw std::logic_error("a scheme refused for what it is not");
    }

    const std::string savedPath = ScratchPath("saved.sch");
    WriteSchemeFile(savedPath, lines);
    if (ReadSchemeFile(savedPath) != lines) throw std::logic_error("a saved scheme reads back differently");

    const auto type = static_cast<TDocumentType>(input.size() % kDocumentTypeCount);
    CheckLookups(lines, type);

    // Dropping a column on a field leaves exactly that mapping behind.
    const std::string& caption = FieldTable(type).front().FieldName;
    DropColumnOnField(lines, caption, "Колонка");
    const int line = FindSchemeLine(lines, caption);
    if (line < 0 || Trim(SchemeValuePart(lines[static_cast<std::size_t>(line)]).value_or("")) != "Колонка")
        throw std::logic_error("the dropped column is not the field's mapping");
}
