#include "app/cli/ChildProcess.h"
#include "convert/GoldenCase.h"
#include "convert/RunFixture.h"

#include "app/cli/CommandLineTexts.h"
#include "app/common/FrontEndTexts.h"
#include "base/Cp1251.h"
#include "base/DateTime.h"
#include "base/Regional.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <ctime>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Environment = std::map<std::string, std::string>;

const Environment kRussian{{"LC_ALL", "ru_RU.UTF-8"}};

ProcessOutput QuarnelConvert(const std::vector<std::string>& arguments, const Environment& environment = kRussian)
{
    return RunProcess(QUARNEL_CONVERT_PATH, arguments, environment);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The summary on standard error after a run that saved one file.
std::string SavedLines(const std::string& path, int rows)
{
    const std::string count = std::to_string(rows);
    return "Преобразовано строк: " + count + ".\nФайл \"" + path + "\" сохранен (строк: " + count + ").\n";
}

// Every test names its own settings file, so that none reads or writes the
// settings of a real installation.
class QuarnelConvertTest : public testing::Test {
protected:
    std::string Workbook(const Rows& rows)
    {
        const std::string path = folder.File("book.xlsx");
        WriteXlsxWorkbook(path, rows);
        return path;
    }
    std::string Scheme(const std::string& lines)
    {
        const std::string path = folder.File("scheme.sch");
        WriteBytes(path, EncodeEdgeFile(lines));
        return path;
    }

    TempFolder folder;
    std::string settings = folder.File("quarnel.ini");
};

const Rows kBooks{{"Артикул", "ISBN", "Название", "Цена", "НДС"},
                  {"KD-1", "978-5-17-118366-0", "Мастер и Маргарита", "{n}450.5", "{n}10"},
                  {"KD-2", "978-5-17-118366-4", "Белая гвардия", "{n}300", "{n}10"}};
const char kBookScheme[] = "Артикул = Артикул\r\nISBN = ISBN\r\nНазвание (Основное заглавие) = Название\r\n"
                           "Отпускная цена без НДС = Цена\r\nСтавка НДС, % = НДС\r\n";

class GoldenCommandLineTest : public testing::TestWithParam<GoldenCase> {};

// The command line of the window's automatic mode, with the header texts
// given as options: the same files and log as the library run.
TEST_P(GoldenCommandLineTest, WritesTheExpectedFilesAndLog)
{
    const GoldenCase& golden = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File("book.xlsx");
    golden.WriteWorkbook(workbook);
    std::vector<std::string> arguments{"--settings", folder.File("quarnel.ini"),
                                       "--scheme",   golden.SchemeFile().string(),
                                       "--date",     golden.Input("date")};
    const std::pair<const char*, const char*> parties[] = {
        {"--from-san", "fromSAN"}, {"--from-company", "fromCompany"}, {"--from-person", "fromPerson"},
        {"--to-san", "toSAN"},     {"--to-company", "toCompany"},     {"--to-person", "toPerson"}};
    for (const auto& [option, key] : parties) {
        arguments.push_back(option);
        arguments.push_back(golden.Input(key));
    }
    arguments.insert(arguments.end(), {workbook, folder.File(golden.Input("output")), golden.Input("type")});
    if (golden.Input("type") == "9")
        arguments.insert(arguments.end(), {golden.Input("messageNumber"), golden.Input("documentReference")});

    const ProcessOutput result = QuarnelConvert(arguments);
    EXPECT_EQ(result.out, golden.ExpectedLog());
    // The summary: the data rows, and each file with the products or
    // positions it holds.
    std::string summary = "Преобразовано строк: " + std::to_string(golden.DataRows()) + ".\n";
    if (const auto [first, last] = golden.FilledRowsBelowTheData(); first > 0)
        summary += "Чтение остановлено на пустой ячейке A" + std::to_string(golden.DataRows() + 2) + "; строки "
                   + std::to_string(first) + "–" + std::to_string(last)
                   + " не прочитаны (прочитать их: --layout supplier).\n";
    for (const auto& [name, bytes] : golden.ExpectedFiles())
        summary += "Файл \"" + folder.File(name) + "\" сохранен (строк: "
                   + std::to_string(Occurrences(bytes, "<Product>") + Occurrences(bytes, "<Position>")) + ").\n";
    EXPECT_EQ(result.err, summary);
    EXPECT_EQ(std::to_string(result.exitCode), golden.Input("exit"));
    EXPECT_EQ(WrittenFiles(folder.Path(), "book.xlsx"), golden.ExpectedFiles());
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCommandLineTest, testing::ValuesIn(LoadGoldenCases()),
                         [](const testing::TestParamInfo<GoldenCase>& info) { return GoldenTestName(info.param); });

struct UsageCase {
    std::vector<std::string> arguments;
    const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    if (c.arguments.empty()) *os << "no arguments";
    const char* separator = "";
    for (const std::string& argument : c.arguments) {
        *os << separator << CaseText(argument);
        separator = " ";
    }
}

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExitsWithTwoAndSaysWhy)
{
    const ProcessOutput result = QuarnelConvert(GetParam().arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, GetParam().message)) << result.err;
    EXPECT_TRUE(Contains(result.err, QRNConsts::sCliHelpHint)) << result.err;
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrorTest,
    testing::Values(UsageCase{{}, "Укажите книгу, файл XML и тип документа"},
                    UsageCase{{"a.xlsx", "b.xml"}, "Укажите книгу, файл XML и тип документа"},
                    UsageCase{{"a.xlsx", "b.xml", "9", "1", "2", "3"}, "Лишний параметр \"3\""},
                    UsageCase{{"--colour", "a.xlsx", "b.xml", "0"}, "Неизвестный параметр \"--colour\""},
                    UsageCase{{"a.xlsx", "b.xml", "0", "--scheme"}, "Не указано значение параметра \"--scheme\""},
                    UsageCase{{"--list-columns", "a.xlsx", "b.xml"}, "Лишний параметр \"b.xml\""}));

