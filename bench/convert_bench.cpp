// Conversion speed and memory of the price-list run. For each row count given
// (default 100000), writes a book price list of that many rows with 25 mapped
// columns, then, each in a process of its own so that the peak memory is its
// own:
//   read     opens the workbook and reads every mapped cell of every row;
//   convert  opens the workbook and runs ConvertPriceList into an XML file.
// Prints rows per second, the ratio of the two times (the run's own cost over
// reading) and both peak memories: their difference is what the output side
// needs, which must not grow with the rows.
//
//   convert_bench [ROWS...] [--folder DIR]

#include "catalogue/FieldCatalogue.h"
#include "convert/ConvertPriceList.h"
#include "workbook/SheetRows.h"
#include "scheme/HeaderRow.h"
#include "scheme/SchemeLine.h"

#include <xlsxwriter.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct MappedColumn {
    const char* fieldID;
    const char* columnName;
};

constexpr MappedColumn kColumns[] = {
    {"RecordReference", "Артикул"},   {"NotificationType", "Статус"},   {"EAN13", "Штрихкод"},
    {"ISBN", "ISBN"},                 {"Title", "Название"},            {"Subtitle", "Подзаголовок"},
    {"AuthorKeyNames", "Автор"},      {"AuthorNamesBeforeKey", "Инициалы"}, {"Series", "Серия"},
    {"Publisher", "Издательство"},    {"CityOfPublication", "Город"},   {"PublicationDate", "Год"},
    {"NumberOfPages", "Страниц"},     {"ProductFormForBook", "Переплет"}, {"UDC", "УДК"},
    {"BBK", "ББК"},                   {"TextLanguage", "Язык"},         {"Weight", "Вес"},
    {"Annotation", "Аннотация"},      {"AgeCategory", "Возраст"},       {"Price01", "Цена"},
    {"DiscountPercent", "Скидка"},    {"VAT", "НДС"},                   {"OnHand", "Остаток"},
    {"ProductAvailability", "Доступность"},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
static_assert(kColumnCount == 25);

const char* const kAuthors[] = {"Пушкин", "Толстой", "Чехов", "Гоголь", "Лермонтов", "Достоевский", "Тургенев"};
const char* const kTitles[] = {"Избранное", "Повести и рассказы", "Собрание сочинений. Том 1", "Стихотворения",
                               "Романы", "Письма", "Драматургия"};
const char* const kPublishers[] = {"Эксмо", "АСТ", "Азбука", "Речь", "Махаон"};

// A valid ISBN-13 for the row, with its check digit.
std::string Isbn(int row)
{
    std::string digits = "9785";
    digits += std::to_string(10000000 + row % 90000000);
    int sum = 0;
    for (int i = 0; i < 12; ++i) sum += (digits[i] - '0') * (i % 2 ? 3 : 1);
    return digits + std::to_string((10 - sum % 10) % 10);
}

bool WriteWorkbook(const std::string& path, int rows)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
    if (!workbook) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    for (int c = 0; c < kColumnCount; ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), kColumns[c].columnName, nullptr);
    const std::string annotation =
        "Издание подготовлено по прижизненным публикациям и снабжено комментариями; для широкого круга читателей.";
    for (int r = 1; r <= rows; ++r) {
        const auto row = static_cast<lxw_row_t>(r);
        int c = 0;
        const auto text = [&](const std::string& value) {
            worksheet_write_string(sheet, row, static_cast<lxw_col_t>(c++), value.c_str(), nullptr);
        };
        const auto number = [&](double value) {
            worksheet_write_number(sheet, row, static_cast<lxw_col_t>(c++), value, nullptr);
        };
        std::string article = "A";
        article += std::to_string(100000 + r);
        text(article);
        text("03");
        text(Isbn(r));
        text(Isbn(r));
        text(kTitles[r % 7]);
        text(r % 3 ? "" : "сборник");
        text(kAuthors[r % 7]);
        text("А. С.");
        text("Классика");
        text(kPublishers[r % 5]);
        text("Москва");
        number(2000 + r % 24);
        number(100 + r % 700);
        text(r % 2 ? "в пер." : "в обл.");
        text("821.161.1");
        text("84(2Рос=Рус)1");
        text("rus");
        number(200 + r % 500);
        text(annotation);
        text("12+");
        number(100 + (r % 1000) * 0.37);
        number(r % 4 * 5);
        number(10);
        number(r % 50);
        text(r % 10 ? "20" : "40");
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

RunInputs BenchInputs(const std::string& workbook, const std::string& output)
{
    RunInputs inputs;
    inputs.workbookPath = workbook;
    inputs.outputPath = output;
    inputs.fromSAN = "7701234567";
    inputs.sentDate = "01.03.2024";
    FillFieldsListBox(inputs.fieldCaptions, 0);
    for (const MappedColumn& column : kColumns)
        inputs.scheme.push_back(SchemeLineFor(GetFildNameByFieldID(column.fieldID, 0), column.columnName));
    inputs.columnNames = ReadColumnNames(workbook, Regional::Russian());
    return inputs;
}

class SilentObserver : public RunObserver {
public:
    void ClearLog() override {}
    void LogLine(const std::string&) override { ++lines; }
    void ProgressMaximum(int) override {}
    void ProgressPosition(int) override {}
    void LongCellWarning(const std::string&, int, const std::string&) override {}
    int lines = 0;
};

// What one phase reports back to the parent: its time.
using Phase = double (*)(const std::string& workbook, const std::string& output);

double ReadPhase(const std::string& workbook, const std::string&)
{
    const auto start = Clock::now();
    const auto rows = StreamSheetRows(workbook, Regional::Russian());
    std::size_t characters = 0;
    while (const SheetRow* row = rows->Next())
        for (int column = 1; column <= kColumnCount; ++column) characters += row->CellText(column).size();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return characters > 0 ? seconds : -1;
}

double ConvertPhase(const std::string& workbook, const std::string& output)
{
    const auto start = Clock::now();
    SilentObserver observer;
    const RunResult result = ConvertPriceList(BenchInputs(workbook, output), observer);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return result.allSaved ? seconds : -1;
}

struct Measured {
    double seconds = -1;
    double peakMegabytes = 0;
};

// Runs the phase in a child process: its own peak memory, nothing shared.
Measured InChild(Phase phase, const std::string& workbook, const std::string& output)
{
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        double seconds = -1;
        try {
            seconds = phase(workbook, output);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
        }
        const ssize_t written = write(channel[1], &seconds, sizeof seconds);
        _exit(written == sizeof seconds ? 0 : 1);
    }
    close(channel[1]);
    Measured measured;
    if (read(channel[0], &measured.seconds, sizeof measured.seconds) != sizeof measured.seconds) measured.seconds = -1;
    close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    measured.peakMegabytes = usage.ru_maxrss / 1024.0;
    return measured;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> rowCounts;
    std::string folder = "/tmp";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--folder" && i + 1 < argc)
            folder = argv[++i];
        else
            rowCounts.push_back(std::atoi(argument.c_str()));
    }
    if (rowCounts.empty()) rowCounts.push_back(100000);

    for (const int rows : rowCounts) {
        const std::string workbook = folder + "/quarnel-bench-" + std::to_string(rows) + ".xlsx";
        const std::string output = folder + "/quarnel-bench-" + std::to_string(rows) + ".xml";
        std::printf("%d rows x %d mapped fields\n", rows, kColumnCount);
        if (!WriteWorkbook(workbook, rows)) {
            std::fprintf(stderr, "cannot write %s\n", workbook.c_str());
            return 1;
        }
        const Measured read = InChild(ReadPhase, workbook, output);
        const Measured convert = InChild(ConvertPhase, workbook, output);
        if (read.seconds <= 0 || convert.seconds <= 0) {
            std::fprintf(stderr, "a phase failed\n");
            return 1;
        }
        std::printf("  read:    %7.2f s  %9.0f rows/s  peak %6.0f MB\n", read.seconds, rows / read.seconds,
                    read.peakMegabytes);
        std::printf("  convert: %7.2f s  %9.0f rows/s  peak %6.0f MB\n", convert.seconds, rows / convert.seconds,
                    convert.peakMegabytes);
        std::printf("  convert / read: %.2f (target at most 2.5)\n", convert.seconds / read.seconds);
        std::printf("  output side: %+.0f MB peak over reading\n", convert.peakMegabytes - read.peakMegabytes);
        std::remove(workbook.c_str());
        std::remove(output.c_str());
    }
    return 0;
}
