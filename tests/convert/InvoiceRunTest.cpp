#include "convert/ConvertInvoice.h"

#include "messages/FaultMessages.h"
#include "convert/RecordingObserver.h"
#include "convert/RunFixture.h"
#include "convert/InvoicePackage.h"
#include "convert/RunLogTexts.h"
#include "convert/UnreadValues.h"
#include "convert/TableWorkbook.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Log = std::vector<std::string>;
using Names = std::vector<std::string>;

const std::vector<std::string> kColumns{"Артикул", "Наименование", "Кол-во", "Цена", "НДС"};
const std::map<std::string, std::string> kInvoiceMapping{{"RecordReference", "Артикул"},
                                                         {"ProductName", "Наименование"},
                                                         {"Amount", "Кол-во"},
                                                         {"Price", "Цена"},
                                                         {"VAT", "НДС"}};

Rows InvoiceRows(int count)
{
    Rows rows{kColumns};
    for (int i = 1; i <= count; ++i)
        rows.push_back({"R" + std::to_string(i + 1), "Книга " + std::to_string(i), "3", "150,75", "10"});
    return rows;
}

std::string Saved(const std::string& number)
{
    return std::string(QRNConsts::sInvoiceNumber) + number;
}

const std::string kSuccessLine = std::string(QRNConsts::sConvertSuccess) + QRNConsts::sFileSaved;

class InvoiceRunTest : public testing::Test {
protected:
    RunResult Run(const Rows& rows, const std::map<std::string, std::string>& mapping = kInvoiceMapping)
    {
        const TableWorkbook workbook(rows);
        HeldSheetRows sheet(workbook);
        RunInputs inputs = MappedInputs(kInvoiceType, rows[0], mapping, output);
        inputs.messageNumber = messageNumber;
        inputs.documentReference = documentReference;
        inputs.noSeparate15Pos = noSeparate15Pos;
        return ConvertInvoice(inputs, sheet, observer);
    }

    TempFolder folder;
    std::string output = folder.File("inv.xml");
    std::string messageNumber = "1024";
    std::string documentReference = "77";
    bool noSeparate15Pos = false;
    RecordingObserver observer;
};

