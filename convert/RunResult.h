#pragma once

#include "convert/LeftOutRows.h"
#include "convert/UnreadValues.h"
#include "workbook/ReadWarnings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Rows holding cells below the end of the data rows, which a run does not
// read: the row whose empty column-1 cell ended the data, and the first and
// last of those rows.
struct UnreadRows {
    int gapRow = 0;
    int first = 0;
    int last = 0;
};

// How a run ended, for callers that cannot read the log (the command line's
// exit status, tests).
struct RunResult {
    int errorCount = 0;
    bool criticalError = false;
    std::vector<std::string> savedFiles;
    // The rows written to each saved file, in the order of savedFiles.
    std::vector<int> savedRows;
    // The data rows the run converted, into saved files or not.
    int rowsConverted = 0;
    // The rows the supplier layout passed over, by PassedOver reason.
    std::array<int, 6> passedOver{};
    // The rows a critical error kept out of a saved price list.
    LeftOutRows leftOut;
    std::optional<UnreadRows> unread;
    bool allSaved = false;
    // Invoice files beside the saved ones that an earlier run left (see
    // StalePackageFiles); the front ends name them, outside the log.
    std::vector<std::string> staleFiles;
    // What reading the workbook found odd and read anyway.
    ReadWarnings readWarnings;
    // Counts that did not read and were taken as 0, by field.
    std::vector<UnreadColumn> unreadValues;
    // How a stock column in words was read (StockWords::SummaryLines).
    std::vector<std::string> stockWordLines;
    // ISBN and EAN-13 cells read as one code (RepeatedCodes::SummaryLines).
    std::vector<std::string> repeatedCodeLines;
    // The run ended early at the front end's request, saving nothing.
    bool stopped = false;
};
