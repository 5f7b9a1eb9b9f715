// Writes the example workbooks of this folder: books.xlsx, a small price list
// of books, and invoice.xlsx, an invoice of 20 positions. Their schemes
// (books.sch, invoice.sch) are kept beside them as the wizard saved them.
//
//   cmake -S examples -B /tmp/quarnel-examples && cmake --build /tmp/quarnel-examples
//   /tmp/quarnel-examples/make_examples examples

#include <xlsxwriter.h>

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

namespace {

using Cell = std::variant<std::monostate, std::string, double>;
using Row = std::vector<Cell>;

const Cell _{};

Cell T(const char* text)
{
    return std::string(text);
}

Cell N(double number)
{
    return number;
}

bool Write(const std::string& path, const std::vector<Row>& rows)
{
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (!workbook) return false;
    // A fixed creation date keeps the file the same from one generation to
    // the next.
    char author[] = "Quarnel";
    lxw_doc_properties properties{};
    properties.author = author;
    properties.created = 1709251200; // 01.03.2024
    workbook_set_properties(workbook, &properties);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Лист1");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const auto row = static_cast<lxw_row_t>(r);
            const auto column = static_cast<lxw_col_t>(c);
            if (const auto* text = std::get_if<std::string>(&rows[r][c]))
                worksheet_write_string(sheet, row, column, text->c_str(), nullptr);
            else if (const auto* number = std::get_if<double>(&rows[r][c]))
                worksheet_write_number(sheet, row, column, *number, nullptr);
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

std::vector<Row> Books()
{
    return {
        {T("Артикул"), T("ISBN"), T("Автор"), T("Инициалы"), T("Название"), T("Серия"), T("Издательство"), T("Город"),
         T("Год"), T("Страниц"), T("Переплет"), T("Цена"), T("Скидка, %"), T("Цена со скидкой"), T("НДС, %"),
         T("Остаток"), T("Доступность")},
        {T("100234"), T("978-5-17-118366-0"), T("Булгаков"), T("М. А."), T("Мастер и Маргарита"),
         T("Эксклюзивная классика"), T("АСТ"), T("Москва"), N(2021), N(480), T("в пер."), N(450), N(10), _, N(10),
         N(35), T("20")},
        {T("100235"), T("978-5-389-07435-4"), T("Достоевский"), T("Ф. М."), T("Преступление и наказание"),
         T("Азбука-классика"), T("Азбука"), T("Санкт-Петербург"), N(2022), N(608), T("в обл."), N(299.9), _, _, N(10),
         N(120), T("20")},
        {T("100236"), T("978-5-04-116553-6"), T("Толстой"), T("Л. Н."), T("Война и мир. Том 1"), _, T("Эксмо"),
         T("Москва"), N(2020), N(736), T("в пер."), N(1250), N(15), N(1099), N(10), N(8), T("20")},
        {T("100237"), T("978-5-699-12014-1"), T("Чехов"), T("А. П."), T("Рассказы"), T("Библиотека классики"),
         T("Эксмо"), T("Москва"), N(2019), N(352), T("в пер."), N(389.5), N(5), _, N(10), N(14), T("20")},
        {T("100238"), T("978-5-17-090630-7"), T("Ахматова"), T("А. А."), T("Стихотворения и поэмы"), _, T("АСТ"),
         T("Москва"), N(2023), N(320), T("в обл."), N(215), _, _, N(10), N(40), T("20")},
        {T("100239"), T("978-5-389-01006-2"), T("Гоголь"), T("Н. В."), T("Мертвые души"), T("Азбука-классика"),
         T("Азбука"), T("Санкт-Петербург"), N(2021), N(416), T("в обл."), N(199), _, _, N(10), N(0), T("40")},
        {T("100240"), T("978-5-4453-0123-3"), T("Пушкин"), T("А. С."), T("Евгений Онегин"), _, T("Речь"),
         T("Санкт-Петербург"), N(2022), N(288), T("в пер."), N(315.5), N(5), _, N(10), N(22), T("20")},
    };
}

std::vector<Row> Invoice()
{
    const char* titles[] = {"Мастер и Маргарита",
                            "Преступление и наказание",
                            "Война и мир. Том 1",
                            "Рассказы",
                            "Стихотворения и поэмы",
                            "Мертвые души",
                            "Евгений Онегин",
                            "Отцы и дети",
                            "Герой нашего времени",
                            "Капитанская дочка",
                            "Обломов",
                            "Анна Каренина",
                            "Идиот",
                            "Тихий Дон. Книга 1",
                            "Белая гвардия",
                            "Собачье сердце",
                            "Вишневый сад",
                            "Горе от ума",
                            "Ревизор",
                            "Бесы"};
    std::vector<Row> rows{
        {T("Артикул"), T("ISBN"), T("Наименование"), T("Кол-во"), T("Цена"), T("НДС, %"), T("Страна")}};
    for (int i = 0; i < 20; ++i) {
        const std::string article = std::to_string(100234 + i);
        const Cell isbn = i == 0 ? T("978-5-17-118366-0") : _;
        rows.push_back({Cell(article), isbn, T(titles[i]), N(1 + i % 4), N(180 + 12.5 * i), N(10), T("Россия")});
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    if (!Write(folder + "/books.xlsx", Books()) || !Write(folder + "/invoice.xlsx", Invoice())) {
        std::fprintf(stderr, "cannot write the examples into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
