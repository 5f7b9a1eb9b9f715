#include "convert/Convert.h"
#include "support/TypeIndex.h"

#include "messages/FaultMessages.h"
#include "convert/RecordingObserver.h"
#include "convert/RunFixture.h"
#include "convert/RunLogTexts.h"
#include "convert/TableWorkbook.h"
#include "writers/ONIXErrorChannel.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Log = std::vector<std::string>;

const std::vector<std::string> kColumns{"Артикул", "ISBN", "Название", "Автор", "Издательство", "Цена", "НДС"};
const std::map<std::string, std::string> kBookMapping{
    {"RecordReference", "Артикул"}, {"ISBN", "ISBN"},    {"Title", "Название"}, {"AuthorKeyNames", "Автор"},
    {"Publisher", "Издательство"},  {"Price01", "Цена"}, {"VAT", "НДС"}};

std::vector<std::string> BookRow(const std::string& article, const std::string& isbn = "978-5-17-118366-0")
{
    return {article, isbn, "Мастер и Маргарита", "Булгаков", "АСТ", "450,5", "10"};
}

Rows WithHeader(std::vector<std::vector<std::string>> data)
{
    data.insert(data.begin(), kColumns);
    return data;
}

const Log kSuccessLog{QRNConsts::sConvertSuccess, QRNConsts::sFileSaved};

class PriceListRunTest : public testing::Test {
protected:
    RunResult Run(const Rows& rows, const std::map<std::string, std::string>& mapping = kBookMapping,
                  TypeIndex type = 0)
    {
        const TableWorkbook workbook(rows);
        HeldSheetRows sheet(workbook);
        RunInputs inputs = MappedInputs(type, rows.empty() ? std::vector<std::string>{} : rows[0], mapping, output);
        return ConvertPriceList(inputs, sheet, observer);
    }

    TempFolder folder;
    std::string output = folder.File("price.xml");
    RecordingObserver observer;
};

TEST_F(PriceListRunTest, EmptyOutputPathDoesNothingAndKeepsTheLog)
{
    observer.log = {"earlier line"};
    output.clear();
    const RunResult result = Run(WithHeader({BookRow("A1")}));
    EXPECT_EQ(observer.log, Log{"earlier line"});
    EXPECT_EQ(observer.clears, 0);
    EXPECT_FALSE(result.allSaved);
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(PriceListRunTest, NoDataRowsSavesTheHeaderAlone)
{
    const RunResult result = Run(WithHeader({}));
    EXPECT_EQ(observer.log, (Log{"Ни одна строка не преобразована: под строкой заголовков нет строк с данными.",
                                 QRNConsts::sFileSaved}));
    EXPECT_TRUE(result.allSaved);
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Product"), 0);
    EXPECT_EQ(Occurrences(xml, "<Header>"), 1);
    EXPECT_NE(xml.find("<MessageNote>Generated Quarnel 3.0 KALMIRA</MessageNote>"), std::string::npos);
}

TEST_F(PriceListRunTest, DataEndsAtTheFirstEmptyCellOfColumnOne)
{
    Rows data;
    for (int i = 0; i < 9; ++i) data.push_back(BookRow("A" + std::to_string(i)));
    data.push_back({"", "978-5-17-118366-4", "не читается"});
    data.push_back(BookRow("A-after-gap"));
    Run(WithHeader(data));
    // The bar runs over the rows the sheet holds: where the data ends is
    // known only on reaching it, and the bar is full from there.
    EXPECT_EQ(observer.maximum, 11);
    EXPECT_EQ(observer.positions, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 0}));
    EXPECT_EQ(observer.log, kSuccessLog);
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Product>"), 9);
    EXPECT_EQ(xml.find("A-after-gap"), std::string::npos);
}

TEST_F(PriceListRunTest, WrongCheckDigitIsLoggedAndTheFileSaved)
{
    const RunResult result =
        Run(WithHeader({BookRow("A1"), BookRow("A2"), BookRow("A3"), BookRow("A4", "978-5-17-118366-4")}));
    EXPECT_EQ(observer.log, (Log{"Ошибка в строке 5. ISBN-13 имеет неправильную контрольную цифру (должно быть 0)",
                                 QRNConsts::sLogSeparator, QRNConsts::sFileSaved}));
    EXPECT_TRUE(result.allSaved);
    EXPECT_FALSE(result.criticalError);
    EXPECT_EQ(result.errorCount, 1);
    EXPECT_EQ(Occurrences(ReadMessage(output), "<Product>"), 4);
}

