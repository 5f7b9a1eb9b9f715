#include "app/window/OpenedWorkbook.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "base/MessageFormat.h"

const RunWorkbook& OpenedWorkbook::Open(const std::string& path)
{
    FWorkbook.reset();
    FWorkbook = std::make_shared<const RunWorkbook>(path, FContext.regional);
    return *FWorkbook;
}

std::shared_ptr<const RunWorkbook> OpenedWorkbook::At(const std::string& path)
{
    if (!FWorkbook || FWorkbook->Path() != path) Open(path);
    return FWorkbook;
}

std::shared_ptr<const RunWorkbook> OpenedWorkbook::Held(const std::string& path) const
{
    return FWorkbook && FWorkbook->Path() == path ? FWorkbook : nullptr;
}

bool OpenedWorkbook::ReopenIfChanged(const std::string& path)
{
    if (!FWorkbook || FWorkbook->Path() != path || !FWorkbook->Changed()) return false;
    try {
        Open(path);
    } catch (const std::exception&) {
        // Gone or unreadable now: nothing is held, and the step or the run
        // that reads it next says what is wrong, naming the file.
        return false;
    }
    if (!FContext.autoMode)
        FContext.dialogs.ShowWarning(&FContext.window,
                                     QShown(FormatMessage(QRNConsts::sWorkbookChangedReread, {path})));
    return true;
}
