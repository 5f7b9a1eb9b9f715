#pragma once

#include "convert/RunInputs.h"
#include "convert/RunResult.h"

#include <string>
#include <vector>

// What the front ends add after a run's own log, which stays as it is: how
// many rows the run converted, the filled rows below the end of the data
// that it did not read, the scheme's columns the workbook lacks, each
// saved file with its rows, the package files an earlier run left and what
// reading the workbook found odd. The
// command line prints it on standard error and at the end of its --log file,
// the window in its log pane and the saved report.
std::vector<std::string> RunSummaryLines(const RunInputs& inputs, const RunResult& result);

// The line naming the scheme's columns the workbook lacks ("" when it has
// them all); the command line says it before the run as well.
std::string MissingColumnsLine(const RunInputs& inputs);
