#include "app/window/MappingProposals.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WaitCursor.h"
#include "app/window/WindowTexts.h"
#include "app/window/WizardContext.h"
#include "app/window/WorkbookPage.h"
#include "base/MessageFormat.h"
#include "convert/ReadWorkbook.h"
#include "scheme/AutoMapping.h"
#include "convert/ReadWorkbook.h"

#include <QWidget>

MappingProposals::MappingProposals(const WizardContext& context, WorkbookPage& workbook, const QWidget& page,
                                   MappingLists& lists)
    : FContext(context), FWorkbook(workbook), FPage(page), FLists(lists)
{
}

int MappingProposals::FirstRow() const
{
    return FLists.FirstDataRow();
}

std::vector<std::vector<std::string>> MappingProposals::Rows() const
{
    const WaitCursor waiting;
    try {
        return ReadMappingRows(*FWorkbook.Workbook(), FWorkbook.ChosenSheet(), FirstRow());
    } catch (const std::exception&) {
        // Step 2 has said what is wrong with the workbook; the names alone
        // still map.
        return {};
    }
}

void MappingProposals::Propose()
{
    const QString workbook = FWorkbook.WorkbookPath();
    const SheetChoice sheet = FWorkbook.ChosenSheet();
    const int firstRow = FirstRow();
    std::shared_ptr<const RunWorkbook> opened;
    try {
        opened = FWorkbook.Workbook();
    } catch (const std::exception&) {
        // Step 2 has said what is wrong with the workbook; the names alone
        // still map.
    }
    FWorker.Start(
        [this, workbook, opened, sheet, firstRow](const StopRequest&) -> WindowWorker::Continuation {
            std::vector<std::vector<std::string>> rows;
            try {
                if (opened) rows = ReadMappingRows(*opened, sheet, firstRow);
            } catch (const std::exception&) {
                // Step 2 has said what is wrong with the workbook; the names
                // alone still map.
            }
            return [this, workbook, rows = std::move(rows)] {
                if (!FPage.isHidden() && FWorkbook.WorkbookPath() == workbook)
                    FContext.Guarded([&] { ProposeAndAdd(rows); });
            };
        },
        [](const QString&) {});
}

void MappingProposals::ProposeAndAdd(const std::vector<std::vector<std::string>>& rows)
{
    const TDocumentType type = FWorkbook.DocumentType();
    SchemeLines lines = FLists.CurrentScheme();
    std::vector<ProposedMapping> proposed = ProposeMappings(lines, type, FLists.ColumnNames(), rows);
    // Nothing known in the chosen header row: perhaps it is another one,
    // under a title block.
    if (proposed.empty()) {
        const int found = [&] {
            const WaitCursor waiting;
            return FWorkbook.Workbook()->FindHeaderRow(FWorkbook.ChosenSheet(), type);
        }();
        const std::string chosen = std::to_string(FWorkbook.HeaderRow());
        const std::string row = std::to_string(found);
        if (found > 0 && found != FWorkbook.HeaderRow()
            && FContext.dialogs.Confirm(&FContext.window,
                                        QStr(FormatMessage(QRNConsts::sHeaderRowFoundQuestion, {chosen, row, row})))) {
            FWorkbook.SetHeaderRow(found);
            FLists.RereadColumns();
            proposed = ProposeMappings(lines, type, FLists.ColumnNames(), Rows());
        }
    }
    if (proposed.empty()) {
        FContext.dialogs.ShowInformation(&FContext.window, QStr(QRNConsts::sNoNewMappings));
        return;
    }
    const std::optional<std::vector<bool>> chosen = FContext.dialogs.ChooseMappings(&FContext.window, proposed);
    if (!chosen) return;
    for (std::size_t i = 0; i < proposed.size() && i < chosen->size(); ++i)
        if ((*chosen)[i]) DropColumnOnField(lines, proposed[i].caption, proposed[i].column);
    FLists.ShowScheme(lines);
}