TEST_F(InvoiceRunTest, EmptyOutputPathDoesNothingAndKeepsTheLog)
{
    observer.log = {"earlier line"};
    output.clear();
    const RunResult result = Run(InvoiceRows(3));
    EXPECT_EQ(observer.log, Log{"earlier line"});
    EXPECT_EQ(observer.clears, 0);
    EXPECT_TRUE(result.savedFiles.empty());
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(InvoiceRunTest, NoDataRowsSavesOneInvoiceWithoutPositions)
{
    const RunResult result = Run(InvoiceRows(0));
    EXPECT_EQ(observer.log, (Log{Saved("1024"), "Ни одна строка не преобразована: под строкой заголовков нет строк с "
                                                "данными. Файл ONIX XML сохранен."}));
    EXPECT_EQ(result.savedFiles, Names{output});
    const std::string xml = ReadMessage(output);
    EXPECT_NE(xml.find("<MessageNumber>1024</MessageNumber>"), std::string::npos);
    EXPECT_NE(xml.find("<CommercialDocument><DocumentType>PayableBill</DocumentType>"
                       "<DocumentReference>77</DocumentReference></CommercialDocument>"),
              std::string::npos);
    EXPECT_EQ(Occurrences(xml, "<Position"), 0);
}

struct PackageCase {
    int rows;
    bool noSplit;
    std::vector<int> positionsPerFile; // empty file list means the chosen name
};

void PrintTo(const PackageCase& c, std::ostream* os)
{
    *os << c.rows << " rows" << (c.noSplit ? ", not split" : "");
}

class InvoicePackageRunTest : public InvoiceRunTest, public testing::WithParamInterface<PackageCase> {};

TEST_P(InvoicePackageRunTest, SplitsIntoInvoicesOfAtMost15Positions)
{
    const PackageCase& c = GetParam();
    noSeparate15Pos = c.noSplit;
    const RunResult result = Run(InvoiceRows(c.rows));
    EXPECT_EQ(observer.maximum, c.rows);
    EXPECT_TRUE(result.allSaved);
    if (c.positionsPerFile.size() == 1) {
        EXPECT_EQ(folder.Names(), Names{"inv.xml"});
        EXPECT_EQ(observer.log, (Log{Saved("1024"), kSuccessLine}));
        const std::string xml = ReadMessage(output);
        EXPECT_EQ(Occurrences(xml, "<Position>"), c.positionsPerFile[0]);
        EXPECT_NE(xml.find("<MessageNumber>1024</MessageNumber>"), std::string::npos);
        return;
    }
    Names names;
    Log log;
    int firstRow = 2;
    for (std::size_t k = 1; k <= c.positionsPerFile.size(); ++k) {
        const std::string suffix = "-" + std::to_string(k);
        names.push_back("inv" + suffix + ".xml");
        log.push_back(Saved("1024" + suffix));
        log.push_back(kSuccessLine);
        const std::string xml = ReadMessage(folder.File(names.back()));
        const int positions = c.positionsPerFile[k - 1];
        EXPECT_EQ(Occurrences(xml, "<Position>"), positions) << names.back();
        EXPECT_NE(xml.find("<MessageNumber>1024" + suffix + "</MessageNumber>"), std::string::npos);
        EXPECT_NE(xml.find("<DocumentReference>77</DocumentReference>"), std::string::npos);
        EXPECT_NE(xml.find("<RecordReference>R" + std::to_string(firstRow) + "<"), std::string::npos);
        EXPECT_NE(xml.find("<RecordReference>R" + std::to_string(firstRow + positions - 1) + "<"), std::string::npos);
        firstRow += positions;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(folder.Names(), names);
    EXPECT_EQ(observer.log, log);
}

INSTANTIATE_TEST_SUITE_P(Counts, InvoicePackageRunTest,
                         testing::Values(PackageCase{1, false, {1}}, PackageCase{15, false, {15}},
                                         PackageCase{16, false, {15, 1}}, PackageCase{30, false, {15, 15}},
                                         PackageCase{31, false, {15, 15, 1}}, PackageCase{40, true, {40}}));

struct OutputNameCase {
    std::string chosen;               // inside the test folder
    std::vector<std::string> written; // none: refused before writing
};

void PrintTo(const OutputNameCase& c, std::ostream* os)
{
    *os << CaseText(c.chosen);
}

class InvoiceOutputNameTest : public InvoiceRunTest, public testing::WithParamInterface<OutputNameCase> {};

TEST_P(InvoiceOutputNameTest, PackageFilesAreNamedAfterTheChosenFile)
{
    std::filesystem::create_directories(folder.Path() / "out.d");
    output = folder.File(GetParam().chosen);
    if (GetParam().written.empty()) {
        std::string refusal;
        try {
            Run(InvoiceRows(20));
        } catch (const std::exception& error) {
            refusal = UserMessage(error);
        }
        EXPECT_EQ(refusal, "Не удается записать файл \"" + PackageFileName(output, 1)
                               + "\": слишком длинное имя файла или пути");
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / "out.d"));
        return;
    }
    const RunResult result = Run(InvoiceRows(20));
    Names expected;
    for (const std::string& name : GetParam().written) expected.push_back(folder.File(name));
    EXPECT_EQ(result.savedFiles, expected);
    for (const std::string& path : expected) EXPECT_TRUE(std::filesystem::exists(path)) << path;
}

