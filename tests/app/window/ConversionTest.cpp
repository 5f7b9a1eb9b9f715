// Step 5 and the whole way there: conversions through the window, the same
// XML as quarnel-convert, automatic mode, warnings, failures, closing while a
// run goes on, and the saved log.

#include "TestRegistry.h"
#include "support/TypeIndex.h"
#include "WindowFixture.h"

#include "app/window/ConversionRunner.h"
#include "app/window/ListBoxes.h"
#include "app/window/RunLogPane.h"
#include "base/DateTime.h"
#include "base/Regional.h"
#include "app/window/WindowTexts.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <string>
#include <thread>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

std::string CaptionOf(const char* fieldID, TypeIndex type)
{
    return FieldCaption(fieldID, type);
}

// Drags a column name onto the caption of a field, as the user does.
void MapColumn(TfmQRNMain& window, const QString& column, const char* fieldID)
{
    const WindowControls ui(window);
    const QList<QListWidgetItem*> columns = ui.listExcel->findItems(column, Qt::MatchExactly);
    const QString caption = QString::fromStdString(CaptionOf(fieldID, TypeIndex(ui.cbDocType->currentIndex())));
    const QList<QListWidgetItem*> fields = ui.listOnix->findItems(caption, Qt::MatchExactly);
    QVERIFY(!columns.isEmpty() && !fields.isEmpty());
    ui.listExcel->setCurrentItem(columns.first());
    ui.listOnix->scrollToItem(fields.first(), QAbstractItemView::PositionAtCenter);
    QVERIFY(ui.pn2->listOnixDragOver(ui.listOnix->visualItemRect(fields.first()).center()));
    ui.pn2->listOnixDragDrop();
}

QStringList LogLines(TfmQRNMain& window)
{
    return WindowControls(window).memLog->toPlainText().split(QLatin1Char('\n'));
}

const std::vector<std::vector<std::string>> kBooks = {
    {"Артикул", "ISBN", "Название", "Автор", "Цена"},
    {"КН-001", "978-5-389-07435-4", "Мастер и Маргарита", "Булгаков", "450,5"},
    {"КН-002", "978-5-17-090630-1", "Анна Каренина", "Толстой", "399"},
    {"КН-003", "978-5-17-090630-2", "Ошибка контрольной цифры", "Некто", "10"},
};

// A book price list with a remembered scheme and sender, ready to be walked
// to step 5 (or started with parameters).
void PrepareBooks(WindowFixture& fixture, std::vector<std::vector<std::string>> rows = kBooks)
{
    WriteWorkbook(fixture.File("books.xlsx"), rows);
    WriteSchemeFile(fixture.File("books.sch"),
                    {CaptionOf("RecordReference", 0) + " = Артикул", CaptionOf("Title", 0) + " = Название"});
    IniStore::WriteStringParam("PricelistCorrespondence", fixture.File("books.sch"));
    IniStore::WriteStringParam("FromSAN", "7701234567");
}

// An invoice with a remembered scheme and sender, ready to be started with
// parameters.
void PrepareInvoice(WindowFixture& fixture, const std::vector<std::vector<std::string>>& rows)
{
    WriteWorkbook(fixture.File("invoice.xlsx"), rows);
    WriteSchemeFile(fixture.File("invoice.sch"),
                    {CaptionOf("RecordReference", 9) + " = Код", CaptionOf("ProductName", 9) + " = Наименование",
                     CaptionOf("Amount", 9) + " = Кол-во", CaptionOf("Price", 9) + " = Цена",
                     CaptionOf("VAT", 9) + " = НДС"});
    IniStore::WriteStringParam("InvoiceCorrespondence", fixture.File("invoice.sch"));
    IniStore::WriteStringParam("FromSAN", "7701234567");
}

void WalkToStepFive(WindowFixture& fixture, const QString& output)
{
    const WindowControls& ui = fixture.ui();
    ui.edExcelFile->setText(fixture.QFile("books.xlsx"));
    ui.btNext->click();
    ui.btNext->click();
    ui.btNext->click();
    ui.edXMLFile->setText(output);
    ui.btNext->click();
}

} // namespace

class ConversionTest : public QObject {
    Q_OBJECT

private slots:
    void interactiveRunWritesWhatTheCommandLineWrites()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(fixture.File("books.xlsx"), kBooks);
        window.show();

