#pragma once

#include <string>
#include <vector>

class ZipArchive;

// The shared-string table, in order.
std::vector<std::string> ReadXlsxSharedStrings(ZipArchive& archive, const std::string& part);