TEST(QuarnelConvertInfoTest, HelpListsTheDocumentTypesInRussian)
{
    const ProcessOutput result = QuarnelConvert({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(result.out, "Использование:"));
    EXPECT_TRUE(Contains(result.out, "  0   Прайс-лист для книжных товаров\n"));
    EXPECT_TRUE(Contains(result.out, "  9   Накладная\n"));
}

TEST(QuarnelConvertInfoTest, VersionIsTheProgramsVersion)
{
    const ProcessOutput result = QuarnelConvert({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "quarnel-convert 3.0\n");
}

struct DocumentTypeCase {
    const char* type;
    const char* message;
};

void PrintTo(const DocumentTypeCase& c, std::ostream* os)
{
    *os << CaseText(c.type);
}

class DocumentTypeErrorTest : public QuarnelConvertTest, public testing::WithParamInterface<DocumentTypeCase> {};

TEST_P(DocumentTypeErrorTest, ExitsWithTwoAndConvertsNothing)
{
    const ProcessOutput result = QuarnelConvert({"--settings", settings, "--scheme", Scheme(kBookScheme),
                                                 Workbook(kBooks), folder.File("out.xml"), GetParam().type});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, std::string(GetParam().message) + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.xml")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentTypeErrorTest,
    testing::Values(
        DocumentTypeCase{
            "книги",
            "Недопустимый тип документа \"книги\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "1.5", "Недопустимый тип документа \"1.5\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "", "Недопустимый тип документа \"\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "99999999999",
            "Недопустимый тип документа \"99999999999\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "12", "Недопустимый тип документа \"12\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "-1", "Недопустимый тип документа \"-1\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."},
        DocumentTypeCase{
            "265", "Недопустимый тип документа \"265\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная)."}));

// A supplier's price list as it really comes: on the second sheet under a
// title block, or as a windows-1251 CSV with ";", converts as the clean one.
TEST_F(QuarnelConvertTest, TitleBlockOnASecondSheetAndCsvConvertAsTheCleanWorkbook)
{
    const std::string scheme = Scheme(kBookScheme);
    const auto convert = [&](const std::string& workbook, const std::string& output, std::vector<std::string> options) {
        options.insert(options.end(), {"--settings", settings, "--scheme", scheme, "--from-san", "1", "--date",
                                       "05.03.2024", workbook, folder.File(output), "0"});
        const ProcessOutput result = QuarnelConvert(options);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return ReadBytes(folder.File(output));
    };
    const std::string clean = convert(Workbook(kBooks), "clean.xml", {});

    Rows titled{{"ООО \"Книжный дом\""}, {"Прайс-лист на 05.03.2024"}, {}, {"Телефон", "+7 495 000-00-00"}, {}};
    titled.insert(titled.end(), kBooks.begin(), kBooks.end());
    const std::string sheets = folder.File("sheets.xlsx");
    WriteXlsxSheets(sheets, {{"Обложка", {{"Каталог"}}}, {"Книги", titled}});
    EXPECT_EQ(convert(sheets, "sheet.xml", {"--sheet", "Книги", "--header-row", "6"}), clean);
    EXPECT_EQ(convert(sheets, "position.xml", {"--sheet=2", "--header-row=6"}), clean);
    EXPECT_EQ(QuarnelConvert({"--list-sheets", sheets}).out, "Обложка\nКниги\n");

    const std::string csv = folder.File("books.csv");
    WriteBytes(csv, *Utf8ToCp1251("Артикул;ISBN;Название;Цена;НДС\r\n"
                                  "KD-1;978-5-17-118366-0;\"Мастер и Маргарита\";450,5;10\r\n"
                                  "KD-2;978-5-17-118366-4;Белая гвардия;300;10\r\n"));
    EXPECT_EQ(convert(csv, "csv.xml", {}), clean);

    const ProcessOutput missing = QuarnelConvert({"--sheet", "Журналы", "--list-columns", sheets});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(Contains(missing.err, "нет листа \"Журналы\". Листы книги: \"Обложка\", \"Книги\"")) << missing.err;
}

TEST_F(QuarnelConvertTest, MissingWorkbookExitsWithTwoNamingIt)
{
    const std::string missing = folder.File("нет такой.xlsx");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", Scheme(kBookScheme), missing, folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, missing)) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST_F(QuarnelConvertTest, UnwritableOutputExitsWithTwoNamingItAndLeavesNoFile)
{
    const std::string output = folder.File("нет папки/out.xml");
    const ProcessOutput result = QuarnelConvert(
        {"--settings", settings, "--scheme", Scheme(kBookScheme), "--from-san", "1", Workbook(kBooks), output, "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, output)) << result.err;
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"book.xlsx", "scheme.sch"}));
}

TEST_F(QuarnelConvertTest, EmptyOutputPathIsRefused)
{
    const ProcessOutput result = QuarnelConvert(
        {"--settings", settings, "--scheme", Scheme(kBookScheme), "--from-san", "1", Workbook(kBooks), "", "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, std::string(QRNConsts::sNoXmlFile) + "\n");
}

TEST_F(QuarnelConvertTest, MissingSchemeFileExitsWithTwoNamingIt)
{
    const std::string missing = folder.File("нет.sch");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", missing, Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, missing)) << result.err;
}

TEST_F(QuarnelConvertTest, EmptyMandatoryFieldsAreReportedAndTheRunGoesOn)
{
    const std::string output = folder.File("out.xml");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", Scheme(kBookScheme), Workbook(kBooks), output, "0"});
    EXPECT_EQ(result.err, "Не заполнены обязательные поля: ИНН отправителя (--from-san)\n" + SavedLines(output, 2));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(output));
    EXPECT_EQ(ReadMessage(output).find("<Sender>"), std::string::npos);
}

TEST_F(QuarnelConvertTest, InvoiceWithoutNumbersIsReportedAndStillConverted)
{
    const Rows rows{{"Артикул", "Количество"}, {"R1", "{n}3"}};
    const std::string output = folder.File("inv.xml");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", Scheme("Артикул = Артикул\r\nКоличество = Количество\r\n"),
                        "--from-san", "1", Workbook(rows), output, "9"});
    EXPECT_EQ(result.err, "Не заполнены обязательные поля: номер накладной (4-й параметр), номер заказа "
                          "(5-й параметр)\n"
                              + SavedLines(output, 1));
    EXPECT_EQ(result.out, "Накладная № \nПреобразование завершено успешно. Файл ONIX XML сохранен.\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(ReadMessage(output), "<Position><RecordReference>R1</RecordReference><Amount>3</Amount>"));
}

TEST_F(QuarnelConvertTest, WithoutAnySchemeNoFieldIsMappedAndAWarningSaysSo)
{
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.err, std::string(QRNConsts::sCliNoScheme) + "\nПреобразовано строк: 2.\n");
    EXPECT_EQ(result.out, "Ошибка в строке 2. Не указан артикул товара\nОшибка в строке 3. Не указан артикул товара\n"
                          "------------------------------------------\n"
                          "Имеются критические ошибки. Файл ONIX XML не сохранен.\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.xml")));
}

