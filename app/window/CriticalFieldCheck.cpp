#include "app/window/CriticalFieldCheck.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "app/window/WizardContext.h"
#include "base/MessageFormat.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/ColumnLookup.h"

namespace {

// What is wrong with the article's mapping, "" when nothing is.
std::string ArticleNote(const RunInputs& scheme)
{
    const std::string caption = FieldCaption("RecordReference", scheme.documentType);
    const SchemeLines& lines = scheme.scheme;
    if (GetColumnByCaption(caption, lines, scheme.columnNames) > 0) return {};
    const int line = FindSchemeLine(lines, caption);
    const std::vector<std::string> missing =
        line < 0 ? std::vector<std::string>{}
                 : SchemeColumnsMissing({lines[static_cast<std::size_t>(line)]}, scheme.columnNames);
    return missing.empty() ? FormatMessage(QRNConsts::sCriticalFieldUnmapped, {caption})
                           : FormatMessage(QRNConsts::sCriticalFieldColumnMissing, {missing.front(), caption});
}

} // namespace

CriticalFieldCheck::CriticalFieldCheck(const WizardContext& context) : FContext(context) {}

bool CriticalFieldCheck::Accept(const RunInputs& scheme)
{
    FAutomaticNote.clear();
    // An invoice's rows do without the article.
    if (scheme.documentType == kInvoiceType) return true;
    const std::string note = ArticleNote(scheme);
    if (note.empty()) return true;
    if (FContext.autoMode) {
        FAutomaticNote = QStr(note);
        return true;
    }
    return FContext.dialogs.Confirm(&FContext.window, QStr(FormatMessage(QRNConsts::sContinueQuestion, {note})));
}
