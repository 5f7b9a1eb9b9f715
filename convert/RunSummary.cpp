#include "convert/RunSummary.h"

#include "base/MessageFormat.h"
#include "convert/FieldColumns.h"
#include "convert/RunLogTexts.h"
#include "convert/SupplierRows.h"
#include "messages/ReadWarningMessages.h"
#include "scheme/ColumnLookup.h"

std::vector<std::string> SchemeWarningLines(const RunInputs& inputs)
{
    std::vector<std::string> lines;
    if (const std::vector<std::string> missing = SchemeColumnsMissing(inputs.scheme, inputs.columnNames);
        !missing.empty()) {
        std::string names;
        for (const std::string& name : missing) names += (names.empty() ? "\"" : ", \"") + name + "\"";
        lines.push_back(FormatMessage(QRNConsts::sSchemeColumnsMissing, {names}));
    }
    for (const CaptionGivenTwice& twice : SchemeCaptionsGivenTwice(inputs.scheme))
        lines.push_back(FormatMessage(QRNConsts::sSchemeCaptionTwice, {twice.caption, std::to_string(twice.firstLine),
                                                                       std::to_string(twice.laterLine)}));
    return lines;
}

namespace {

// Where the articles came from: the name, or the column of a code the sheet
// gives for another field (the ISBN, the EAN-13); "" for a column of their own.
std::string ArticleSourceLine(const RunInputs& inputs)
{
    const FieldColumns fields(inputs);
    if (fields.ArticleFromNameColumns().column != 0) return QRNConsts::sArticleFromName;
    const int article = fields.Of("RecordReference").column;
    if (article == 0) return {};
    for (const char* code : {"ISBN", "EAN13"})
        if (fields.Of(code).column == article && article <= static_cast<int>(inputs.columnNames.size()))
            return FormatMessage(QRNConsts::sArticleFromColumn, {inputs.columnNames[article - 1]});
    return {};
}

} // namespace

std::vector<std::string> RunSummaryLines(const RunInputs& inputs, const RunResult& result,
                                         std::string_view supplierLayout)
{
    std::vector<std::string> lines = {FormatMessage(QRNConsts::sRowsConverted, {std::to_string(result.rowsConverted)})};
    if (std::string leftOut = result.leftOut.SummaryLine(); !leftOut.empty()) lines.push_back(std::move(leftOut));
    if (std::string source = ArticleSourceLine(inputs); !source.empty()) lines.push_back(std::move(source));
    if (const std::string reasons = PassedRows::CountsText(result.passedOver); !reasons.empty()) {
        int passed = 0;
        for (const int count : result.passedOver) passed += count;
        lines.push_back(FormatMessage(QRNConsts::sRowsPassedOver, {std::to_string(passed), reasons}));
    }
    if (const std::optional<UnreadRows>& unread = result.unread)
        lines.push_back(
            FormatMessage(QRNConsts::sRowsNotRead, {std::to_string(unread->gapRow), std::to_string(unread->first),
                                                    std::to_string(unread->last), supplierLayout}));
    for (std::string& line : SchemeWarningLines(inputs)) lines.push_back(std::move(line));
    for (std::size_t i = 0; i < result.savedFiles.size(); ++i)
        lines.push_back(FormatMessage(QRNConsts::sFileSavedWithRows,
                                      {result.savedFiles[i], std::to_string(result.savedRows.at(i))}));
    for (const std::string& stale : result.staleFiles)
        lines.push_back(FormatMessage(QRNConsts::sStalePackageFile, {stale}));
    for (const std::string& words : result.stockWordLines) lines.push_back(words);
    for (const std::string& codes : result.repeatedCodeLines) lines.push_back(codes);
    for (std::string& unread : UnreadValueLines(result.unreadValues)) lines.push_back(std::move(unread));
    for (std::string& warning : ReadWarningLines(result.readWarnings)) lines.push_back(std::move(warning));
    return lines;
}

std::string NoRowConvertedLine(const RunResult& result)
{
    int passed = 0;
    for (const int count : result.passedOver) passed += count;
    const char* reason = result.leftOut.Total() > 0 ? QRNConsts::sAllRowsPassedOrLeftOut
                         : passed > 0               ? QRNConsts::sAllRowsPassedOver
                                                    : QRNConsts::sNoDataRows;
    return FormatMessage(QRNConsts::sNoRowConverted, {reason});
}
