#pragma once

#include <string>
#include <string_view>
#include <vector>

// A zip package (xlsx, ods) as plain text, the form in which the fuzzers
// mutate it: every part after a line "@@ NAME", the parts joined by a line
// feed. Mutating the zip itself would mostly break checksums and compressed
// streams and never reach the XML behind them.
//
//   @@ [Content_Types].xml
//   <Types .../>
//   @@ xl/workbook.xml
//   <workbook ...>
struct BundlePart {
    std::string name;
    std::string content;
};

bool IsPartBundle(std::string_view input);

// A part's content ends before the next line feed that starts a "@@ " line,
// or at the end of the input.
std::vector<BundlePart> ParsePartBundle(std::string_view input);
std::string MakePartBundle(const std::vector<BundlePart>& parts);

// Packs the parts, uncompressed, into a zip at the path (a part named like an
// earlier one replaces it; a name libzip refuses is left out). Raises
// std::runtime_error when the file cannot be written.
void WriteBundleZip(const std::string& path, const std::vector<BundlePart>& parts);

// Every file of a zip in the archive's order; std::runtime_error when it is
// not a readable zip.
std::vector<BundlePart> ReadZipParts(const std::string& path);
