#include "app/window/PreviewShower.h"

#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "convert/RunPreview.h"

#include <QWidget>

PreviewShower::PreviewShower(const WizardContext& context, std::function<RunInputs()> runInputs)
    : FContext(context), FRunInputs(std::move(runInputs))
{
}

void PreviewShower::Show(QWidget& button)
{
    RunInputs inputs = FRunInputs();
    const auto done = [this, &button] {
        button.setEnabled(true);
        FContext.window.unsetCursor();
    };
    if (!FWorker.Start(
            [this, inputs = std::move(inputs), done](const StopRequest& stop) mutable -> WindowWorker::Continuation {
                inputs.stop = stop;
                return [this, done, preview = PreviewRun(inputs)] {
                    done();
                    FContext.dialogs.ShowPreview(&FContext.window, preview);
                };
            },
            [this, done](const QString& failure) {
                done();
                FContext.dialogs.ShowError(&FContext.window, failure);
            }))
        return;
    button.setEnabled(false);
    FContext.window.setCursor(Qt::BusyCursor);
}
