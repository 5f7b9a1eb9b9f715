#pragma once

#include "convert/RunInputs.h"

#include <string>
#include <vector>

// The first data rows as a run reads them, for a look before converting: one
// column per mapped field, the cell texts the run takes, and the rows that
// would get an error marked, with the log lines the run would give them.
struct RunPreview {
    struct Row {
        int number; // the sheet's own row number
        std::vector<std::string> texts;
        bool marked = false;
        std::vector<std::string> errors;
    };
    std::vector<std::string> captions;
    std::vector<Row> rows;
};

// Reads the rows (through the run's own reading: the chosen sheet, header
// row and data range) and runs the writers over them into a document that is
// never saved. A price-list row is marked for a critical error (one that
// keeps the file from being saved), an invoice row for any error (one keeps
// its package from being saved). Reads no further than the rows it shows and
// the row after them, and ends early when inputs.stop is requested. Raises
// the faults a run raises.
RunPreview PreviewRun(const RunInputs& inputs, int maxRows = 100);
