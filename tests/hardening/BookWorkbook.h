#pragma once

#include "convert/RunInputs.h"
#include "support/TypeIndex.h"

#include <string>
#include <vector>

// A supplier's book list as the fault tests convert it: columns "Артикул",
// "Название", "Аннотация", one valid product per row, so a run that is not
// disturbed saves its file with no error logged.
inline const std::vector<std::string> kBookColumns{"Артикул", "Название", "Аннотация"};

// Writes `rows` data rows (xlsx); each annotation is `annotationLength`
// characters long, to make the output as large as a test needs.
void WriteBookWorkbook(const std::string& path, int rows, std::size_t annotationLength = 40);

// The inputs of a run of document type 0 (books) or 9 (invoice) over such a
// workbook: the three columns mapped, the header filled, the Russian formats.
RunInputs BookRunInputs(TypeIndex type, const std::string& workbookPath, const std::string& outputPath);

// The same as a scheme file and the command line of quarnel-convert, with its
// own settings file so that nothing of the user's is read.
void WriteBookScheme(const std::string& path, TypeIndex type);
std::vector<std::string> BookCommandLine(TypeIndex type, const std::string& workbookPath, const std::string& outputPath,
                                         const std::string& schemePath, const std::string& settingsPath);
