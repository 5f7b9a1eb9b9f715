#pragma once

#include "workbook/WorkbookFault.h"

#include <string>

// The messages the user sees for the faults the lower layers raise without
// words of their own. The one place that puts them into Russian.

// "Файл ... поврежден или не является книгой Excel: ...", and so on by kind;
// names the file and the reason.
std::string WorkbookFaultMessage(const WorkbookFault& fault);