TEST_F(QuarnelConvertTest, RememberedSchemeThatIsGoneIsNamedInTheWarning)
{
    const std::string gone = folder.File("старая.sch");
    WriteBytes(settings, EncodeEdgeFile("[Params]\r\nPricelistCorrespondence=" + gone + "\r\n"));
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_TRUE(Contains(result.err, "\"" + gone + "\"")) << result.err;
    EXPECT_EQ(result.exitCode, 1);
}

TEST_F(QuarnelConvertTest, RemembersWhatTheWizardRememberedAndNeverWritesTheSettings)
{
    const std::string settingsText = "[Params]\r\nFromSAN=7701234567\r\nFromCompany=ООО Книжный дом\r\n"
                                     "ToSAN=7812345678\r\nPricelistCorrespondence="
                                     + Scheme(kBookScheme) + "\r\n";
    WriteBytes(settings, EncodeEdgeFile(settingsText));
    const std::string bytesBefore = ReadBytes(settings);
    const std::string output = folder.File("out.xml");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--to-san", "", "--date", "05.03.2024", Workbook(kBooks), output, "0"});
    EXPECT_EQ(result.err, SavedLines(output, 2));
    EXPECT_EQ(result.out, "Ошибка в строке 3. ISBN-13 имеет неправильную контрольную цифру (должно быть 0)\n"
                          "------------------------------------------\n"
                          "Файл ONIX XML сохранен.\n");
    EXPECT_EQ(result.exitCode, 0);
    const std::string xml = ReadMessage(output);
    EXPECT_TRUE(
        Contains(xml, "<IDValue>7701234567</IDValue></SenderIdentifier><SenderName>ООО Книжный дом</SenderName>"))
        << xml;
    EXPECT_FALSE(Contains(xml, "<Addressee>")) << "an option given empty replaces the remembered text";
    EXPECT_TRUE(Contains(xml, "<SentDateTime>20240305</SentDateTime>"));
    EXPECT_TRUE(Contains(xml, "<PriceAmount>450.5</PriceAmount>"));
    EXPECT_EQ(ReadBytes(settings), bytesBefore);
}

TEST_F(QuarnelConvertTest, SentDateDefaultsToToday)
{
    const std::string output = folder.File("out.xml");
    QuarnelConvert(
        {"--settings", settings, "--scheme", Scheme(kBookScheme), "--from-san", "1", Workbook(kBooks), output, "0"});
    const CivilDateTime today = DecodeDateTime(TodayDateTime());
    char expected[64];
    std::snprintf(expected, sizeof expected, "<SentDateTime>%04d%02d%02d</SentDateTime>", today.year, today.month,
                  today.day);
    EXPECT_TRUE(Contains(ReadMessage(output), expected));
}

TEST_F(QuarnelConvertTest, UnreadableDateExitsWithTwoAndSavesNothing)
{
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", Scheme(kBookScheme), "--from-san", "1", "--date",
                        "2024-03-05", "--log", folder.File("out.log"), Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 2);
    const std::string message = "Неверная дата \"2024-03-05\" в параметре --date (нужно дд.мм.гггг)\n";
    EXPECT_EQ(result.err, message);
    EXPECT_FALSE(std::filesystem::exists(folder.File("out.xml")));
    // The report says why, not only when.
    const std::string report = ReadBytes(folder.File("out.log"));
    EXPECT_EQ(report.substr(report.find('\n') + 1), message);
}

Rows InvoiceRows(int count)
{
    Rows rows{{"Артикул", "Цена"}};
    for (int i = 0; i < count; ++i) rows.push_back({"R" + std::to_string(i + 2), "{n}150.75"});
    return rows;
}

const char kInvoiceScheme[] = "Артикул = Артикул\r\nОтпускная цена без НДС со скидкой = Цена\r\n";

struct SplitCase {
    const char* settingsText;
    bool noSplitOption;
    std::vector<std::string> files;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << "settings " << CaseText(c.settingsText) << (c.noSplitOption ? ", --no-split" : "");
}

class InvoiceSplitTest : public QuarnelConvertTest, public testing::WithParamInterface<SplitCase> {};

