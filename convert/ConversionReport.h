#pragma once

#include "base/Regional.h"
#include "catalogue/DocumentTypes.h"

#include <string>
#include <vector>

// The conversion report: the log of a run, kept beside its output so that the
// rejected rows can be looked at after the window is closed or the command
// line has scrolled away. It opens with one line naming the workbook, the
// document type and when the run started (in the regional date and long time
// formats), followed by the log lines exactly as shown; "\n" ends every line.
std::string ConversionReportText(const std::string& workbookPath, TDocumentType type, double runDateTime,
                                 const Regional& regional, const std::vector<std::string>& logLines);

// Saves a report as UTF-8 text. The file is replaced atomically: a refused
// save leaves the previous one as it was and raises QuarnelError naming it.
void WriteConversionReport(const std::string& path, const std::string& text);