        fixture.dialogs().fileAnswers = {fixture.QFile("books.xlsx")};
        ui.btSelectExcelFile->click();
        ui.btNext->click();
        QCOMPARE(window.Step(), 2);
        MapColumn(window, Q("Артикул"), "RecordReference");
        MapColumn(window, "ISBN", "ISBN");
        MapColumn(window, Q("Название"), "Title");
        MapColumn(window, Q("Автор"), "AuthorKeyNames");
        MapColumn(window, Q("Цена"), "Price01");
        QCOMPARE(ui.listCorresp->count(), 5);
        fixture.dialogs().fileAnswers = {fixture.QFile("books.sch")};
        ui.btSaveCorresp->click();

        ui.btNext->click();
        ui.edFromSAN->setText(QStringLiteral("7701234567"));
        ui.edFromCompany->setText(Q("ООО «Книжный дом»"));
        ui.edToPerson->setText(Q("Петров П. П."));
        ui.btNext->click();
        fixture.dialogs().fileAnswers = {fixture.QFile("window.xml")};
        ui.btSelectXmlFile->click();
        ui.btNext->click();
        QCOMPARE(window.Step(), 5);
        QVERIFY(fixture.WaitForRun());

        QVERIFY2(fixture.dialogs().errors.isEmpty(), qPrintable(fixture.dialogs().errors.join('\n')));
        const QStringList log = LogLines(window);
        // The run's log, then the summary naming the file.
        QVERIFY2(log.mid(log.size() - 3)
                     == (QStringList{Q("Файл ONIX XML сохранен."), Q("Преобразовано строк: 3."),
                                     Q("Файл \"") + fixture.QFile("window.xml") + Q("\" сохранен (строк: 3).")}),
                 qPrintable(log.join('\n')));
        QVERIFY(log.join('\n').contains(Q("Ошибка в строке 4. ")));
        // Every row read: the bar stands full.
        QCOMPARE(ui.ProgressBar1->value(), 3);
        QCOMPARE(ui.ProgressBar1->maximum(), 3);
        const std::string written = ReadFileBytes(fixture.File("window.xml"));
        QVERIFY(written.find("<KALMIRAMessage") != std::string::npos);
        QVERIFY(written.find("<IDValue>978-5-389-07435-4</IDValue>") != std::string::npos);

#ifdef QUARNEL_CONVERT_PATH
        QProcess convert;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
        convert.setProcessEnvironment(environment);
        convert.start(QStringLiteral(QUARNEL_CONVERT_PATH),
                      {"--settings", fixture.QFile("quarnel.ini"), "--scheme", fixture.QFile("books.sch"), "--date",
                       ui.edSentDate->text(), fixture.QFile("books.xlsx"), fixture.QFile("cli.xml"), "0"});
        QVERIFY(convert.waitForFinished(20000));
        QCOMPARE(convert.exitCode(), 0);
        QCOMPARE(ReadFileBytes(fixture.File("cli.xml")), written);
        // The same log; the summary under it is on the command line's standard
        // error, naming its own file.
        QCOMPARE(QString::fromUtf8(convert.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 log.mid(0, log.size() - 2));
        QCOMPARE(QString::fromUtf8(convert.readAllStandardError()),
                 Q("Преобразовано строк: 3.\nФайл \"") + fixture.QFile("cli.xml") + Q("\" сохранен (строк: 3).\n"));
#else
        QSKIP("quarnel-convert is not built");
#endif
    }

