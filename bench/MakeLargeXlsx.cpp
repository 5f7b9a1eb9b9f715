// Writes a large price list as an xlsx: 25 columns of what suppliers send
// (article numbers, titles, authors, prices, quantities, dates, flags and
// descriptions), mixing shared and inline strings, numbers and dated cells,
// so that reading it exercises every kind of cell the readers handle.

#include <zip.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 25;
const char* const kAuthors[] = {"Пушкин А. С.",    "Толстой Л. Н.",     "Чехов А. П.",    "Гоголь Н. В.",
                                "Лермонтов М. Ю.", "Достоевский Ф. М.", "Тургенев И. С.", "Булгаков М. А."};
const char* const kPublishers[] = {"Эксмо", "АСТ", "Просвещение", "Азбука", "Махаон", "Росмэн"};

std::string ColumnName(int column)
{
    std::string name;
    for (; column > 0; column = (column - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
    return name;
}

class SharedStrings {
public:
    int Add(const std::string& text)
    {
        items_ += "<si><t>" + text + "</t></si>";
        return count_++;
    }
    std::string Part() const
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\""
               + std::to_string(count_) + "\" uniqueCount=\"" + std::to_string(count_) + "\">" + items_ + "</sst>";
    }

private:
    std::string items_;
    int count_ = 0;
};

class SheetWriter {
public:
    void StartRow(int row)
    {
        row_ = row;
        xml_ += "<row r=\"" + std::to_string(row) + "\">";
    }
    void EndRow() { xml_ += "</row>"; }
    void Shared(int column, int index) { Cell(column, " t=\"s\"", "<v>" + std::to_string(index) + "</v>"); }
    void Inline(int column, const std::string& text)
    {
        Cell(column, " t=\"inlineStr\"", "<is><t>" + text + "</t></is>");
    }
    void Number(int column, const std::string& value, int style = 0)
    {
        Cell(column, style ? " s=\"" + std::to_string(style) + "\"" : "", "<v>" + value + "</v>");
    }
    void Boolean(int column, bool value) { Cell(column, " t=\"b\"", value ? "<v>1</v>" : "<v>0</v>"); }
    std::string Part() const
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
               + xml_ + "</sheetData></worksheet>";
    }

private:
    void Cell(int column, const std::string& attributes, const std::string& content)
    {
        xml_ += "<c r=\"" + ColumnName(column) + std::to_string(row_) + "\"" + attributes + ">" + content + "</c>";
    }

    std::string xml_;
    int row_ = 0;
};

const char* const kHeader[kColumns] = {"Артикул",      "Наименование", "Автор",
                                       "Издательство", "Цена",         "Количество",
                                       "Вес",          "Год",          "Дата поступления",
                                       "Обновлено",    "Серия",        "В наличии",
                                       "Аннотация",    "ISBN",         "Страниц",
                                       "Переплет",     "Формат",       "Скидка",
                                       "Штрихкод",     "Примечание",   "Тираж",
                                       "Возраст",      "Язык",         "Склад",
                                       "НДС"};

void WriteRow(int row, SheetWriter& sheet, SharedStrings& strings, const std::vector<int>& authors,
              const std::vector<int>& publishers)
{
    const std::string n = std::to_string(row);
    sheet.StartRow(row);
    sheet.Shared(1, strings.Add("ART-" + n));
    sheet.Shared(2, strings.Add("Книга номер " + n + ": повесть о далеких странах и верных друзьях"));
    sheet.Shared(3, authors[row % authors.size()]);
    sheet.Shared(4, publishers[row % publishers.size()]);
    sheet.Number(5, std::to_string(100 + row % 900) + "." + std::to_string(row % 100));
    sheet.Number(6, std::to_string(row % 250));
    sheet.Number(7, "0." + std::to_string(100 + row % 800));
    sheet.Number(8, std::to_string(1990 + row % 35));
    sheet.Number(9, std::to_string(40000 + row % 5000), 1);
    sheet.Number(10, std::to_string(44000 + row % 900) + ".5" + std::to_string(row % 10), 2);
    sheet.Inline(11, "Серия «Классика» том " + std::to_string(row % 40));
    sheet.Boolean(12, row % 3 != 0);
    sheet.Shared(13, strings.Add("Аннотация к изданию " + n + ". Иллюстрированное издание для семейного чтения."));
    sheet.Inline(14, "978-5-" + std::to_string(10000 + row % 90000) + "-" + std::to_string(row % 10));
    sheet.Number(15, std::to_string(96 + row % 600));
    sheet.Inline(16, row % 2 ? "твердый" : "мягкий");
    sheet.Inline(17, "70x100/16");
    sheet.Number(18, "0." + std::to_string(row % 30));
    sheet.Number(19, std::to_string(4600000000000LL + row));
    sheet.Shared(20, strings.Add("Поставка " + n));
    sheet.Number(21, std::to_string(3000 + row % 7000));
    sheet.Inline(22, std::to_string(row % 18) + "+");
    sheet.Inline(23, "русский");
    sheet.Number(24, std::to_string(row % 12));
    sheet.Number(25, "1.1E-1");
    sheet.EndRow();
}

void Add(zip_t* archive, const char* name, const std::string& content)
{
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    if (!source || zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) < 0) {
        std::fprintf(stderr, "cannot add %s\n", name);
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.xlsx [rows]\n", argv[0]);
        return 2;
    }
    const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;

    SharedStrings strings;
    std::vector<int> authors;
    for (const char* author : kAuthors) authors.push_back(strings.Add(author));
    std::vector<int> publishers;
    for (const char* publisher : kPublishers) publishers.push_back(strings.Add(publisher));
    SheetWriter sheet;
    sheet.StartRow(1);
    for (int column = 1; column <= kColumns; ++column) sheet.Shared(column, strings.Add(kHeader[column - 1]));
    sheet.EndRow();
    for (int row = 2; row <= rows + 1; ++row) WriteRow(row, sheet, strings, authors, publishers);

    const std::string rels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string packageRels = "http://schemas.openxmlformats.org/package/2006/relationships";
    const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string parts[][2] = {
        {"[Content_Types].xml",
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "<Override PartName=\"/xl/sharedStrings.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
         "<Override PartName=\"/xl/styles.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/></Types>"},
        {"_rels/.rels", "<Relationships xmlns=\"" + packageRels + "\"><Relationship Id=\"rId1\" Type=\"" + rels
                            + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rels
                                + "\"><sheets><sheet name=\"Прайс\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"" + packageRels + "\"><Relationship Id=\"rId1\" Type=\"" + rels
             + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + rels
             + "/sharedStrings\" Target=\"sharedStrings.xml\"/><Relationship Id=\"rId3\" Type=\"" + rels
             + "/styles\" Target=\"styles.xml\"/></Relationships>"},
        {"xl/styles.xml", "<styleSheet xmlns=\"" + main
                              + "\"><numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"dd.mm.yyyy hh:mm\"/>"
                                "</numFmts><cellXfs count=\"3\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/>"
                                "<xf numFmtId=\"164\"/></cellXfs></styleSheet>"},
        {"xl/worksheets/sheet1.xml", sheet.Part()},
        {"xl/sharedStrings.xml", strings.Part()},
    };

    int error = 0;
    zip_t* archive = zip_open(argv[1], ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto& part : parts) Add(archive, part[0].c_str(), part[1]);
    if (zip_close(archive) != 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d rows x %d columns, sheet %.1f MB, shared strings %.1f MB\n", argv[1], rows + 1, kColumns,
                parts[5][1].size() / 1e6, parts[6][1].size() / 1e6);
    return 0;
}