INSTANTIATE_TEST_SUITE_P(
    Names, InvoiceOutputNameTest,
    testing::Values(OutputNameCase{"out.d/inv", {"out.d/inv-1.xml", "out.d/inv-2.xml"}},
                    OutputNameCase{"out.d/inv.2024.xml", {"out.d/inv.2024-1.xml", "out.d/inv.2024-2.xml"}},
                    OutputNameCase{"out.d/inv.txt", {"out.d/inv-1.xml", "out.d/inv-2.xml"}},
                    OutputNameCase{"out.d/.hidden", {"out.d/.hidden-1.xml", "out.d/.hidden-2.xml"}},
                    OutputNameCase{
                        "out.d/" + std::string(245, 'n') + ".xml",
                        {"out.d/" + std::string(245, 'n') + "-1.xml", "out.d/" + std::string(245, 'n') + "-2.xml"}},
                    OutputNameCase{"out.d/" + std::string(250, 'n') + ".xml", {}}));

TEST_F(InvoiceRunTest, EmptyInvoiceNumberStillGetsItsPackageSuffix)
{
    messageNumber.clear();
    Run(InvoiceRows(16));
    EXPECT_EQ(observer.log, (Log{Saved("-1"), kSuccessLine, Saved("-2"), kSuccessLine}));
    EXPECT_NE(ReadMessage(folder.File("inv-2.xml")).find("<MessageNumber>-2</MessageNumber>"), std::string::npos);
}

TEST_F(InvoiceRunTest, EmptyOrderNumberWritesNoDocumentReference)
{
    documentReference.clear();
    Run(InvoiceRows(2));
    EXPECT_EQ(ReadMessage(output).find("DocumentReference"), std::string::npos);
}

TEST_F(InvoiceRunTest, PositionHoldsTheMappedFieldsInTheirOrderWithRegionalNumbers)
{
    const Rows rows{{"Артикул", "EAN", "ISBN", "Наименование", "Кол-во", "Цена", "РРЦ", "НДС", "Упаковка", "ГТД",
                     "Код страны", "Страна", "Зона"},
                    {"R2", "4607086560123", " 978-5-17-118366-4 ", "Книга", "3", "150,75", "199,9", "10", "12,5",
                     "10130010/1", "RU", "Россия", "А1"},
                    {"R3", "", "", "", "0", "-5", "1E-6", "0", "", "", "", "", ""}};
    std::map<std::string, std::string> mapping{{"RecordReference", "Артикул"},
                                               {"EAN13", "EAN"},
                                               {"ISBN", "ISBN"},
                                               {"ProductName", "Наименование"},
                                               {"Amount", "Кол-во"},
                                               {"Price", "Цена"},
                                               {"RecommendedPrice", "РРЦ"},
                                               {"VAT", "НДС"},
                                               {"PackQuantity", "Упаковка"},
                                               {"GTDNo", "ГТД"},
                                               {"CountryCode", "Код страны"},
                                               {"CountryName", "Страна"},
                                               {"SalePlace", "Зона"}};
    const RunResult result = Run(rows, mapping);
    EXPECT_EQ(result.errorCount, 0);
    const std::string xml = ReadMessage(output);
    EXPECT_NE(xml.find("<Position><RecordReference>R2</RecordReference><EAN13>4607086560123</EAN13>"
                       "<ISBN> 978-5-17-118366-4 </ISBN><ProductName>Книга</ProductName><Amount>3</Amount>"
                       "<Price>150,75</Price><RecommendedPrice>199,9</RecommendedPrice>"
                       "<Tax><TaxType>VAT</TaxType><Rate>10</Rate></Tax><PackQuantity>12,5</PackQuantity>"
                       "<GTDNo>10130010/1</GTDNo><CountryCode>RU</CountryCode><CountryName>Россия</CountryName>"
                       "</Position>"),
              std::string::npos)
        << xml;
    EXPECT_NE(xml.find("<Position><RecordReference>R3</RecordReference><Price>-5</Price>"
                       "<RecommendedPrice>0,000001</RecommendedPrice></Position>"),
              std::string::npos)
        << xml;
    EXPECT_EQ(xml.find("А1"), std::string::npos);
}