// "100 ", "12.5" and "1 234,50 руб." are prices, "10%" a VAT rate; "сто" and
// "12 USD" under a price in roubles are no price, and the product goes
// without prices rather than with a price of 0: the row is named, and the
// file is still saved.
TEST_F(PriceListRunTest, PriceCellsThatAreNoNumberAreLoggedAndTheFileSaved)
{
    Rows rows = WithHeader({BookRow("A1"), BookRow("A2"), BookRow("A3")});
    rows[1][5] = "100 ";
    rows[2][5] = "12.5";
    rows[2][6] = "10%";
    rows[3][5] = "сто";
    rows.push_back(BookRow("A4"));
    rows[4][5] = "1 234,50 руб.";
    rows.push_back(BookRow("A5"));
    rows[5][5] = "12 USD";
    const RunResult result = Run(rows);
    EXPECT_EQ(observer.log,
              (Log{"Ошибка в строке 4. Значение \"сто\" в поле \"Отпускная цена без НДС\" не является числом",
                   "Ошибка в строке 6. Значение \"12 USD\" в поле \"Отпускная цена без НДС\" не в той валюте, что "
                   "в строке 5 (руб.)",
                   QRNConsts::sLogSeparator, QRNConsts::sFileSaved}));
    EXPECT_TRUE(result.allSaved);
    const std::string xml = ReadMessage(output);
    EXPECT_NE(xml.find("<PriceAmount>100</PriceAmount>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<PriceAmount>12.5</PriceAmount>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<PriceAmount>1234.5</PriceAmount>"), std::string::npos) << xml;
    EXPECT_EQ(Occurrences(xml, "<TaxRatePercent>10</TaxRatePercent>"), 3) << xml;
    EXPECT_EQ(Occurrences(xml, "<PriceAmount>0</PriceAmount>"), 0) << xml;
}

struct PriceCellCase {
    const char* price;
    const char* vat;
    const char* error;  // the row error's end, after the cell and the caption; "" for none
    const char* amount; // both prices' amount; nullptr when the product goes without prices
};

class PriceCellTest : public PriceListRunTest, public testing::WithParamInterface<PriceCellCase> {};

// Row 2 gives the price column its currency, roubles; row 3 holds the case.
TEST_P(PriceCellTest, ReadsAsSuppliersWriteItOrIsNamedAgainstTheRow)
{
    const PriceCellCase& c = GetParam();
    Rows rows = WithHeader({BookRow("A1"), BookRow("A2")});
    rows[1][5] = "7 руб.";
    rows[2][5] = c.price;
    rows[2][6] = c.vat;
    Run(rows);
    const bool vat = std::string(c.vat) != "10";
    const std::string error = "Ошибка в строке 3. Значение \"" + std::string(vat ? c.vat : c.price) + "\" в поле \""
                              + (vat ? "Ставка НДС, %" : "Отпускная цена без НДС") + "\" " + c.error;
    EXPECT_EQ(observer.log, (*c.error ? Log{error, QRNConsts::sLogSeparator, QRNConsts::sFileSaved} : kSuccessLog));
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Price>"), c.amount ? 4 : 2) << xml;
    if (c.amount) {
        EXPECT_EQ(Occurrences(xml, "<PriceAmount>" + std::string(c.amount) + "</PriceAmount>"), 2) << xml;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cells, PriceCellTest,
    testing::Values(PriceCellCase{"100р.", "10", "", "100"}, PriceCellCase{"₽100", "10", "", "100"},
                    PriceCellCase{"100 ₽", "10", "", "100"}, PriceCellCase{"1 234,5 руб", "10", "", "1234.5"},
                    PriceCellCase{"1 900=00", "10", "", "1900"}, PriceCellCase{"11=90", "10", "", "11.9"},
                    PriceCellCase{"11=9", "10", "не является числом", nullptr},
                    PriceCellCase{"=50", "10", "не является числом", nullptr},
                    PriceCellCase{"Звоните", "10", "не является числом", nullptr},
                    PriceCellCase{"по запросу", "10", "не является числом", nullptr},
                    PriceCellCase{"-5", "10", "меньше нуля", nullptr},
                    PriceCellCase{"0,004", "10", "меньше копейки", nullptr},
                    PriceCellCase{"100", "-10", "меньше нуля", nullptr}));

TEST_F(PriceListRunTest, CriticalErrorKeepsThePreviousFileAndLeavesNoTemporaryFile)
{
    WriteBytes(output, "previous run");
    const RunResult result = Run(WithHeader({BookRow("A1", "978-5-17-118366-4"), BookRow("A2", "97851711836")}));
    EXPECT_EQ(observer.log, (Log{"Ошибка в строке 2. ISBN-13 имеет неправильную контрольную цифру (должно быть 0)",
                                 "Ошибка в строке 3. ISBN содержит не 10 и не 13 значащих символов",
                                 QRNConsts::sLogSeparator, QRNConsts::sCriticalErrors}));
    EXPECT_FALSE(result.allSaved);
    EXPECT_TRUE(result.criticalError);
    EXPECT_EQ(ReadBytes(output), "previous run");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"price.xml"});
}