TEST_P(InvoiceSplitTest, SplitsUnlessTheSettingOrTheOptionSaysNo)
{
    WriteBytes(settings, GetParam().settingsText);
    std::vector<std::string> arguments{"--settings", settings, "--scheme", Scheme(kInvoiceScheme), "--from-san", "1"};
    if (GetParam().noSplitOption) arguments.push_back("--no-split");
    arguments.insert(arguments.end(), {Workbook(InvoiceRows(16)), folder.File("inv.xml"), "9", "15", "7"});
    const ProcessOutput result = QuarnelConvert(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::vector<std::string> expected{"book.xlsx", "quarnel.ini", "scheme.sch"};
    expected.insert(expected.end(), GetParam().files.begin(), GetParam().files.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.Names(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, InvoiceSplitTest,
                         testing::Values(SplitCase{"", false, {"inv-1.xml", "inv-2.xml"}},
                                         SplitCase{"[Params]\nNoSeparate15Pos=0\n", false, {"inv-1.xml", "inv-2.xml"}},
                                         SplitCase{"[Params]\nNoSeparate15Pos=1\n", false, {"inv.xml"}},
                                         SplitCase{"", true, {"inv.xml"}}));

TEST_F(QuarnelConvertTest, RegionalFormatsComeFromTheUsersLocale)
{
    const std::string output = folder.File("inv.xml");
    const std::vector<std::string> common{"--settings",           settings,     "--scheme",
                                          Scheme(kInvoiceScheme), "--from-san", "1"};

    std::vector<std::string> russian = common;
    russian.insert(russian.end(), {"--date", "05.03.2024", Workbook(InvoiceRows(1)), output, "9", "15", "7"});
    ASSERT_EQ(QuarnelConvert(russian, {{"LC_ALL", "ru_RU.UTF-8"}}).exitCode, 0);
    EXPECT_TRUE(Contains(ReadMessage(output), "<Price>150,75</Price>"));
    EXPECT_TRUE(Contains(ReadMessage(output), "<SentDate>20240305</SentDate>"));

    std::vector<std::string> american = common;
    american.insert(american.end(), {"--date", "3/5/24", Workbook(InvoiceRows(1)), output, "9", "15", "7"});
    const ProcessOutput result = QuarnelConvert(american, {{"LC_ALL", "en_US.UTF-8"}});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(ReadMessage(output), "<Price>150.75</Price>"));
    EXPECT_TRUE(Contains(ReadMessage(output), "<SentDate>20240305</SentDate>"));

    // A locale without a preference (a server's) gets the Russian profile,
    // unless the system's is asked for.
    ASSERT_EQ(QuarnelConvert(russian, {{"LC_ALL", "C.UTF-8"}}).exitCode, 0);
    EXPECT_TRUE(Contains(ReadMessage(output), "<Price>150,75</Price>"));
    std::vector<std::string> system = russian;
    system.insert(system.begin(), {"--regional", "system"});
    EXPECT_EQ(QuarnelConvert(system, {{"LC_ALL", "C.UTF-8"}}).exitCode, 2);
    // A date that does not read is told in the format in use.
    const ProcessOutput refused = QuarnelConvert(system, {{"LC_ALL", "en_US.UTF-8"}});
    EXPECT_EQ(refused.err, "Неверная дата \"05.03.2024\" в параметре --date (нужно м/д/гг)\n");
}

TEST_F(QuarnelConvertTest, LongCellWarningNamesRowAndField)
{
    const std::string longTitle(260, 'a');
    const Rows rows{{"Артикул", "Название"}, {"KD-1", "Короткое"}, {"KD-2", longTitle}};
    const ProcessOutput result = QuarnelConvert({"--settings", settings, "--scheme", Scheme(kBookScheme), "--from-san",
                                                 "1", Workbook(rows), folder.File("out.xml"), "0"});
    // The scheme's other columns are missing: said before the run and after it.
    const std::string missing = "В книге нет столбцов, названных в схеме: \"ISBN\", \"Цена\", \"НДС\".\n";
    EXPECT_EQ(result.err, missing + "Предупреждение (строка 3, поле Title): Длина строки \"" + longTitle.substr(0, 250)
                              + "…\" более 250 символов. Строка будет усечена\nПреобразовано строк: 2.\n" + missing
                              + "Файл \"" + folder.File("out.xml") + "\" сохранен (строк: 2).\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(ReadMessage(folder.File("out.xml")), ">" + std::string(250, 'a') + "<"));
}

// Control characters of a crafted file never reach the terminal as they are.
TEST_F(QuarnelConvertTest, ListColumnsPrintsTheTrimmedHeaderRow)
{
    const ProcessOutput result =
        QuarnelConvert({"--list-columns", Workbook({{" Артикул ", "IS\x07\x1B[2JBN", "", "после пустой"}, {"KD-1"}})});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Артикул\nIS\\x07\\x1B[2JBN\n");
}

TEST_F(QuarnelConvertTest, DumpPrintsEveryCell)
{
    const ProcessOutput result =
        QuarnelConvert({"--dump", Workbook({{"Артикул", "Це\x1B]0;на\tа"}, {"KD-1", "{n}12.5"}})});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "1\t1\tАртикул\n1\t2\tЦе\\x1B]0;на\\tа\n2\t1\tKD-1\n2\t2\t12,5\n");
}

// The main command of examples/README.md, as a user would type it.
// The summary after the run, and the exit status it goes with: a message
// without a product is saved but is no success.
struct SummaryCase {
    const char* name;
    Rows rows;
    std::vector<std::string> options;
    std::string summary; // {out} stands for the output file
    int exitCode;
    std::string csv = {}; // when given, the workbook instead of the rows
    std::string moreScheme = {};
};

void PrintTo(const SummaryCase& c, std::ostream* os)
{
    *os << c.name;
}

class SummaryTest : public testing::TestWithParam<SummaryCase> {};

// An empty row taken as the header row names no column.
const char kNoColumns[] =
    "В книге нет столбцов, названных в схеме: \"Артикул\", \"ISBN\", \"Название\", \"Цена\", \"НДС\".\n";

const char kCaptionTwice[] =
    "Предупреждение: поле \"ISBN\" задано в схеме дважды (строки 2 и 6); действует первая из них.\n";

TEST_P(SummaryTest, SaysWhatTheRunConvertedAndExitsAccordingly)
{
    const SummaryCase& c = GetParam();
    TempFolder folder;
    const std::string workbook = folder.File(c.csv.empty() ? "book.xlsx" : "book.csv");
    if (c.csv.empty()) WriteXlsxWorkbook(workbook, c.rows);
    else WriteBytes(workbook, c.csv);
    const std::string scheme = folder.File("scheme.sch");
    WriteBytes(scheme, EncodeEdgeFile(kBookScheme + c.moreScheme));
    std::vector<std::string> arguments = {"--settings", folder.File("quarnel.ini"), "--scheme", scheme, "--from-san",
                                          "1"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.insert(arguments.end(), {workbook, folder.File("out.xml"), "0"});
    const ProcessOutput result = QuarnelConvert(arguments);
    std::string summary = c.summary;
    if (const auto at = summary.find("{out}"); at != std::string::npos) summary.replace(at, 5, folder.File("out.xml"));
    EXPECT_EQ(result.err, summary);
    EXPECT_EQ(result.exitCode, c.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SummaryTest,
    testing::Values(
        SummaryCase{"HeaderOnly", {kBooks[0]}, {}, "Преобразовано строк: 0.\nФайл \"{out}\" сохранен (строк: 0).\n", 1},
        SummaryCase{"HeaderRowBelowTheData",
                    kBooks,
                    {"--header-row", "500"},
                    std::string(kNoColumns) + "Преобразовано строк: 0.\n" + kNoColumns
                        + "Файл \"{out}\" сохранен (строк: 0).\n",
                    1},
        SummaryCase{
            "TotalRowBelowTheData",
            {kBooks[0], kBooks[1], kBooks[2], {"", "", "Итого", "{n}750.5"}, {"KD-3"}},
            {},
            "Преобразовано строк: 2.\nЧтение остановлено на пустой ячейке A4; строки 4–5 не прочитаны (прочитать их: --layout supplier).\n"
            "Файл \"{out}\" сохранен (строк: 2).\n",
            0},
        SummaryCase{
            "EmptyRowBelowTheData",
            {kBooks[0], kBooks[1], {}, {}, kBooks[2]},
            {},
            "Преобразовано строк: 1.\nЧтение остановлено на пустой ячейке A3; строки 5–5 не прочитаны (прочитать их: --layout supplier).\n"
            "Файл \"{out}\" сохранен (строк: 1).\n",
            0},
        SummaryCase{
            "SchemeColumnMissing",
            {{"Артикул", "ISBN", "Название", "Цена, руб.", "НДС"}, {"KD-1", "978-5-17-118366-0", "Книга", "1", "10"}},
            {},
            "В книге нет столбцов, названных в схеме: \"Цена\".\nПреобразовано строк: 1.\n"
            "В книге нет столбцов, названных в схеме: \"Цена\".\nФайл \"{out}\" сохранен (строк: 1).\n",
            0},
        SummaryCase{"CaptionGivenTwice",
                    {kBooks[0], kBooks[1]},
                    {},
                    std::string(kCaptionTwice) + "Преобразовано строк: 1.\n" + kCaptionTwice
                        + "Файл \"{out}\" сохранен (строк: 1).\n",
                    0,
                    {},
                    "isbn = Название\r\n"},
        SummaryCase{"SupplierLayoutPassesOverWhatIsNoProduct",
                    {},
                    {"--layout", "supplier"},
                    "Преобразовано строк: 2.\nПропущено строк: 3 (заголовки групп: 1, итоги: 1, повторы заголовков: "
                    "1).\nФайл \"{out}\" сохранен (строк: 2).\n",
                    0,
                    ";Артикул;ISBN;Название;Цена;НДС\n;;;;;\n;2024 год: проза;;;;\n;KD-1;978-5-17-118366-0;Книга;1;10\n"
                    ";Артикул;ISBN;Название;Цена;НДС\n;KD-2;978-5-17-118366-0;Книга;1;10\n;Итого по складу;;;2;\n"},
        SummaryCase{"SupplierLayoutLeavesOutTheBadRowsAndSavesTheRest",
                    {},
                    {"--layout", "supplier"},
                    "Преобразовано строк: 2.\nНе включено в файл строк с ошибками: 3 (без артикула: 2, ISBN: 1); "
                    "первая - строка 3.\nФайл \"{out}\" сохранен (строк: 2).\n",
                    0,
                    "Артикул;ISBN;Название;Цена;НДС\nKD-1;978-5-17-118366-0;Книга;1;10\n;;Книга;1;10\n"
                    "KD-3;978-5-17;Книга;1;10\nKD-4;;Книга;1;10\n;978-5-17;Книга;1;10\n"},
        SummaryCase{"SupplierLayoutPassesOverRowsUnlikeItsProducts",
                    {},
                    {"--layout", "supplier"},
                    "Преобразовано строк: 10.\nПропущено строк: 2 (не похожие на строки товаров: 2).\n"
                    "Файл \"{out}\" сохранен (строк: 10).\n",
                    0,
                    [] {
                        std::string csv = "Артикул;ISBN;Название;Цена;НДС\n13;;;;\n";
                        for (int row = 1; row <= 10; ++row) csv += "KD-" + std::to_string(row) + ";;Книга;1;10\n";
                        return csv + ";1;На сумму;;\n";
                    }()},
        // ISBN-10s a spreadsheet kept as numbers, without their leading 0.
        SummaryCase{"SupplierLayoutGivesAnIsbnKeptAsANumberItsZero",
                    {},
                    {"--layout", "supplier"},
                    "Преобразовано строк: 2.\nФайл \"{out}\" сохранен (строк: 2).\n",
                    0,
                    "Артикул;ISBN;Название;Цена;НДС\nKD-1;140183167;Книга;1;10\nKD-2;14018001X;Книга;1;10\n"},
        SummaryCase{"StockInWordsAndCountsThatDoNotRead",
                    {},
                    {},
                    "Преобразовано строк: 6.\nФайл \"{out}\" сохранен (строк: 6).\nСлова в поле \"Остатки\" "
                    "прочитаны как код доступности: \"Есть\" - 20, \"***\" - 20, \"нет\" - 40, \"0\" - 40\n"
                    "Значения в поле \"Остатки\" не читаются: строки 7\n",
                    0,
                    "Артикул;ISBN;Название;Цена;НДС;Склад\nKD-1;;Книга;1;10;Есть\nKD-2;;Книга;1;10;***\n"
                    "KD-3;;Книга;1;10;нет\nKD-4;;Книга;1;10;0\nKD-5;;Книга;1;10;5 шт\nKD-6;;Книга;1;10;много всего\n",
                    "Остатки = Склад\r\n"},
        SummaryCase{
            "CodeWrittenTwiceIsOneCode",
            {},
            {},
            "Преобразовано строк: 3.\nФайл \"{out}\" сохранен (строк: 3).\n"
            "Ячейки с повторенным кодом прочитаны как один код: 2; первая — строка 3.\n",
            0,
            "Артикул;ISBN;Название;Цена;НДС\nKD-1;978-5-17-118366-0;Книга;1;10\n"
            "KD-2;978-5-17-118366-0  978-5-17-118366-0;Книга;1;10\nKD-3;\"5-17-118366-X,\n5-17-118366-X\";Книга;1;10\n"},
        SummaryCase{"ReaderWarningsTenOfAKind",
                    {},
                    {},
                    [] {
                        std::string lines;
                        for (int line = 14; line <= 23; ++line)
                            lines += "Предупреждение: строка " + std::to_string(line)
                                     + " файла прочитана как одно поле, хотя в ней есть разделитель \",\".\n";
                        return "Преобразовано строк: 24.\nФайл \"{out}\" сохранен (строк: 24).\n" + lines
                               + "… и ещё 2\n";
                    }(),
                    0,
                    [] {
                        std::string csv = "Артикул;ISBN;Название;Цена;НДС\n";
                        for (int row = 0; row < 12; ++row) csv += "KD-" + std::to_string(row) + ";;Книга;10;0\n";
                        for (int row = 0; row < 12; ++row) csv += "Раздел, " + std::to_string(row) + "\n";
                        return csv;
                    }()}),
    [](const auto& info) { return std::string(info.param.name); });

// A scheme line naming "[группа]" gives its field the nearest heading above;
// the names lose the blanks 1C indents them with.
TEST_F(QuarnelConvertTest, SupplierLayoutGivesAFieldTheGroupHeadingAbove)
{
    const std::string workbook = folder.File("book.csv");
    WriteBytes(workbook, ";Артикул;ISBN;Название;Цена;НДС\n;Проза;;;;\n;KD-1;;Книга;1;10\n;KD-2;;Книга;1;10\n"
                         ";Поэзия;;;;\n;KD-3;;    Стихи ;1;10\n");
    const std::string output = folder.File("out.xml");
    const ProcessOutput result = QuarnelConvert({"--settings", settings, "--scheme",
                                                 Scheme(kBookScheme + std::string("Заглавие серии = [группа]\r\n")),
                                                 "--from-san", "1", "--layout", "supplier", workbook, output, "0"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<TitleText>Проза</TitleText>"), 2);
    EXPECT_EQ(Occurrences(xml, "<TitleText>Поэзия</TitleText>"), 1);
    EXPECT_EQ(Occurrences(xml, "<TitleText>Стихи</TitleText>"), 1);
    EXPECT_LT(xml.find("Проза</TitleText>", xml.find("KD-2")), xml.find("KD-3"));
}

// A list without an article column gives each product the FNV-1a hash of
// its name, case, runs of blanks and "ё" aside; a name met again is a row
// error, and the supplier layout leaves that row out.
TEST_F(QuarnelConvertTest, ArticlesMadeFromTheNamesAreTheSameInEveryRunAndOnePerName)
{
    const std::string workbook = folder.File("book.csv");
    WriteBytes(workbook, "Название;Цена\nМастер и Маргарита;10\n  мастер  и МАРГАРИТА ;20\nЁжик в тумане;30\n");
    const std::string output = folder.File("out.xml");
    const std::string scheme = Scheme("Артикул = [из названия]\r\nНазвание (Основное заглавие) = Название\r\n"
                                      "Отпускная цена без НДС = Цена\r\n");
    const ProcessOutput result = QuarnelConvert(
        {"--settings", settings, "--scheme", scheme, "--from-san", "1", "--layout", "supplier", workbook, output, "0"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(result.out, "Ошибка в строке 3. Тот же артикул \"Н9BD2AE6D9D4C81DC\" уже получил товар в "
                                     "строке 2 (артикул из названия)"))
        << result.out;
    EXPECT_TRUE(Contains(result.err, "Не включено в файл строк с ошибками: 1 (повтор артикула: 1); первая - строка 3.\n"
                                     "Артикул: из названия товара, столбца артикула в листе нет\n"))
        << result.err;
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Product>"), 2);
    EXPECT_TRUE(Contains(xml, "<RecordReference>Н9BD2AE6D9D4C81DC</RecordReference>"));
    EXPECT_TRUE(Contains(xml, "<RecordReference>Н11B09E4C0E2B1BD3</RecordReference>"));
}

// A supplier's list without a header: its columns are told by what they
// hold, from row 1 on.
TEST_F(QuarnelConvertTest, ASupplierListWithoutAHeaderIsReadByWhatItsColumnsHold)
{
    const std::string workbook = folder.File("price.csv");
    WriteBytes(workbook, "04861440AA;Абсорбер паров топлива;2\n23234927;Абсорбер;1\n4C3Z9B246F;Адаптер фильтра;5\n"
                         "RD10079C;Аккумулятор кондиционера;1\n");
    const std::string output = folder.File("out.xml");
    const ProcessOutput result = QuarnelConvert({"--settings", settings, "--layout", "supplier", "--header-row", "auto",
                                                 "--auto-scheme", "--from-san", "1", workbook, output, "5"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Contains(result.err, "лист прочитан без строки заголовков")) << result.err;
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Product>"), 4);
    EXPECT_TRUE(Contains(xml, "<RecordReference>04861440AA</RecordReference>"));
    EXPECT_TRUE(Contains(xml, "<TitleText>Аккумулятор кондиционера</TitleText>"));
}

// A name merged down over a product's pack sizes names each of them.
TEST_F(QuarnelConvertTest, SupplierLayoutGivesACellMergedDownToEveryRowItCovers)
{
    const std::string workbook = folder.File("packs.xlsx");
    lxw_workbook* book = workbook_new(workbook.c_str());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const std::vector<std::vector<const char*>> rows{
        {"Артикул", "Название", "Цена"}, {"P-1", "", "10"}, {"P-2", "", "18"}, {"P-3", "Мёд гречишный", "12"}};
    for (lxw_row_t r = 0; r < rows.size(); ++r)
        for (lxw_col_t c = 0; c < rows[r].size(); ++c)
            if (*rows[r][c]) worksheet_write_string(sheet, r, c, rows[r][c], nullptr);
    worksheet_merge_range(sheet, 1, 1, 2, 1, "Мёд липовый", nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
    const std::string output = folder.File("out.xml");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme",
                        Scheme("Артикул = Артикул\r\nНаименование товара = Название\r\nОтпускная цена без НДС = "
                               "Цена\r\n"),
                        "--from-san", "1", "--layout", "supplier", workbook, output, "5"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Occurrences(ReadMessage(output), "<TitleText>Мёд липовый</TitleText>"), 2);
}

TEST_F(QuarnelConvertTest, TheBookExampleConvertsWithItsCheckDigitWarning)
{
    const std::string output = folder.File("books.xml");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--scheme", "examples/books.sch", "--date", "01.03.2024", "--from-san",
                        "7701234567", "--from-company", "ООО «Книжный дом»", "examples/books.xlsx", output, "0"});
    EXPECT_EQ(result.out, "Ошибка в строке 5. ISBN-13 имеет неправильную контрольную цифру (должно быть 7)\n"
                          "------------------------------------------\n"
                          "Файл ONIX XML сохранен.\n");
    EXPECT_EQ(result.err, SavedLines(output, 7));
    EXPECT_EQ(result.exitCode, 0);
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Product>"), 7);
    EXPECT_TRUE(Contains(xml, "<PriceType>05</PriceType><PriceAmount>370.02</PriceAmount>"));
}

TEST_F(QuarnelConvertTest, TheInvoiceExampleBecomesTwoInvoices)
{
    const ProcessOutput result = QuarnelConvert({"--settings", settings, "--scheme", "examples/invoice.sch", "--date",
                                                 "01.03.2024", "--from-san", "7701234567", "examples/invoice.xlsx",
                                                 folder.File("invoice.xml"), "9", "2024-118", "З-77"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Occurrences(ReadMessage(folder.File("invoice-1.xml")), "<Position>"), 15);
    EXPECT_EQ(Occurrences(ReadMessage(folder.File("invoice-2.xml")), "<Position>"), 5);
}

// --auto-scheme: what the run maps is seen through --save-scheme, which keeps
// the scheme the run used.
struct AutoSchemeCase {
    const char* name;
    std::vector<std::string> header;
    const char* schemeOption;     // the --scheme file's lines; nullptr for none
    const char* rememberedScheme; // the remembered file's lines; nullptr for none
    const char* savedScheme;
    const char* err;
    const char* option = "--auto-scheme";
};

void PrintTo(const AutoSchemeCase& c, std::ostream* os)
{
    *os << c.name;
}

class AutoSchemeTest : public QuarnelConvertTest, public testing::WithParamInterface<AutoSchemeCase> {};

TEST_P(AutoSchemeTest, MapsColumnsNamedLikeFieldsOnTopOfTheSchemeItWouldUse)
{
    const AutoSchemeCase& c = GetParam();
    std::vector<std::string> arguments{"--settings", settings, "--from-san", "1", c.option};
    if (c.schemeOption) arguments.insert(arguments.end(), {"--scheme", Scheme(c.schemeOption)});
    if (c.rememberedScheme) {
        const std::string remembered = folder.File("remembered.sch");
        WriteBytes(remembered, EncodeEdgeFile(c.rememberedScheme));
        WriteBytes(settings, EncodeEdgeFile("[Params]\r\nPricelistCorrespondence=" + remembered + "\r\n"));
    }
    const std::string saved = folder.File("used.sch");
    arguments.insert(arguments.end(),
                     {"--save-scheme", saved, Workbook({c.header, {"KD-1"}}), folder.File("out.xml"), "0"});
    const ProcessOutput result = QuarnelConvert(arguments);
    std::string err = c.err;
    if (const auto at = err.find("{scheme}"); at != std::string::npos) err.replace(at, 8, folder.File("scheme.sch"));
    EXPECT_EQ(result.err.substr(0, result.err.find("Преобразовано строк")), err);
    EXPECT_EQ(ReadBytes(saved), EncodeEdgeFile(c.savedScheme));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutoSchemeTest,
    testing::Values(
        AutoSchemeCase{"NoSchemeAtAll",
                       {" артикул ", "Цена", "ISBN", "Название (основное заглавие)", "isbn"},
                       nullptr,
                       nullptr,
                       "Артикул = артикул\r\nISBN = ISBN\r\nОтпускная цена без НДС = Цена\r\nНазвание (Основное "
                       "заглавие) = Название (основное заглавие)\r\n",
                       "Сопоставлено: Артикул = артикул\nСопоставлено: ISBN = ISBN\n"
                       "Сопоставлено: Отпускная цена без НДС = Цена\n"
                       "Сопоставлено: Название (Основное заглавие) = Название (основное заглавие)\n"
                       "Сопоставлено полей: 4\n"},
        AutoSchemeCase{"OnTopOfTheNamedScheme",
                       {"Код", "Цена", "Издатель", "Артикул"},
                       "Отпускная цена без НДС = Цена\r\nАРТИКУЛ = Код\r\nбез равенства\r\n",
                       "Артикул = Что-то другое\r\n",
                       "Отпускная цена без НДС = Цена\r\nАРТИКУЛ = Код\r\nбез равенства\r\nИздатель = "
                       "Издатель\r\n",
                       "Сопоставлено: Издатель = Издатель\nСопоставлено полей: 1\n"},
        // A scheme made for invoices is said before the mapping.
        AutoSchemeCase{"AnotherTypesScheme",
                       {"Издатель"},
                       "Товарное наименование = Код\r\n",
                       nullptr,
                       "Товарное наименование = Код\r\nИздатель = Издатель\r\n",
                       "Схема \"{scheme}\" составлена для вида \"Накладная\": её строки для полей, которых нет в "
                       "этом виде, не действуют.\nСопоставлено: Издатель = Издатель\nСопоставлено полей: 1\n"
                       "В книге нет столбцов, названных в схеме: \"Код\".\n"},
        AutoSchemeCase{"OnTopOfTheRememberedScheme",
                       {"Код", "ISBN"},
                       nullptr,
                       "Артикул = Код\r\n",
                       "Артикул = Код\r\nISBN = ISBN\r\n",
                       "Сопоставлено: ISBN = ISBN\nСопоставлено полей: 1\n"},
        AutoSchemeCase{"GuessesAreNamedNotAdded",
                       {"Номер", "Цена с НДС"},
                       nullptr,
                       nullptr,
                       "",
                       "Предположение: Артикул = Номер (не добавлено; добавит --auto-scheme=all)\n"
                       "Предположение: Отпускная цена без НДС = Цена с НДС (не добавлено; добавит "
                       "--auto-scheme=all)\nСопоставлено полей: 0\n"},
        AutoSchemeCase{"AllTakesTheGuesses",
                       {"Номер", "Цена с НДС"},
                       nullptr,
                       nullptr,
                       "Артикул = Номер\r\nОтпускная цена без НДС = Цена с НДС\r\n",
                       "Сопоставлено: Артикул = Номер\nСопоставлено: Отпускная цена без НДС = Цена с НДС\n"
                       "Сопоставлено полей: 2\n",
                       "--auto-scheme=all"}),
    [](const testing::TestParamInfo<AutoSchemeCase>& info) { return std::string(info.param.name); });

TEST_F(QuarnelConvertTest, SavedSchemeConvertsAgainAsTheAutomaticMappingDid)
{
    const Rows rows{{"Артикул", "ISBN", "Название (Основное заглавие)", "Издатель"},
                    {"KD-1", "978-5-17-118366-0", "Мастер и Маргарита", "АСТ"},
                    {"KD-2", "978-5-17-118366-4", "Белая гвардия", "АСТ"}};
    const std::string book = Workbook(rows);
    const ProcessOutput automatic =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--date", "05.03.2024", "--auto-scheme",
                        "--save-scheme", folder.File("saved.sch"), book, folder.File("auto.xml"), "0"});
    ASSERT_EQ(automatic.exitCode, 0) << automatic.err;
    const ProcessOutput saved =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--date", "05.03.2024", "--scheme",
                        folder.File("saved.sch"), book, folder.File("saved.xml"), "0"});
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_EQ(saved.err, SavedLines(folder.File("saved.xml"), 2));
    EXPECT_EQ(saved.out, automatic.out);
    EXPECT_EQ(ReadBytes(folder.File("saved.xml")), ReadBytes(folder.File("auto.xml")));
    EXPECT_TRUE(Contains(ReadMessage(folder.File("saved.xml")), "<PublisherName>АСТ</PublisherName>"));
    EXPECT_EQ(Occurrences(ReadMessage(folder.File("saved.xml")), "<Product>"), 2);
}

TEST_F(QuarnelConvertTest, SaveSchemeWithoutAutomaticMappingKeepsTheSchemeAsUsed)
{
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--scheme", Scheme(kBookScheme), "--save-scheme",
                        folder.File("copy.sch"), Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(folder.File("copy.sch")), EncodeEdgeFile(kBookScheme));
}

TEST_F(QuarnelConvertTest, SchemeOrLogThatCannotBeSavedStopsBeforeConverting)
{
    for (const char* option : {"--save-scheme", "--log"}) {
        const std::string unwritable = folder.File("нет папки/used");
        const ProcessOutput result =
            QuarnelConvert({"--settings", settings, "--from-san", "1", "--scheme", Scheme(kBookScheme), option,
                            unwritable, Workbook(kBooks), folder.File("out.xml"), "0"});
        EXPECT_EQ(result.exitCode, 2) << option;
        EXPECT_TRUE(Contains(result.err, unwritable)) << option << ": " << result.err;
        EXPECT_EQ(result.out, "") << option;
        EXPECT_FALSE(std::filesystem::exists(folder.File("out.xml"))) << option;
    }
}

TEST_F(QuarnelConvertTest, FailedRunLeavesTheSavedSchemeAsItWas)
{
    const std::string saved = folder.File("saved.sch");
    WriteBytes(saved, "earlier");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--date", "31.02.2024", "--scheme",
                        Scheme(kBookScheme), "--save-scheme", saved, Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_EQ(ReadBytes(saved), "earlier");
}

TEST_F(QuarnelConvertTest, LogFileHoldsTheHeaderLineAndTheLogOfARunWithErrors)
{
    const std::string book = Workbook({{"Артикул", "ISBN"}, {"KD-1", "978-5-17-118366-4"}, {"KD-2", "12345"}});
    const std::string report = folder.File("отчет.log");
    const double before = NowDateTime();
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--scheme", Scheme(kBookScheme), "--log", report,
                        book, folder.File("out.xml"), "0"});
    const double after = NowDateTime();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Ошибка в строке 2. ISBN-13 имеет неправильную контрольную цифру (должно быть 0)\n"
                          "Ошибка в строке 3. ISBN содержит не 10 и не 13 значащих символов\n"
                          "------------------------------------------\n"
                          "Имеются критические ошибки. Файл ONIX XML не сохранен.\n");

    const std::string text = ReadBytes(report);
    const std::string header = "Книга: " + book + "; тип документа: Прайс-лист для книжных товаров; дата и время: ";
    ASSERT_EQ(text.compare(0, header.size(), header), 0) << text;
    const auto lineEnd = text.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    const auto ranAt = Regional::Russian().ParseDateTime(text.substr(header.size(), lineEnd - header.size()));
    ASSERT_TRUE(ranAt) << text;
    const double second = 1.0 / 86400;
    EXPECT_GE(*ranAt, before - second);
    EXPECT_LE(*ranAt, after + second);
    // The log, then the summary the standard error ends with.
    const std::string missing = "В книге нет столбцов, названных в схеме: \"Название\", \"Цена\", \"НДС\".\n";
    EXPECT_EQ(result.err, missing + "Преобразовано строк: 2.\n" + missing);
    EXPECT_EQ(text.substr(lineEnd + 1), result.out + "Преобразовано строк: 2.\n" + missing);
}

TEST_F(QuarnelConvertTest, LogFileThatCannotBeWrittenExitsWithTwoNamingIt)
{
    const std::string unwritable = folder.File("нет папки/out.log");
    const ProcessOutput result =
        QuarnelConvert({"--settings", settings, "--from-san", "1", "--scheme", Scheme(kBookScheme), "--log", unwritable,
                        Workbook(kBooks), folder.File("out.xml"), "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(Contains(result.err, unwritable)) << result.err;
}

} // namespace
