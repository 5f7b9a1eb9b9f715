#pragma once

#include "convert/RunInputs.h"
#include "convert/WriteGuard.h"

#include "base/AtomicFile.h"

#include <memory>
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

// Puts the run's completed files in place together (see FileReplacement), or
// hands them to inputs.replacement. False when the stop request came before
// the point from which the files are always replaced: then none is.
bool PutRunFilesInPlace(const RunInputs& inputs, std::vector<std::unique_ptr<AtomicFile>> files);
