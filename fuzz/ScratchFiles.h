#pragma once

#include <string>
#include <string_view>

// The readers take file paths, so the fuzz targets hand every input over
// through a file in a folder of this process (in memory, under /dev/shm, where
// there is one), removed when the process ends.
std::string ScratchPath(std::string_view name);
void WriteScratchFile(const std::string& path, std::string_view bytes);

// Writes the input as a workbook file and gives its path: a part bundle
// packed into a zip, any other input byte for byte.
std::string ScratchWorkbook(std::string_view input);
