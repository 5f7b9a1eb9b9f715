#pragma once

#include "catalogue/DocumentTypes.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The inputs the benchmarks make for themselves.

// An xlsx of these sheets, named in order, each holding the same rows of
// text cells (row 1 first).
void WriteXlsx(const std::string& path, const std::vector<std::string>& names,
               const std::vector<std::vector<std::string>>& rows);
// An ods of these tables, each with one cell.
void WriteOds(const std::string& path, const std::vector<std::string>& names);
// A scheme mapping these columns to fields of the document type.
void WriteScheme(const std::string& path, TDocumentType type,
                 const std::vector<std::pair<const char*, std::string>>& fieldColumns);

// Where a benchmark makes its inputs: the folder of "--folder DIR", kept, or
// else a new temporary folder, removed with this. Nothing, with the usage
// said on standard error, for other arguments.
struct BenchFolder {
    std::string path;
    bool own = false;

    static std::optional<BenchFolder> FromArguments(int argc, char** argv, const std::string& prefix);
    BenchFolder() = default;
    BenchFolder(BenchFolder&& other) noexcept : path(std::move(other.path)), own(other.own) { other.own = false; }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    BenchFolder& operator=(BenchFolder&&) = delete;
    ~BenchFolder();
};