    // Nobody to ask in the automatic mode: a file other than XML is not
    // replaced, and a scheme without the article, or one made for another
    // type, is said in the log.
    void automaticModeRefusesWhatItWouldAsk_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("titleCaption"); // the scheme's only line's, "" for the whole scheme
        QTest::addColumn<QString>("said");
        QTest::newRow("a text file") << "keep.txt" << QString()
                                     << Q("Файл %1 уже существует и не является файлом XML; он не будет заменен.");
        QTest::newRow("no article") << "out.xml" << QString::fromStdString(CaptionOf("Title", 0))
                                    << Q("Поле \"Артикул\" не сопоставлено ни с одним столбцом: каждая строка будет "
                                         "ошибочной, и файл не будет сохранен.");
        QTest::newRow("another type's scheme")
            << "out.xml" << QString::fromStdString(CaptionOf("ProductName", 9))
            << Q("Схема \"%1\" составлена для вида \"Накладная\": её строки для полей, которых нет в этом виде, не "
                 "действуют.");
    }

    void automaticModeRefusesWhatItWouldAsk()
    {
        QFETCH(QString, output);
        QFETCH(QString, titleCaption);
        QFETCH(QString, said);
        const bool withArticle = titleCaption.isEmpty();
        WindowFixture fixture;
        PrepareBooks(fixture);
        if (!withArticle) WriteSchemeFile(fixture.File("books.sch"), {titleCaption.toStdString() + " = Название"});
        WriteFileBytes(fixture.File("keep.txt"), "keep");
        fixture.Recreate({fixture.QFile("books.xlsx"), fixture.QFile(output.toStdString()), "0"});
        TfmQRNMain& window = fixture.window();
        window.show();
        QVERIFY(QTest::qWaitFor([&] { return window.Step() == 5 || !fixture.dialogs().errors.isEmpty(); }));
        QVERIFY(fixture.WaitForRun());
        QVERIFY(fixture.dialogs().questions.isEmpty());
        QCOMPARE(ReadFileBytes(fixture.File("keep.txt")), std::string("keep"));
        if (withArticle) {
            QCOMPARE(fixture.dialogs().errors, QStringList{said.arg(fixture.QFile("keep.txt"))});
            QCOMPARE(window.Step(), 4);
        } else {
            const QString line = said.contains(Q("%1")) ? said.arg(fixture.QFile("books.sch")) : said;
            QVERIFY2(LogLines(window).contains(line), qPrintable(LogLines(window).join('\n')));
        }
    }

    void automaticModeConvertsAnInvoice()
    {
        WindowFixture fixture;
        // A column past an empty header cell and a row under an empty one,
        // which the strict layout leaves out: the log says so after the run,
        // in the window's words.
        PrepareInvoice(fixture, {{"Код", "Наименование", "Кол-во", "Цена", "НДС", "", "Примечание"},
                                 {"A-1", "Мастер и Маргарита", "2", "450,5", "10"},
                                 {"A-2", "Анна Каренина", "1", "399", "10"},
                                 {},
                                 {"A-3", "Идиот", "1", "300", "10"}});

        fixture.Recreate({fixture.QFile("invoice.xlsx"), fixture.QFile("invoice.xml"), "9", "15", "7"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QVERIFY(window.AutoMode());
        QCOMPARE(window.Step(), 1);
        window.show();
        QTRY_COMPARE(window.Step(), 5);
        QVERIFY(fixture.WaitForRun());

        QVERIFY2(fixture.dialogs().errors.isEmpty(), qPrintable(fixture.dialogs().errors.join('\n')));
        QCOMPARE(ui.edMessageNumber->text(), QStringLiteral("15"));
        QCOMPARE(ui.edDocumentReference->text(), QStringLiteral("7"));
        QCOMPARE(ui.edSentDate->text(), TodayText());
        const std::string written = ReadFileBytes(fixture.File("invoice.xml"));
        QVERIFY(written.find("<BookCommerceMessage") != std::string::npos);
        QVERIFY(written.find("<MessageNumber>15</MessageNumber>") != std::string::npos);
        QVERIFY(written.find("<DocumentReference>7</DocumentReference>") != std::string::npos);
        QCOMPARE(QString::fromStdString(written).count(QStringLiteral("<Position>")), 2);
        QVERIFY(LogLines(window).contains(Q("Накладная № 15")));
        QCOMPARE(LogLines(window).last(), Q(QRNConsts::sStrictLayoutLosesRows));
        QVERIFY(LogLines(window).contains(Q("Чтение остановлено на пустой ячейке A4; строки 5–5 не прочитаны "
                                            "(прочитать их: разметка поставщика на шаге 1).")));
        QVERIFY(!LogLines(window).join('\n').contains(QStringLiteral("--layout")));
        QCOMPARE(ui.ProgressBar1->value(), ui.ProgressBar1->maximum());
        // The window stays on step 5 with its log until the user closes it.
        QVERIFY(window.isVisible());
        QVERIFY(ui.btPrev->isEnabled());
    }

    void closingDuringAnInvoiceRunStopsItAndKeepsThePreviousFile()
    {
        WindowFixture fixture;
        std::vector<std::vector<std::string>> rows = {{"Код", "Наименование", "Кол-во", "Цена", "НДС"}};
        // Long enough that the close, sent as the bar first moves, comes well
        // before the package would be put in place on a busy machine.
        for (int i = 1; i <= 20000; ++i) rows.push_back({"A-" + std::to_string(i), "Книга", "1", "450,5", "10"});
        PrepareInvoice(fixture, rows);
        WriteFileBytes(fixture.File("invoice-1.xml"), "previous");

        fixture.Recreate({fixture.QFile("invoice.xlsx"), fixture.QFile("invoice.xml"), "9", "15", "7"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        fixture.dialogs().confirmAnswers = {true};
        // Closed as the bar first moves, the run under way.
        QObject::connect(ui.ProgressBar1, &QProgressBar::valueChanged, &window, [&window, &ui](int value) {
            if (value > 0 && window.ConversionRunning()) ui.btClose->click();
        });
        window.show();
        QTRY_VERIFY(window.isHidden());
        QVERIFY(fixture.WaitForRun());
        QCOMPARE(ReadFileBytes(fixture.File("invoice-1.xml")), std::string("previous"));
        QVERIFY2(fixture.dialogs().errors.isEmpty(), qPrintable(fixture.dialogs().errors.join('\n')));
        const QStringList left = QDir(fixture.QFile("")).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.filter(Q("invoice-")).join(' '), Q("invoice-1.xml"));
    }

    void longCellWarningHoldsTheRunWhichThenGoesOn()
    {
        WindowFixture fixture;
        auto rows = kBooks;
        rows[2][2] = std::string(300, 'x');
        PrepareBooks(fixture, rows);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        bool runningDuringWarning = false;
        bool backEnabledDuringWarning = true;
        bool saveLogEnabledDuringWarning = true;
        fixture.dialogs().duringWarning = [&] {
            runningDuringWarning = window.ConversionRunning();
            backEnabledDuringWarning = ui.btPrev->isEnabled();
            saveLogEnabledDuringWarning = ui.btSaveLog->isEnabled();
            // A second start while the run waits is ignored.
            ui.pn5->tmAutoTimer();
        };
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        QVERIFY(fixture.WaitForRun());

        QCOMPARE(fixture.dialogs().warnings.size(), 1);
        QVERIFY(fixture.dialogs().warnings[0].contains(Q("более 250 символов")));
        QVERIFY(runningDuringWarning);
        QVERIFY(!backEnabledDuringWarning);
        QVERIFY(!saveLogEnabledDuringWarning);
        QVERIFY(ui.btPrev->isEnabled());
        QVERIFY(ui.btSaveLog->isEnabled());
        QCOMPARE(LogLines(window).last(), Q("Файл \"") + fixture.QFile("books.xml") + Q("\" сохранен (строк: 3)."));
        QVERIFY(ReadFileBytes(fixture.File("books.xml")).find(std::string(250, 'x') + "<") != std::string::npos);
    }

    // Step 1's sheet list and header row: a title block on a second sheet
    // converts as the clean workbook; another workbook starts again from its
    // first sheet and row 1.
    void sheetAndHeaderRowOfStepOne()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.show();
        WalkToStepFive(fixture, fixture.QFile("clean.xml"));
        QVERIFY(fixture.WaitForRun());

        Rows titled{{"ООО «Книжный дом»"}, {"Прайс-лист"}, {}, {"Телефон", "+7 495 000-00-00"}, {}};
        titled.insert(titled.end(), kBooks.begin(), kBooks.end());
        WriteWorkbookSheets(fixture.File("titled.xlsx"), {{"Обложка", {{"Каталог"}}}, {"Книги", titled}});
        window.ShowStep(1);
        ui.edExcelFile->setText(fixture.QFile("titled.xlsx"));
        emit ui.edExcelFile->editingFinished();
        QCOMPARE(ui.cbSheet->count(), 2);
        QCOMPARE(ui.cbSheet->itemText(1), Q("Книги"));
        ui.cbSheet->setCurrentIndex(1);
        emit ui.cbSheet->activated(1);
        ui.seHeaderRow->setValue(6);
        ui.btNext->click();
        QCOMPARE(Items(*ui.listExcel).first(), Q("Артикул"));
        // The preview reads the rows the run will, by the sheet's own numbers.
        ui.btPreview->click();
        QTRY_COMPARE(fixture.dialogs().previews.size(), 1u);
        const RunPreview& preview = fixture.dialogs().previews.back();
        QCOMPARE(preview.rows.size(), 3u);
        QCOMPARE(preview.rows.front().number, 7);
        QCOMPARE(preview.rows.front().texts, (std::vector<std::string>{"КН-001", "Мастер и Маргарита"}));
        ui.btNext->click();
        ui.btNext->click();
        ui.edXMLFile->setText(fixture.QFile("titled.xml"));
        ui.btNext->click();
        QVERIFY(fixture.WaitForRun());
        QVERIFY2(fixture.dialogs().errors.isEmpty(), qPrintable(fixture.dialogs().errors.join('\n')));
        QCOMPARE(ReadFileBytes(fixture.File("titled.xml")), ReadFileBytes(fixture.File("clean.xml")));

        window.ShowStep(1);
        emit ui.edExcelFile->editingFinished();
        QCOMPARE(ui.cbSheet->currentIndex(), 1);
        QCOMPARE(ui.seHeaderRow->value(), 6);
        ui.edExcelFile->setText(fixture.QFile("books.xlsx"));
        emit ui.edExcelFile->editingFinished();
        QCOMPARE(ui.cbSheet->currentIndex(), 0);
        QCOMPARE(ui.seHeaderRow->value(), 1);
    }

    // Closing the window or pressing Esc while a run goes on asks first; the
    // run is held by the long-cell warning of its first row meanwhile, and
    // then at its files' gate until the question is answered ("late").
    void stopQuestionDuringARun_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("answer"); // 1 Да, 0 Нет, 2 the window closed instead
        QTest::addColumn<bool>("late");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("close box, yes") << false << 1 << false << true << false;
        QTest::newRow("Esc, yes") << true << 1 << false << false << false;
        QTest::newRow("Esc, no") << true << 0 << false << false << true;
        QTest::newRow("Esc, no as the run waits") << true << 0 << true << false << true;
        QTest::newRow("Esc, yes as the run waits") << true << 1 << true << false << false;
        QTest::newRow("Esc, then the window closed") << true << 2 << true << true << false;
    }

    void stopQuestionDuringARun()
    {
        QFETCH(bool, escape);
        QFETCH(int, answer);
        QFETCH(bool, late);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        WindowFixture fixture;
        auto rows = kBooks;
        rows[1][2] = std::string(300, 'x');
        PrepareBooks(fixture, rows);
        WriteFileBytes(fixture.File("books.xml"), "previous");
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.show();
        if (!late) fixture.dialogs().confirmAnswers = {answer == 1};
        fixture.dialogs().duringWarning = [&] {
            if (escape) QTest::keyClick(&window, Qt::Key_Escape);
            else ui.btClose->click();
        };
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        if (late) {
            QTRY_VERIFY(ui.pn5->WaitsToSave());
            QCOMPARE(ReadFileBytes(fixture.File("books.xml")), std::string("previous"));
            if (answer == 2) ui.btClose->click();
            else fixture.dialogs().Answer(answer == 1);
        }
        QVERIFY(fixture.WaitForRun());
        QTRY_COMPARE(window.isHidden(), closes);

        QCOMPARE(fixture.dialogs().questions, QStringList{Q("Прервать преобразование?")});
        QCOMPARE(fixture.dialogs().withdrawnQuestions, answer == 2 ? 1 : 0);
        QCOMPARE(ReadFileBytes(fixture.File("books.xml")) != "previous", saved);
        // A stopped run's log says so, and the summary follows.
        const QStringList log = LogLines(window);
        const qsizetype stoppedAt = log.indexOf(Q("Преобразование прервано. Файлы не изменены."));
        QVERIFY2(saved ? stoppedAt < 0 : log.value(stoppedAt + 1).startsWith(Q("Преобразовано строк: ")),
                 qPrintable(log.join('\n')));
        if (!window.isHidden()) QCOMPARE(window.Step(), 5);
        QVERIFY(fixture.dialogs().errors.isEmpty());
        QVERIFY(!QFileInfo(fixture.QFile("books.xml")).dir().entryList(QDir::Files).join(' ').contains("books.xml."));
    }

    // Esc as the files are being put in place asks nothing: the run ends and
    // says so. The window's thread takes no event until the file is in place.
    void stopComesTooLate()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        WriteFileBytes(fixture.File("books.xml"), "previous");
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.show();
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        ui.pn5->CancelStart();
        ui.pn5->tmAutoTimer();
        for (int i = 0; i < 20000 && ReadFileBytes(fixture.File("books.xml")) == "previous"; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(fixture.WaitForRun());
        QVERIFY(fixture.dialogs().questions.isEmpty());
        const QStringList log = LogLines(window);
        const qsizetype lateAt = log.indexOf(Q(QRNConsts::sStoppedAfterReplacing));
        QVERIFY2(lateAt > 0 && log.value(lateAt + 1) == Q("Преобразовано строк: 3."), qPrintable(log.join('\n')));
    }

    // Step 4's output as typed: what is asked before a file is lost, and what
    // the field holds after "Далее >>" (the answers are Нет).
    void typedOutputIsCheckedAsAChosenOneIs_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("fieldAfter");
        const QByteArray priceList = "<?xml version=\"1.0\"?>\n<!-- old -->\n<KALMIRAMessage><Header/>";
        QTest::newRow("no extension") << 0 << "out" << QByteArray() << QString() << "out.xml";
        QTest::newRow("a text file") << 0 << "keep.txt" << QByteArray("keep") << Q(QRNConsts::sReplaceNotXml)
                                     << "keep.txt";
        QTest::newRow("the same kind") << 0 << "books.xml" << priceList << QString() << "books.xml";
        QTest::newRow("a price list by an invoice")
            << 9 << "books.xml" << priceList << Q("уже содержит прайс-лист") << "books.xml";
        QTest::newRow("an invoice package by a price list")
            << 0 << "inv.xml" << QByteArray("<BookCommerceMessage>") << Q("уже содержит накладную") << "inv.xml";
    }

    void typedOutputIsCheckedAsAChosenOneIs()
    {
        QFETCH(int, type);
        QFETCH(QString, typed);
        QFETCH(QByteArray, existing);
        QFETCH(QString, question);
        QFETCH(QString, fieldAfter);
        WindowFixture fixture;
        PrepareBooks(fixture);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        if (!existing.isEmpty()) WriteFileBytes(fixture.File(typed.toStdString()), existing.toStdString());
        ui.edExcelFile->setText(fixture.QFile("books.xlsx"));
        ui.cbDocType->setCurrentIndex(type);
        ui.btNext->click();
        ui.btNext->click();
        ui.edMessageNumber->setText("15");
        ui.edDocumentReference->setText("7");
        ui.btNext->click();
        // The program's proposal, beside the workbook.
        QCOMPARE(ui.edXMLFile->text(), fixture.QFile("books.xml"));
        ui.edXMLFile->setText(fixture.QFile(typed.toStdString()));
        ui.btNext->click();

        QCOMPARE(fixture.dialogs().questions.size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty())
            QVERIFY2(fixture.dialogs().questions[0].contains(question.section('%', 0, 0)),
                     qPrintable(fixture.dialogs().questions[0]));
        QCOMPARE(ui.edXMLFile->text(), fixture.QFile(fieldAfter.toStdString()));
        QCOMPARE(window.Step(), question.isEmpty() ? 5 : 4);
        QVERIFY(fixture.WaitForRun());
        if (!question.isEmpty())
            QCOMPARE(QByteArray::fromStdString(ReadFileBytes(fixture.File(typed.toStdString()))), existing);
    }

    void stepFourProposesTheWorkbooksNameUntilTheUserTypesOne()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        WriteWorkbook(fixture.File("other.xlsx"), kBooks);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        const auto stepFourFor = [&](const char* workbook) {
            window.ShowStep(1);
            ui.edExcelFile->setText(fixture.QFile(workbook));
            for (int step = 2; step <= 4; ++step) ui.btNext->click();
            return ui.edXMLFile->text();
        };
        QCOMPARE(stepFourFor("books.xlsx"), fixture.QFile("books.xml"));
        QCOMPARE(stepFourFor("other.xlsx"), fixture.QFile("other.xml"));
        ui.edXMLFile->end(false);
        QTest::keyClicks(ui.edXMLFile, "x");
        QCOMPARE(stepFourFor("books.xlsx"), fixture.QFile("other.xmlx"));
    }

    void platformErrorsOfTheRunReachTheErrorBox_data()
    {
        QTest::addColumn<QString>("sentDate");
        QTest::addColumn<bool>("removeWorkbook");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("expected");
        QTest::newRow("workbook gone") << QString() << true << "books.xml"
                                       << "books.xlsx";
        QTest::newRow("no date") << Q("вчера") << false << "books.xml" << Q("'вчера' is not a valid date and time");
        QTest::newRow("output is the scheme") << QString() << false << "books.sch" << Q("это тот же файл, что и");
    }

    void platformErrorsOfTheRunReachTheErrorBox()
    {
        QFETCH(QString, sentDate);
        QFETCH(bool, removeWorkbook);
        QFETCH(QString, output);
        QFETCH(QString, expected);
        WindowFixture fixture;
        PrepareBooks(fixture);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        ui.edExcelFile->setText(fixture.QFile("books.xlsx"));
        ui.btNext->click();
        ui.btNext->click();
        if (!sentDate.isEmpty()) ui.edSentDate->setText(sentDate);
        ui.btNext->click();
        if (removeWorkbook) QFile::remove(fixture.QFile("books.xlsx"));
        const std::string before = ReadFileBytes(fixture.File(output.toStdString()));
        ui.edXMLFile->setText(fixture.QFile(output.toStdString()));
        // The scheme is no XML file: replacing it is asked first.
        fixture.dialogs().confirmAnswers = {true};
        ui.btNext->click();
        QVERIFY(fixture.WaitForRun());

        QCOMPARE(ReadFileBytes(fixture.File(output.toStdString())), before);
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QString said = fixture.dialogs().errors[0];
        QVERIFY2(said.startsWith(Q("Файл не сохранен.\n")) && said.contains(expected), qPrintable(said));
        QCOMPARE(window.Step(), 5);
        QVERIFY(ui.btPrev->isEnabled());
        QVERIFY(!QFileInfo::exists(fixture.QFile("books.xml")));
        // The log says what the box said and ends with the summary, and so
        // does the saved report.
        said.replace('\n', ' ');
        QVERIFY(LogLines(window).contains(said));
        QCOMPARE(LogLines(window).last(), Q("Преобразовано строк: 0."));
        fixture.dialogs().fileAnswers = {fixture.QFile("run.log")};
        ui.btSaveLog->click();
        const QString report = QString::fromUtf8(ReadFileBytes(fixture.File("run.log")));
        QVERIFY(report.contains(said) && report.endsWith(Q("Преобразовано строк: 0.\n")));
    }

    // In the automatic mode, where step 4 leaves the folder to the run, a
    // missing one fails it: the box, and the log ends with the summary.
    void automaticRunIntoAMissingFolderEndsWithTheSummary()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        fixture.Recreate({fixture.QFile("books.xlsx"), fixture.QFile("gone/books.xml"), "0"});
        fixture.window().show();
        QTRY_COMPARE(fixture.window().Step(), 5);
        QVERIFY(fixture.WaitForRun());
        QVERIFY(fixture.dialogs().errors.value(0).startsWith(Q("Файл не сохранен.\n")));
        QCOMPARE(LogLines(fixture.window()).last(), Q("Преобразовано строк: 0."));
    }

    void savedLogHoldsTheHeaderLineAndTheLogOfTheRun()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        WriteSchemeFile(fixture.File("books.sch"),
                        {CaptionOf("RecordReference", 0) + " = Артикул", CaptionOf("ISBN", 0) + " = ISBN"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QVERIFY(!ui.btSaveLog->isEnabled());
        QCOMPARE(ShownText(ui.btSaveLog->text()), Q("Сохранить протокол..."));
        QCOMPARE(ui.btSaveLog->toolTip(), Q("Сохранить протокол преобразования в текстовый файл..."));
        const double before = NowDateTime();
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        QVERIFY(fixture.WaitForRun());
        const double after = NowDateTime();
        QVERIFY(ui.btSaveLog->isEnabled());

        fixture.dialogs().fileAnswers = {QString()};
        ui.btSaveLog->click();
        QCOMPARE(QDir(QString::fromStdString(fixture.File(""))).entryList({"*.log"}), QStringList{});
        const FileDialogRequest& request = fixture.dialogs().saveRequests.back();
        QCOMPARE(request.title, Q("Сохранение протокола преобразования"));
        QCOMPARE(request.filter, QStringLiteral("*.log|*.log"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("log"));
        QCOMPARE(request.initialFile, fixture.QFile("books.log"));

        fixture.dialogs().fileAnswers = {fixture.QFile("протокол.log")};
        ui.btSaveLog->click();
        QVERIFY(fixture.dialogs().errors.isEmpty());
        const QStringList log = LogLines(window);
        QCOMPARE(log, (QStringList{Q("Ошибка в строке 3. ISBN-13 имеет неправильную контрольную цифру (должно быть 7)"),
                                   Q("Ошибка в строке 4. ISBN-13 имеет неправильную контрольную цифру (должно быть 7)"),
                                   Q("------------------------------------------"), Q("Файл ONIX XML сохранен."),
                                   Q("Преобразовано строк: 3."),
                                   Q("Файл \"") + fixture.QFile("books.xml") + Q("\" сохранен (строк: 3).")}));
        QStringList report = QString::fromUtf8(ReadFileBytes(fixture.File("протокол.log"))).split('\n');
        QCOMPARE(report.takeLast(), QString());
        const QString header = Q("Книга: ") + fixture.QFile("books.xlsx")
                               + Q("; тип документа: Прайс-лист для книжных товаров; дата и время: ");
        QVERIFY2(report.first().startsWith(header), qPrintable(report.first()));
        const auto ranAt = Regional::Russian().ParseDateTime(report.takeFirst().mid(header.size()).toStdString());
        QVERIFY(ranAt);
        QVERIFY(*ranAt >= before - 1.0 / 86400 && *ranAt <= after + 1.0 / 86400);
        QCOMPARE(report, log);
    }

    void logThatCannotBeSavedIsNamedInTheErrorBox()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        const WindowControls& ui = fixture.ui();
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        QVERIFY(fixture.WaitForRun());
        fixture.dialogs().fileAnswers = {fixture.QFile("нет папки/books.log")};
        ui.btSaveLog->click();
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QVERIFY2(fixture.dialogs().errors[0].contains(fixture.QFile("нет папки/books.log")),
                 qPrintable(fixture.dialogs().errors[0]));
        // Nor does the report replace the XML the run saved.
        fixture.dialogs().fileAnswers = {fixture.QFile("books.xml")};
        ui.btSaveLog->click();
        QCOMPARE(fixture.dialogs().errors.size(), 2);
        QVERIFY2(fixture.dialogs().errors[1].contains(Q("это тот же файл")), qPrintable(fixture.dialogs().errors[1]));
    }

    void everyEntryIntoStepFiveRunsAgain()
    {
        WindowFixture fixture;
        PrepareBooks(fixture);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        WalkToStepFive(fixture, fixture.QFile("first.xml"));
        QVERIFY(fixture.WaitForRun());
        ui.btPrev->click();
        ui.edXMLFile->setText(fixture.QFile("second.xml"));
        ui.btNext->click();
        QVERIFY(fixture.WaitForRun());
        QVERIFY(fixture.dialogs().errors.isEmpty());
        QCOMPARE(ReadFileBytes(fixture.File("second.xml")), ReadFileBytes(fixture.File("first.xml")));
        // The log shows the last run only.
        QCOMPARE(LogLines(window).count(Q("Файл ONIX XML сохранен.")), 1);
    }

    // A message without a product is saved, and the user is told.
    // A run that converts no row, or saves no file, says so in a box and in
    // its log.
    void runWithoutRowsOrFileWarns_data()
    {
        QTest::addColumn<bool>("badPrice");
        QTest::addColumn<QString>("said");
        QTest::newRow("no data rows")
            << false << Q("Ни одна строка не преобразована: под строкой заголовков нет строк с данными.");
        QTest::newRow("a critical error") << true
                                          << Q("Файл не сохранен.\nВ строках есть критические ошибки; они названы в "
                                               "протоколе.");
    }

    void runWithoutRowsOrFileWarns()
    {
        QFETCH(bool, badPrice);
        QFETCH(QString, said);
        WindowFixture fixture;
        // The articles from a column that leaves one empty.
        PrepareBooks(fixture, badPrice ? Rows{kBooks[0], {"КН-001", "", ""}} : Rows{kBooks[0]});
        WriteSchemeFile(fixture.File("books.sch"), {CaptionOf("RecordReference", 0) + " = Название"});
        WalkToStepFive(fixture, fixture.QFile("books.xml"));
        QVERIFY(fixture.WaitForRun());
        QCOMPARE(fixture.dialogs().warnings, QStringList{said});
        const QStringList log = LogLines(fixture.window());
        QVERIFY2(log.contains(said.replace('\n', ' ')), qPrintable(log.join('\n')));
    }

    // A run of more lines than the pane shows: the pane ends with their
    // count, the kept log holds every line in order, a line break of a cell
    // included, which the pane shows as \x0A, and a line too long to wait
    // for the window.
    void logPaneShowsItsLimitAndKeepsTheWholeLog()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        constexpr int kLines = RunLogPane::kLineLimit + 53;
        constexpr int kLongLine = RunLogPane::kLineLimit + 10;
        const std::string longLine(8 << 20, 'x');
        ConversionRunner runner(
            [&longLine](const RunInputs&, RunObserver& observer) {
                observer.ClearLog();
                for (int i = 1; i <= kLines; ++i)
                    observer.LogLine(i == 2 ? "две\nстроки" : i == kLongLine ? longLine : std::to_string(i));
                return RunResult{};
            },
            *ui.memLog, *ui.ProgressBar1, fixture.dialogs(), window);
        QSignalSpy finished(&runner, &ConversionRunner::Finished);
        QVERIFY(runner.Start(RunInputs{}));
        QVERIFY(finished.wait(20000));

        const QStringList pane = LogLines(window);
        QCOMPARE(pane.size(), RunLogPane::kLineLimit + 1);
        QCOMPARE(pane[1], Q("две\\x0Aстроки"));
        QCOMPARE(pane[RunLogPane::kLineLimit - 1], QString::number(RunLogPane::kLineLimit));
        QCOMPARE(pane.last(), Q("… ещё 53 строки; весь протокол сохраняет кнопка \"Сохранить протокол...\""));
        const std::vector<std::string> kept = runner.LogLines();
        QCOMPARE(kept.size(), std::size_t{kLines});
        QCOMPARE(kept[1], std::string("две\nстроки"));
        QVERIFY(kept[kLongLine - 1] == longLine);
        QCOMPARE(kept[kLongLine], std::to_string(kLongLine + 1));
        QCOMPARE(kept.back(), std::to_string(kLines));
    }
};

REGISTER_WINDOW_TEST(ConversionTest);

#include "ConversionTest.moc"
