#pragma once

#include "convert/RunInputs.h"

#include <QString>

struct WizardContext;

// Every row of a price list needs its article: before the run, the question
// whether to go on when the scheme does not map it to a column of the
// workbook. In the automatic mode nobody is there to answer, and the log
// says it after the run instead.
class CriticalFieldCheck {
public:
    explicit CriticalFieldCheck(const WizardContext& context);

    // `scheme` holds the document type, the column names and the scheme
    // lines; false when the user does not go on.
    bool Accept(const RunInputs& scheme);
    // What the automatic mode's log says after the run, "" for nothing.
    const QString& AutomaticNote() const { return FAutomaticNote; }

private:
    const WizardContext& FContext;
    QString FAutomaticNote;
};
