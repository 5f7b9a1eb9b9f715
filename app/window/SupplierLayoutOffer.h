#pragma once

#include "app/window/WindowWorker.h"

#include <functional>

class QWidget;
class WorkbookPage;
struct WizardContext;

// On entering step 2 with the strict layout: when it leaves part of the
// sheet out, judged on the worker, the supplier layout is offered. In the
// automatic mode nobody is there to ask, and the log says it after the run.
class SupplierLayoutOffer {
public:
    // `page` is step 2's; `taken` reads its columns again once the user has
    // taken the supplier layout.
    SupplierLayoutOffer(const WizardContext& context, WorkbookPage& workbook, const QWidget& page,
                        std::function<void()> taken);

    void Offer();
    // In the automatic mode: the strict layout leaves part of the sheet out.
    bool StrictLosesRows() const { return FStrictLosesRows; }

private:
    const WizardContext& FContext;
    WorkbookPage& FWorkbook;
    const QWidget& FPage;
    std::function<void()> FTaken;
    WindowWorker FWorker;
    bool FStrictLosesRows = false;
};
