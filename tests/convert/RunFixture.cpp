#include "convert/RunFixture.h"
#include "support/TypeIndex.h"

#include "base/Cp1251.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/SchemeLine.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("quarnel-convert-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

RunInputs MappedInputs(TypeIndex type, const std::vector<std::string>& columnNames,
                       const std::map<std::string, std::string>& fieldToColumn, const std::string& outputPath)
{
    RunInputs inputs;
    inputs.outputPath = outputPath;
    inputs.documentType = type;
    inputs.fromSAN = "7701234567";
    inputs.sentDate = "05.03.2024 14:30";
    inputs.fieldCaptions = FieldCaptions(type);
    for (const auto& [fieldID, column] : fieldToColumn) {
        const std::string caption = FieldCaption(fieldID, type);
        if (caption.empty()) throw std::logic_error("the type has no field " + fieldID);
        inputs.scheme.push_back(SchemeLineFor(caption, column));
    }
    inputs.columnNames = columnNames;
    return inputs;
}

void WriteXlsxWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows)
{
    WriteXlsxSheets(path, {{"", rows}});
}

void WriteXlsxSheets(const std::string& path,
                     const std::vector<std::pair<std::string, std::vector<std::vector<std::string>>>>& sheets)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) throw std::runtime_error("cannot create " + path);
    for (const auto& [name, rows] : sheets) {
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, name.empty() ? nullptr : name.c_str());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (std::size_t c = 0; c < rows[r].size(); ++c) {
                const std::string& cell = rows[r][c];
                const auto row = static_cast<lxw_row_t>(r);
                const auto column = static_cast<lxw_col_t>(c);
                if (cell.empty()) continue;
                if (cell.rfind("{n}", 0) == 0)
                    worksheet_write_number(sheet, row, column, std::stod(cell.substr(3)), nullptr);
                else worksheet_write_string(sheet, row, column, cell.c_str(), nullptr);
            }
        }
    }
    if (workbook_close(workbook) != LXW_NO_ERROR) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadMessage(const std::string& path)
{
    return Cp1251ToUtf8(ReadBytes(path));
}

int Occurrences(const std::string& text, const std::string& needle)
{
    int count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}
