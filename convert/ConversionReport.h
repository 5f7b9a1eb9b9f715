#pragma once

#include "base/AtomicFile.h"
#include "base/Regional.h"
#include "catalogue/DocumentTypes.h"

#include <memory>
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
// save leaves the previous one as it was and raises the file fault naming it.
void WriteConversionReport(const std::string& path, const std::string& text);

// The same in two steps, for a report of a run still to come: the file is
// opened before the run, so that a folder it cannot be written in is known
// before any other file is; the text is written after the run, and the caller
// puts the file in place (with the run's own files).
std::unique_ptr<AtomicFile> BeginConversionReport(const std::string& path);
