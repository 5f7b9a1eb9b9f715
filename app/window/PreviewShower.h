#pragma once

#include "app/window/WindowWorker.h"
#include "convert/RunInputs.h"

#include <functional>

class QWidget;
struct WizardContext;

// Step 2's preview: the first data rows read on the worker as the conversion
// will read them, then shown in their box. The window stays responsive
// meanwhile, and closing it stops the reading.
class PreviewShower {
public:
    // `runInputs` gives what a run would take now.
    PreviewShower(const WizardContext& context, std::function<RunInputs()> runInputs);

    // The button that asked is off, and the pointer busy, while the rows
    // are read.
    void Show(QWidget& button);

private:
    const WizardContext& FContext;
    std::function<RunInputs()> FRunInputs;
    WindowWorker FWorker;
};
