#include "convert/GoldenCase.h"

#include "convert/RunFixture.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {

const std::filesystem::path kGoldenFolder = std::filesystem::path(QUARNEL_SOURCE_DIR) / "tests/convert/golden";

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cells;
    std::string::size_type start = 0;
    for (;;) {
        const auto tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

} // namespace

std::string GoldenCase::Input(const std::string& key) const
{
    const auto found = inputs.find(key);
    return found == inputs.end() ? std::string() : found->second;
}

void GoldenCase::WriteWorkbook(const std::string& path) const
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Lines(ReadBytes((folder / "cells.tsv").string()))) rows.push_back(SplitTabs(line));
    WriteXlsxWorkbook(path, rows);
}

int GoldenCase::DataRows() const
{
    const std::vector<std::string> lines = Lines(ReadBytes((folder / "cells.tsv").string()));
    int rows = 0;
    while (rows + 1 < static_cast<int>(lines.size()) && !SplitTabs(lines[rows + 1]).at(0).empty()) ++rows;
    return rows;
}

std::pair<int, int> GoldenCase::FilledRowsBelowTheData() const
{
    const std::vector<std::string> lines = Lines(ReadBytes((folder / "cells.tsv").string()));
    std::pair<int, int> filled{0, 0};
    for (int row = DataRows() + 2; row <= static_cast<int>(lines.size()); ++row) {
        const std::vector<std::string> cells = SplitTabs(lines[static_cast<std::size_t>(row - 1)]);
        if (std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); })) continue;
        if (filled.first == 0) filled.first = row;
        filled.second = row;
    }
    return filled;
}

std::string GoldenCase::ExpectedLog() const
{
    return ReadBytes((folder / "expected.log").string());
}

std::map<std::string, std::string> GoldenCase::ExpectedFiles() const
{
    std::map<std::string, std::string> files;
    const auto expected = folder / "expected";
    if (!std::filesystem::exists(expected)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(expected))
        files[entry.path().filename()] = ReadBytes(entry.path().string());
    return files;
}

std::vector<GoldenCase> LoadGoldenCases()
{
    std::vector<GoldenCase> cases;
    for (const auto& entry : std::filesystem::directory_iterator(kGoldenFolder)) {
        if (!entry.is_directory()) continue;
        GoldenCase golden;
        golden.name = entry.path().filename();
        golden.folder = entry.path();
        for (const std::string& line : Lines(ReadBytes((entry.path() / "inputs.txt").string()))) {
            const auto equals = line.find('=');
            if (equals != std::string::npos) golden.inputs[line.substr(0, equals)] = line.substr(equals + 1);
        }
        cases.push_back(std::move(golden));
    }
    std::sort(cases.begin(), cases.end(), [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
    return cases;
}

std::map<std::string, std::string> WrittenFiles(const std::filesystem::path& folder, const std::string& workbookName)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        if (name != workbookName) files[name] = ReadBytes(entry.path().string());
    }
    return files;
}

void PrintTo(const GoldenCase& golden, std::ostream* out)
{
    *out << golden.name;
}

std::string GoldenTestName(const GoldenCase& golden)
{
    std::string name = golden.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}
