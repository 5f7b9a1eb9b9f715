#pragma once

#include <string>
#include <vector>

// An invoice run splits its rows into packages of at most this many
// positions, one file per package (unless the split is switched off).
inline constexpr int kPositionsPerInvoice = 15;

// The file of package k when the rows do not fit into one invoice: the chosen
// path without the extension of its file name, then "-k.xml". The extension
// starts at the last dot of the file name, never of a folder name, and a dot
// that starts the file name starts no extension ("out/.hidden" gives
// "out/.hidden-1.xml").
std::string PackageFileName(const std::string& outputPath, int k);

// The invoice number of package k of a split run: "1024" gives "1024-1",
// "1024-2", ...; an empty number still gets its suffix.
std::string PackageInvoiceNumber(const std::string& messageNumber, int k);

// The files beside the chosen one named as the packages of a split run are
// ("inv-1.xml", "inv-2.xml", ...) that are not among `written`: left by an
// earlier run, they would pass for part of this one. By package number.
std::vector<std::string> StalePackageFiles(const std::string& outputPath, const std::vector<std::string>& written);
