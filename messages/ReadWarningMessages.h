#pragma once

#include "workbook/ReadWarnings.h"

#include <string>
#include <vector>

// The lines that tell the user what reading the workbook found odd: the kept
// warnings of each kind, each kind followed by "… и ещё N" when there were
// more than were kept.
std::vector<std::string> ReadWarningLines(const ReadWarnings& warnings);
