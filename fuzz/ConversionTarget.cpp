// A whole conversion of a fuzzed workbook: every field of the document type
// is mapped to a column of the workbook's own header row, so the writers see
// the fuzzed cells. Whatever the cells hold, the run ends with its closing
// log lines, and a file it saves is a well-formed message with one element
// per data row; a file it does not save leaves nothing behind.
#include "FuzzTargets.h"
#include "ScratchFiles.h"

#include "convert/RunLogTexts.h"
#include "workbook/WorkbookFault.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/Convert.h"
#include "convert/ReadWorkbook.h"
#include "workbook/open/OpenWorkbook.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class QuietObserver : public RunObserver {
public:
    void ClearLog() override { lastLine_.clear(); }
    void LogLine(const std::string& line) override { lastLine_ = line; }
    void ProgressMaximum(int) override {}
    void ProgressPosition(int) override {}
    void LongCellWarning(const std::string& message, int, const std::string&) override
    {
        if (message.empty()) throw std::logic_error("an empty long-cell warning");
    }
    const std::string& LastLine() const { return lastLine_; }

private:
    std::string lastLine_;
};

RunInputs MappedEverywhere(const std::vector<std::string>& columnNames, const std::string& outputPath)
{
    RunInputs inputs;
    inputs.outputPath = outputPath;
    inputs.documentType = static_cast<TDocumentType>(columnNames.size() % kDocumentTypeCount);
    inputs.fromSAN = "7701234567";
    inputs.fromCompany = "Поставщик";
    inputs.toSAN = "7809876543";
    inputs.messageNumber = "17";
    inputs.documentReference = "42";
    inputs.sentDate = "01.02.2024 10:20:30";
    inputs.columnNames = columnNames;
    inputs.fieldCaptions = FieldCaptions(inputs.documentType);
    const auto& fields = FieldTable(inputs.documentType);
    for (std::size_t i = 0; i < fields.size() && !columnNames.empty(); ++i)
        inputs.scheme.push_back(SchemeLineFor(fields[i].FieldName, columnNames[i % columnNames.size()]));
    return inputs;
}

struct DocFreer {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

// The number of children of the root with that name, in a file that must be
// well-formed.
int CountRootChildren(const std::string& path, const char* name, const char* parentName = nullptr)
{
    const std::unique_ptr<xmlDoc, DocFreer> doc(xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET));
    if (!doc) throw std::logic_error("a saved message that is not well-formed: " + path);
    xmlNode* parent = xmlDocGetRootElement(doc.get());
    if (parentName)
        for (parent = parent ? parent->children : nullptr; parent; parent = parent->next)
            if (parent->type == XML_ELEMENT_NODE && xmlStrEqual(parent->name, BAD_CAST parentName)) break;
    int count = 0;
    for (xmlNode* child = parent ? parent->children : nullptr; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, BAD_CAST name)) ++count;
    return count;
}

// Rows 2, 3, ... up to the first whose cell in column 1 is empty.
int CountDataRows(const Workbook& workbook)
{
    int row = 2;
    while (!workbook.CellText(row, 1).empty()) ++row;
    return row - 2;
}

void CheckOutputFolder(const RunResult& result, int dataRows, bool invoice)
{
    int products = 0;
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchPath("out"))) {
        const std::string path = entry.path().string();
        if (std::find(result.savedFiles.begin(), result.savedFiles.end(), path) == result.savedFiles.end())
            throw std::logic_error("a file the run did not save: " + path);
        products +=
            invoice ? CountRootChildren(path, "Position", "CommercialDocument") : CountRootChildren(path, "Product");
        ++files;
    }
    if (files != result.savedFiles.size()) throw std::logic_error("a saved file is missing");
    if (result.allSaved && products != dataRows) throw std::logic_error("not one element per data row");
}

} // namespace

void FuzzTargets::ConversionRun(std::string_view input)
{
    const std::string path = ScratchWorkbook(input);
    std::unique_ptr<Workbook> workbook;
    std::vector<std::string> columnNames;
    try {
        workbook = OpenWorkbook(path, Regional::Russian());
        columnNames = ReadWorkbookColumnNames(path, Regional::Russian());
    } catch (const WorkbookFault&) {
        return;
    }
    const std::string outFolder = ScratchPath("out");
    std::filesystem::remove_all(outFolder);
    std::filesystem::create_directory(outFolder);

    RunInputs inputs = MappedEverywhere(columnNames, outFolder + "/message.xml");
    inputs.workbookPath = path;
    QuietObserver observer;
    // The run reads the rows as they come, on a thread of its own.
    const RunResult result = ConvertWorkbook(inputs, observer);

    const std::string& last = observer.LastLine();
    if (!last.ends_with(QRNConsts::sFileSaved) && last != QRNConsts::sCriticalErrors
        && last != QRNConsts::sPackageErrors)
        throw std::logic_error("the run ended without its closing line: " + last);
    CheckOutputFolder(result, CountDataRows(*workbook), inputs.documentType == kInvoiceType);
}
