#pragma once

#include "convert/RunInputs.h"

#include <string>
#include <vector>

// The files a run writes over rowCount data rows: the chosen file, or for an
// invoice run whose rows do not fit into one invoice, one file per package.
// None when no output file is named (the run then does nothing).
std::vector<std::string> OutputFilesOfRun(const RunInputs& inputs, int rowCount);

// Refuses, before anything is written, outputs that would destroy a file the
// run uses: the workbook, one of inputs.keptFiles, or another output; and an
// output that is not a regular file. Raises QuarnelError (see WriteGuard).
void GuardRunOutputs(const RunInputs& inputs, const std::vector<std::string>& outputs);
