#pragma once

#include "convert/RunInputs.h"
#include "convert/WriteGuard.h"

#include <string>
#include <vector>

// A guard that knows what a run must not write over: the workbook and
// inputs.keptFiles. The run claims each of its outputs with it before the
// first byte, as soon as it knows the file's name (an invoice run learns the
// names of its packages as it reads the rows).
WriteGuard RunOutputsGuard(const RunInputs& inputs);

// Refuses, before anything is written, outputs that would destroy a file the
// run uses: the workbook, one of inputs.keptFiles, or another output; and an
// output that is not a regular file. Raises QuarnelError (see WriteGuard).
void GuardRunOutputs(const RunInputs& inputs, const std::vector<std::string>& outputs);
