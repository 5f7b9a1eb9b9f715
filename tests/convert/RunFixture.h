#pragma once

#include "convert/RunInputs.h"
#include "support/TypeIndex.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// A folder of its own for one test, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // Every file name in the folder, temporary files included.
    std::vector<std::string> Names() const;

private:
    std::filesystem::path path_;
};

// Inputs as step 2 would leave them: the type's field captions, the column
// names of row 1 and one scheme line per mapped field (field identifier ->
// column name), with the Russian regional formats and a fixed sent date.
RunInputs MappedInputs(TypeIndex type, const std::vector<std::string>& columnNames,
                       const std::map<std::string, std::string>& fieldToColumn, const std::string& outputPath);

// Writes the rows (the first is row 1) as the first sheet of an xlsx
// workbook: "{n}450.5" makes a number cell, "" no cell, anything else a text
// cell.
void WriteXlsxWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows);
// The same with several sheets, each with its name, in this order.
void WriteXlsxSheets(const std::string& path,
                     const std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>>& sheets);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// A saved message as UTF-8 text (the file is windows-1251).
std::string ReadMessage(const std::string& path);

// How often `needle` occurs in `text`.
int Occurrences(const std::string& text, const std::string& needle);
