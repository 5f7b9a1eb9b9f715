#include "app/window/SupplierLayoutOffer.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "app/window/WizardContext.h"
#include "app/window/WorkbookPage.h"
#include "convert/ReadWorkbook.h"

#include <QWidget>

SupplierLayoutOffer::SupplierLayoutOffer(const WizardContext& context, WorkbookPage& workbook, const QWidget& page,
                                         std::function<void()> taken)
    : FContext(context), FWorkbook(workbook), FPage(page), FTaken(std::move(taken))
{
}

void SupplierLayoutOffer::Offer()
{
    FStrictLosesRows = false;
    if (FWorkbook.Layout() == SheetLayout::Supplier) return;
    const QString workbook = FWorkbook.WorkbookPath();
    const SheetChoice sheet = FWorkbook.ChosenSheet();
    const int headerRow = FWorkbook.HeaderRow();
    std::shared_ptr<const RunWorkbook> opened;
    try {
        opened = FWorkbook.Workbook();
        // Nobody to ask in the automatic mode: the log says it after the run.
        if (FContext.autoMode) FStrictLosesRows = StrictLayoutLosesRows(*opened, sheet, headerRow);
    } catch (const std::exception&) {
        // Step 2 and the run say what is wrong with the workbook.
    }
    if (FContext.autoMode || !opened) return;
    FWorker.Start(
        [this, workbook, opened, sheet, headerRow](const StopRequest&) -> WindowWorker::Continuation {
            if (!StrictLayoutLosesRows(*opened, sheet, headerRow)) return [] {};
            return [this, workbook, sheet, headerRow] {
                // Only for the sheet still shown, read as it was judged.
                if (FPage.isHidden() || FWorkbook.Layout() != SheetLayout::Strict
                    || FWorkbook.WorkbookPath() != workbook || FWorkbook.ChosenSheet() != sheet
                    || FWorkbook.HeaderRow() != headerRow)
                    return;
                if (!FContext.dialogs.Confirm(&FContext.window, QStr(QRNConsts::sSupplierLayoutQuestion))) return;
                FWorkbook.ChooseSupplierLayout();
                FContext.Guarded(FTaken);
            };
        },
        // Step 2 has said what is wrong with the workbook.
        [](const QString&) {});
}
