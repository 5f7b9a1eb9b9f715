#pragma once

#include "base/Regional.h"
#include "convert/FieldCell.h"
#include "convert/RunObserver.h"

#include <functional>

// The run state behind the writers' error channel: while it lives it is the
// channel's handler on this thread, logging each reported value against the
// current row ("Ошибка в строке %d. " and the message) and counting it. A
// message about a wrong check digit is the only one that is not critical.
//
// The handler that was installed before is put back when the run ends, so the
// channel never calls into a run that is over.
class RowErrorHandler {
public:
    explicit RowErrorHandler(RunObserver& observer);
    ~RowErrorHandler();
    RowErrorHandler(const RowErrorHandler&) = delete;
    RowErrorHandler& operator=(const RowErrorHandler&) = delete;

    void HandleRowError();

    // The number in a field's cell, 0 when the cell is empty. A cell whose
    // text is not a number also gives 0, and says so against the row
    // ("Значение ... не является числом"): a counted error, but not a
    // critical one.
    long double ReadNumber(const std::string& text, const FieldColumn& field, const Regional& regional);

    int errorCount = 0;
    int currentRow = 0;
    bool criticalError = false;

private:
    RunObserver& observer_;
    std::function<void()> previous_;
};
