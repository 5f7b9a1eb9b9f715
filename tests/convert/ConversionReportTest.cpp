#include "convert/ConversionReport.h"
#include "support/TypeIndex.h"

#include "base/DateTime.h"
#include "messages/FaultMessages.h"
#include "convert/Convert.h"
#include "convert/RecordingObserver.h"
#include "convert/RunFixture.h"
#include "convert/TableWorkbook.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

double At(int year, int month, int day, int hour, int minute, int second)
{
    return EncodeDateTime({year, month, day, hour, minute, second, 0});
}

TEST(ConversionReportTest, ARunWithErrorsIsSavedAsTheHeaderLineAndTheLog)
{
    TempFolder folder;
    const TableWorkbook workbook(
        {{"Артикул", "ISBN"}, {"KD-1", "978-5-17-118366-0"}, {"KD-2", "978-5-17-118366-4"}, {"KD-3", "12345"}});
    HeldSheetRows sheet(workbook);
    const RunInputs inputs = MappedInputs(0, {"Артикул", "ISBN"}, {{"RecordReference", "Артикул"}, {"ISBN", "ISBN"}},
                                          folder.File("price.xml"));
    RecordingObserver observer;
    ConvertRows(inputs, sheet, observer);

    const std::string report = folder.File("price.log");
    WriteConversionReport(report, ConversionReportText("/data/поставщик/книги.xlsx", TDocumentType::Books,
                                                       At(2024, 3, 5, 14, 30, 7), Regional::Russian(), observer.log));
    EXPECT_EQ(ReadBytes(report), "Книга: /data/поставщик/книги.xlsx; тип документа: Прайс-лист для книжных товаров; "
                                 "дата и время: 05.03.2024 14:30:07\n"
                                 "Ошибка в строке 3. ISBN-13 имеет неправильную контрольную цифру (должно быть 0)\n"
                                 "Ошибка в строке 4. ISBN содержит не 10 и не 13 значащих символов\n"
                                 "------------------------------------------\n"
                                 "Имеются критические ошибки. Файл ONIX XML не сохранен.\n");
}

struct HeaderCase {
    const char* name;
    TypeIndex type;
    double runDateTime;
    Regional regional;
    std::vector<std::string> log;
    std::string expected;
};

void PrintTo(const HeaderCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConversionReportTextTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(ConversionReportTextTest, StartsWithWorkbookTypeAndTimeThenTheLogLineForLine)
{
    const HeaderCase& c = GetParam();
    EXPECT_EQ(ConversionReportText("книга.xls", c.type, c.runDateTime, c.regional, c.log), c.expected);
}

Regional American()
{
    Regional regional;
    regional.decimalSeparator = ".";
    regional.shortDateFormat = "M/d/yyyy";
    regional.longTimeFormat = "h:mm:ss AP";
    return regional;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionReportTextTest,
    testing::Values(HeaderCase{"MidnightStillShowsTheTimeAndTrailingBlanksStay",
                               4,
                               At(2024, 3, 5, 0, 0, 0),
                               Regional::Russian(),
                               {"Преобразование завершено успешно. ", "Файл ONIX XML сохранен."},
                               "Книга: книга.xls; тип документа: Прайс-лист для карт (листовое издание); "
                               "дата и время: 05.03.2024 00:00:00\n"
                               "Преобразование завершено успешно. \nФайл ONIX XML сохранен.\n"},
                    HeaderCase{"RegionalFormats",
                               0,
                               At(2024, 3, 5, 14, 30, 0),
                               American(),
                               {"строка"},
                               "Книга: книга.xls; тип документа: Прайс-лист для книжных товаров; дата и время: "
                               "3/5/2024 2:30:00 PM\nстрока\n"},
                    HeaderCase{"EmptyLogGivesTheHeaderLineAlone",
                               0,
                               At(2024, 3, 5, 14, 30, 0),
                               Regional::Russian(),
                               {},
                               "Книга: книга.xls; тип документа: Прайс-лист для книжных товаров; дата и время: "
                               "05.03.2024 14:30:00\n"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

TEST(ConversionReportTest, RefusedSaveKeepsThePreviousReportAndNamesTheFile)
{
    TempFolder folder;
    const std::string report = folder.File("price.log");
    WriteBytes(report, "previous");
    ::chmod(report.c_str(), 0444);
    try {
        WriteConversionReport(report, "new");
        FAIL() << "a read-only report must not be replaced";
    } catch (const std::exception& error) {
        EXPECT_NE(UserMessage(error).find(report), std::string::npos) << UserMessage(error);
    }
    EXPECT_EQ(ReadBytes(report), "previous");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"price.log"});
}

} // namespace