TEST_F(PriceListRunTest, UnmappedArticleNumberIsReportedForEveryRow)
{
    auto mapping = kBookMapping;
    mapping.erase("RecordReference");
    Run(WithHeader({BookRow("A1"), BookRow("A2")}), mapping);
    EXPECT_EQ(observer.log,
              (Log{"Ошибка в строке 2. Не указан артикул товара", "Ошибка в строке 3. Не указан артикул товара",
                   QRNConsts::sLogSeparator, QRNConsts::sCriticalErrors}));
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(PriceListRunTest, LongTitleIsCutAfterTheWarningAndTheAnnotationNever)
{
    std::string title;
    for (int i = 0; i < 300; ++i) title += i < 250 ? "ж" : "x";
    const std::string annotation(300, 'a');
    Run({{"Артикул", "Название", "Аннотация"}, {"A1", title, annotation}},
        {{"RecordReference", "Артикул"}, {"Title", "Название"}, {"Annotation", "Аннотация"}});
    ASSERT_EQ(observer.warnings.size(), 1u);
    // The warning quotes the 250 characters kept, never the whole cell.
    EXPECT_EQ(observer.warnings[0].message,
              "Длина строки \"" + title.substr(0, 500) + "…\" более 250 символов. Строка будет усечена");
    EXPECT_EQ(observer.warnings[0].row, 2);
    EXPECT_EQ(observer.warnings[0].fieldID, "Title");
    const std::string xml = ReadMessage(output);
    std::string cut;
    for (int i = 0; i < 250; ++i) cut += "ж";
    EXPECT_NE(xml.find(">" + cut + "<"), std::string::npos);
    EXPECT_EQ(xml.find(cut + "x"), std::string::npos);
    EXPECT_NE(xml.find(annotation), std::string::npos);
    EXPECT_EQ(observer.log, kSuccessLog);
}

TEST_F(PriceListRunTest, ACellOf250CharactersIsNotCut)
{
    std::string title;
    for (int i = 0; i < 250; ++i) title += "ё";
    Run({{"Артикул", "Название"}, {"A1", title}}, {{"RecordReference", "Артикул"}, {"Title", "Название"}});
    EXPECT_TRUE(observer.warnings.empty());
    EXPECT_NE(ReadMessage(output).find(">" + title + "<"), std::string::npos);
}

TEST_F(PriceListRunTest, EmptyPriceIsTheListPriceLessTheDiscount)
{
    const std::vector<std::string> columns{"Артикул", "Цена", "Цена со скидкой", "Скидка", "НДС"};
    const std::map<std::string, std::string> mapping{{"RecordReference", "Артикул"},
                                                     {"Price01", "Цена"},
                                                     {"Price", "Цена со скидкой"},
                                                     {"DiscountPercent", "Скидка"},
                                                     {"VAT", "НДС"}};
    Run({columns, {"A1", "99,99", "", "10", "10"}, {"A2", "10,15", "0", "50", ""}, {"A3", "200", "50", "10", "20"}},
        mapping);
    const std::string xml = ReadMessage(output);
    EXPECT_NE(xml.find("<PriceType>05</PriceType><PriceAmount>89.99</PriceAmount>"), std::string::npos);
    EXPECT_NE(xml.find("<PriceType>05</PriceType><PriceAmount>5.08</PriceAmount>"), std::string::npos);
    EXPECT_NE(xml.find("<PriceType>05</PriceType><PriceAmount>50</PriceAmount>"), std::string::npos);
}

TEST_F(PriceListRunTest, SoundTrackSpellingsBecomeTheirCode)
{
    Run({{"Артикул", "Звук"}, {"A1", "Stereo 2.1"}, {"A2", "STEREO2.1"}, {"A3", "stereo 2. 1"}, {"A4", "Dolby"}},
        {{"RecordReference", "Артикул"}, {"SoundTrackType", "Звук"}}, 1);
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, ">A421<"), 3);
    EXPECT_EQ(Occurrences(xml, ">Dolby<"), 1);
}

struct FixedFormCase {
    TypeIndex type;
    const char* form; // "" for none
};

void PrintTo(const FixedFormCase& c, std::ostream* os)
{
    *os << "type " << IndexOf(c.type);
}

class FixedProductFormTest : public PriceListRunTest, public testing::WithParamInterface<FixedFormCase> {};

