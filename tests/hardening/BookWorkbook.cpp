#include "BookWorkbook.h"
#include "support/TypeIndex.h"

#include "WorkbookParts.h"

#include "catalogue/FieldCatalogue.h"
#include "scheme/SchemeFile.h"

namespace {

SchemeLines BookScheme(TypeIndex type)
{
    const char* const titleField = type == kInvoiceType ? "ProductName" : "Title";
    SchemeLines lines = {SchemeLineFor(FieldCaption("RecordReference", type), kBookColumns[0]),
                         SchemeLineFor(FieldCaption(titleField, type), kBookColumns[1])};
    if (type != kInvoiceType) lines.push_back(SchemeLineFor(FieldCaption("Annotation", type), kBookColumns[2]));
    return lines;
}

} // namespace

void WriteBookWorkbook(const std::string& path, int rows, std::size_t annotationLength)
{
    std::string sheetData = "<row r=\"1\">" + InlineCell("A1", kBookColumns[0]) + InlineCell("B1", kBookColumns[1])
                            + InlineCell("C1", kBookColumns[2]) + "</row>";
    const std::string annotation(annotationLength, 'a');
    for (int row = 2; row <= rows + 1; ++row) {
        const std::string r = std::to_string(row);
        sheetData += "<row r=\"" + r + "\">" + InlineCell("A" + r, "A-" + r) + InlineCell("B" + r, "Книга " + r)
                     + InlineCell("C" + r, annotation) + "</row>";
    }
    WriteBundleZip(path, XlsxWithSheetData(sheetData));
}

RunInputs BookRunInputs(TypeIndex type, const std::string& workbookPath, const std::string& outputPath)
{
    RunInputs inputs;
    inputs.workbookPath = workbookPath;
    inputs.outputPath = outputPath;
    inputs.documentType = type;
    inputs.fromSAN = "7701234567";
    inputs.messageNumber = type == kInvoiceType ? "17" : "";
    inputs.documentReference = type == kInvoiceType ? "42" : "";
    inputs.sentDate = "05.03.2024 14:30";
    inputs.fieldCaptions = FieldCaptions(type);
    inputs.scheme = BookScheme(type);
    inputs.columnNames = kBookColumns;
    return inputs;
}

void WriteBookScheme(const std::string& path, TypeIndex type)
{
    WriteSchemeFile(path, BookScheme(type));
}

std::vector<std::string> BookCommandLine(TypeIndex type, const std::string& workbookPath, const std::string& outputPath,
                                         const std::string& schemePath, const std::string& settingsPath)
{
    std::vector<std::string> arguments = {workbookPath, outputPath, std::to_string(IndexOf(type))};
    if (type == kInvoiceType) arguments.insert(arguments.end(), {"17", "42"});
    arguments.insert(arguments.end(), {"--scheme", schemePath, "--settings", settingsPath, "--date", "05.03.2024 14:30",
                                       "--from-san", "7701234567"});
    return arguments;
}