// An invoice with a price nobody can read, or a negative tax rate, must not
// go out; a quantity that does not read is 0, named once in the summary.
TEST_F(InvoiceRunTest, APriceCellThatIsNoNumberOrANegativeRateKeepsItsInvoiceUnsaved)
{
    Rows rows = InvoiceRows(2);
    rows[2][3] = "три";
    const RunResult result = Run(rows);
    EXPECT_EQ(
        observer.log,
        (Log{"Ошибка в строке 3. Значение \"три\" в поле \"Отпускная цена без НДС со скидкой\" не является числом",
             QRNConsts::sLogSeparator, Saved("1024"), QRNConsts::sPackageErrors}));
    EXPECT_FALSE(result.allSaved);
    EXPECT_TRUE(folder.Names().empty());

    rows[2][3] = "150,75";
    rows[1][2] = rows[2][2] = "три";
    EXPECT_TRUE(Run(rows).allSaved);
    EXPECT_EQ(UnreadValueLines(Run(rows).unreadValues),
              std::vector<std::string>{"Значения в поле \"Количество\" не читаются: строки 2, 3"});

    // A negative quantity may be a return; a negative rate is no rate.
    rows = InvoiceRows(2);
    rows[1][2] = "-3";
    rows[2][4] = "-10";
    EXPECT_FALSE(Run(rows).allSaved);
    EXPECT_EQ(observer.log, (Log{"Ошибка в строке 3. Значение \"-10\" в поле \"Ставка НДС, %\" меньше нуля",
                                 QRNConsts::sLogSeparator, Saved("1024"), QRNConsts::sPackageErrors}));
}

TEST_F(InvoiceRunTest, RowWithOnlyColumnOneGivesAnEmptyPosition)
{
    Run({kColumns, {"R2"}}, {{"ProductName", "Наименование"}});
    const std::string xml = ReadMessage(output);
    EXPECT_EQ(Occurrences(xml, "<Position/>") + Occurrences(xml, "<Position></Position>"), 1) << xml;
}

// The invoices of a package replace their files together or not at all.
TEST_F(InvoiceRunTest, PackageThatCannotBeSavedWholeReplacesNone)
{
    WriteBytes(folder.File("inv-1.xml"), "previous run");
    std::filesystem::create_directories(folder.Path() / "inv-2.xml");
    EXPECT_THROW(Run(InvoiceRows(20)), std::exception);
    EXPECT_TRUE(observer.log.empty());
    EXPECT_EQ(observer.positions.back(), 0);
    EXPECT_EQ(folder.Names(), (Names{"inv-1.xml", "inv-2.xml"}));
    EXPECT_EQ(ReadBytes(folder.File("inv-1.xml")), "previous run");
}

TEST_F(InvoiceRunTest, InvoicesLeftByAnEarlierRunAreNamedAndKept)
{
    Run(InvoiceRows(40));
    EXPECT_EQ(Run(InvoiceRows(20)).staleFiles, Names{folder.File("inv-3.xml")});
    noSeparate15Pos = true;
    EXPECT_EQ(Run(InvoiceRows(20)).staleFiles,
              (Names{folder.File("inv-1.xml"), folder.File("inv-2.xml"), folder.File("inv-3.xml")}));
    EXPECT_EQ(folder.Names(), (Names{"inv-1.xml", "inv-2.xml", "inv-3.xml", "inv.xml"}));
}

TEST_F(InvoiceRunTest, UnreadableSentDateSavesNothing)
{
    WriteBytes(output, "previous run");
    const TableWorkbook workbook(InvoiceRows(2));
    HeldSheetRows sheet(workbook);
    RunInputs inputs = MappedInputs(kInvoiceType, kColumns, kInvoiceMapping, output);
    inputs.sentDate = "завтра";
    try {
        ConvertInvoice(inputs, sheet, observer);
        FAIL() << "no error";
    } catch (const std::exception& error) {
        EXPECT_EQ(UserMessage(error), "'завтра' is not a valid date and time");
    }
    EXPECT_TRUE(observer.log.empty());
    EXPECT_EQ(ReadBytes(output), "previous run");
    EXPECT_EQ(folder.Names(), Names{"inv.xml"});
}

} // namespace
