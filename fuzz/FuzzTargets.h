#pragma once

#include <string_view>
#include <vector>

// The fuzz targets, one function per thing that reads input from outside.
// Each takes one input as the fuzzer made it. The program's own error
// (a fault with its reason code, a refused workbook) is a fine outcome; anything else that
// escapes (another exception, a failed consistency check raised as
// std::logic_error) or a sanitizer report is a finding. The same functions
// replay the kept crash inputs in the normal test run.
namespace FuzzTargets {

// A workbook: raw container bytes (a zip, an OLE2 file), or for the zip-based
// formats a part bundle (see PartBundle.h) packed into a zip first, so that
// the fuzzer mutates XML rather than compressed bytes.
void XlsxWorkbook(std::string_view input);
void OdsWorkbook(std::string_view input);
void XlsWorkbook(std::string_view input);

// The bytes of a ".sch" file and of a settings file.
void SchemeFile(std::string_view input);
void SettingsFile(std::string_view input);

// The text of the sent-date box under several regional profiles.
void SentDate(std::string_view input);

// A whole conversion run over a fuzzed workbook (any of the three formats,
// given as for the readers), the document type and the mapping of every field
// to a column following from the workbook's header row by a fixed rule: nine
// kinds of price list out of ten, the invoice run for the tenth.
void ConversionRun(std::string_view input);

struct Target {
    const char* name; // the fuzzer's executable and its regression folder
    void (*run)(std::string_view input);
};
const std::vector<Target>& All();

} // namespace FuzzTargets
