#pragma once

#include "convert/RunInputs.h"
#include "convert/RunResult.h"

#include <string>
#include <string_view>
#include <vector>

// What the front ends add after a run's own log, which stays as it is: how
// many rows the run converted, the filled rows below the end of the data
// that it did not read, what is amiss with the scheme, each
// saved file with its rows, the package files an earlier run left and what
// reading the workbook found odd. The
// command line prints it on standard error and at the end of its --log file,
// the window in its log pane and the saved report.
// `supplierLayout` says how the front end chooses the supplier layout, which
// reads the rows the strict one left.
std::vector<std::string> RunSummaryLines(const RunInputs& inputs, const RunResult& result,
                                         std::string_view supplierLayout);

// What is amiss with the scheme against the workbook: the line naming the
// scheme's columns the workbook lacks, then one line for each caption the
// scheme gives twice; none when all is well. The command line says them
// before the run as well.
std::vector<std::string> SchemeWarningLines(const RunInputs& inputs);

// The log's closing line of a run that converted no row, with the reason
// (sNoRowConverted); the window also shows it in a box.
std::string NoRowConvertedLine(const RunResult& result);