TEST_P(FixedProductFormTest, EveryProductOfTheKindGetsItsForm)
{
    Run({{"Артикул"}, {"A1"}, {"A2"}}, {{"RecordReference", "Артикул"}}, GetParam().type);
    const std::string xml = ReadMessage(output);
    if (*GetParam().form) {
        EXPECT_EQ(Occurrences(xml, std::string("<ProductForm>") + GetParam().form + "</ProductForm>"), 2);
    } else {
        EXPECT_EQ(Occurrences(xml, "<ProductForm>"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, FixedProductFormTest,
                         testing::Values(FixedFormCase{0, ""}, FixedFormCase{1, ""}, FixedFormCase{2, "ZA"},
                                         FixedFormCase{3, "ZZ"}, FixedFormCase{4, "CA"}, FixedFormCase{5, "ZR"},
                                         FixedFormCase{6, "ZS"}, FixedFormCase{7, "ZT"}, FixedFormCase{8, "PC"}));

TEST_F(PriceListRunTest, FieldsAreFoundWhateverTheCaseOfTheColumnNameAndMissingColumnsReadEmpty)
{
    Run({{"АРТИКУЛ", "isbn"}, {"A1", "978-5-17-118366-0"}},
        {{"RecordReference", "артикул"}, {"ISBN", "ISBN"}, {"Publisher", "Издательство"}});
    const std::string xml = ReadMessage(output);
    EXPECT_NE(xml.find("<RecordReference>A1</RecordReference>"), std::string::npos);
    EXPECT_NE(xml.find("<ProductIDType>15</ProductIDType><IDValue>978-5-17-118366-0</IDValue>"), std::string::npos);
    EXPECT_EQ(xml.find("<Publisher>"), std::string::npos) << xml;
    EXPECT_EQ(observer.log, kSuccessLog);
}

TEST_F(PriceListRunTest, BookRowElementsStandInTheOrderOfTheDispatch)
{
    Run(WithHeader({BookRow("A1")}));
    const std::string xml = ReadMessage(output);
    const std::vector<std::string> order{"<Product><RecordReference>A1</RecordReference>",
                                         "<ProductIdentifier>",
                                         "<DescriptiveDetail>",
                                         "<TitleDetail>",
                                         "<Contributor>",
                                         "</DescriptiveDetail><PublishingDetail>",
                                         "<Publisher>",
                                         "</PublishingDetail><ProductSupply><SupplyDetail>",
                                         "</Product>"};
    std::size_t at = 0;
    for (const std::string& piece : order) {
        const auto found = xml.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece << " after " << at << " in " << xml;
        at = found + piece.size();
    }
}

TEST_F(PriceListRunTest, UnreadableSentDateEndsTheRunBeforeAnyRow)
{
    WriteBytes(output, "previous run");
    const TableWorkbook workbook(WithHeader({BookRow("A1")}));
    HeldSheetRows sheet(workbook);
    RunInputs inputs = MappedInputs(0, kColumns, kBookMapping, output);
    inputs.sentDate = "31.02.2024";
    try {
        ConvertPriceList(inputs, sheet, observer);
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_EQ(UserMessage(error), "'31.02.2024' is not a valid date and time");
    }
    EXPECT_TRUE(observer.positions.empty());
    EXPECT_EQ(ReadBytes(output), "previous run");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"price.xml"});
}

TEST_F(PriceListRunTest, MissingWorkbookRaisesAndWritesNothing)
{
    RunInputs inputs = MappedInputs(0, kColumns, kBookMapping, output);
    inputs.workbookPath = folder.File("missing.xlsx");
    EXPECT_THROW(ConvertWorkbook(inputs, observer), std::exception);
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(PriceListRunTest, OutputInAMissingFolderRaisesNamingTheFile)
{
    output = folder.File("no-such-folder/price.xml");
    try {
        Run(WithHeader({BookRow("A1")}));
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_NE(UserMessage(error).find(output), std::string::npos) << UserMessage(error);
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(PriceListRunTest, SecondRunClearsTheLogOfTheFirst)
{
    Run(WithHeader({BookRow("A1", "978-5-17-118366-4")}));
    ASSERT_EQ(observer.log.size(), 3u);
    Run(WithHeader({BookRow("A1")}));
    EXPECT_EQ(observer.log, kSuccessLog);
    EXPECT_EQ(observer.clears, 2);
}

TEST_F(PriceListRunTest, TheRunsHandlerLeavesTheErrorChannelAfterTheRun)
{
    bool earlierHandlerCalled = false;
    ONIXFunctions::OnONIXError() = [&] { earlierHandlerCalled = true; };
    Run(WithHeader({BookRow("A1", "978-5-17-118366-4")}));
    EXPECT_FALSE(earlierHandlerCalled);
    ONIXFunctions::ReportONIXError("после прогона");
    EXPECT_TRUE(earlierHandlerCalled);
    EXPECT_EQ(observer.log.size(), 3u);
    ONIXFunctions::OnONIXError() = nullptr;
}

} // namespace

namespace {

} // namespace
