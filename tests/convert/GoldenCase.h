#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// One golden case: a folder under tests/convert/golden holding
//   cells.tsv     the worksheet, one line per row (row 1: the column names),
//                 cells separated by tabs; "{n}450.5" is a number cell, any
//                 other text a text cell, an empty field no cell at all;
//   scheme.sch    the correspondence scheme as the wizard saves it;
//   inputs.txt    "key=value" lines: type, date, fromSAN ... toPerson,
//                 messageNumber, documentReference, output (the file name
//                 chosen), noSplit (0/1), exit (the command line's status);
//   expected.log  the conversion log, one line per line;
//   expected/     the files the run must write, byte for byte (none when the
//                 run saves nothing).
struct GoldenCase {
    std::string name;
    std::filesystem::path folder;
    std::map<std::string, std::string> inputs;

    std::string Input(const std::string& key) const;
    std::filesystem::path SchemeFile() const { return folder / "scheme.sch"; }

    // The worksheet written as an xlsx workbook (libxlsxwriter).
    void WriteWorkbook(const std::string& path) const;

    std::string ExpectedLog() const;
    // The rows under the header up to the first whose column-1 cell is empty.
    int DataRows() const;
    // The first and last rows below that holding a cell; {0, 0} for none.
    std::pair<int, int> FilledRowsBelowTheData() const;
    // File name -> bytes.
    std::map<std::string, std::string> ExpectedFiles() const;
};

std::vector<GoldenCase> LoadGoldenCases();

// Test names and failure messages show the case's folder name.
void PrintTo(const GoldenCase& golden, std::ostream* out);
std::string GoldenTestName(const GoldenCase& golden);

// The files a run left in the folder, except the workbook: name -> bytes.
std::map<std::string, std::string> WrittenFiles(const std::filesystem::path& folder, const std::string& workbookName);
