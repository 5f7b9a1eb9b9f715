#pragma once

#include "app/window/WizardContext.h"
#include "convert/RunWorkbook.h"

#include <memory>
#include <string>

// The workbook the wizard reads, opened once: listing its sheets, the header
// search, the columns, the mapping's rows, the preview and the run all read
// this one open file. A step that starts reading it again opens it anew when
// the file at its path is no longer the one opened (edited, replaced or
// deleted since), and says so: no step reads a copy the user has changed.
class OpenedWorkbook {
public:
    explicit OpenedWorkbook(const WizardContext& context) : FContext(context) {}

    // Opens the workbook at the path, dropping the one opened before; raises
    // the workbook's fault when it cannot be opened.
    const RunWorkbook& Open(const std::string& path);

    // The workbook at the path, opened now unless it is open already.
    std::shared_ptr<const RunWorkbook> At(const std::string& path);
    // The same without opening: none when another or no workbook is open (a
    // run given none opens the path itself).
    std::shared_ptr<const RunWorkbook> Held(const std::string& path) const;

    // Opens the workbook at the path again when the file there changed since
    // it was opened, and says so outside the automatic mode; whether it did.
    // One that can no longer be opened is dropped: the next read of it says
    // why.
    bool ReopenIfChanged(const std::string& path);

private:
    const WizardContext& FContext;
    std::shared_ptr<const RunWorkbook> FWorkbook;
};
