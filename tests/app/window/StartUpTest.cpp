// Start-up: the command line of the window and automatic mode.

#include "TestRegistry.h"
#include "WindowFixture.h"

#include "app/window/CommandLine.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void settingsOptionIsTakenOutOfTheParameters_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("headerRow");
        QTest::addColumn<int>("request");
        const int window = static_cast<int>(WindowCommandLine::Request::Window);
        QTest::newRow("none") << QStringList{"a.xls", "b.xml", "0"} << QString() << QStringList{"a.xls", "b.xml", "0"}
                              << QString() << 0 << window;
        QTest::newRow("separate") << QStringList{"--settings", "q.ini", "a.xls", "b.xml", "9", "15", "7"} << "q.ini"
                                  << QStringList{"a.xls", "b.xml", "9", "15", "7"} << QString() << 0 << window;
        QTest::newRow("joined") << QStringList{"a.xls", "--settings=/x/q.ini", "b.xml"} << "/x/q.ini"
                                << QStringList{"a.xls", "b.xml"} << QString() << 0 << window;
        QTest::newRow("sheet and header row")
            << QStringList{"--sheet", "Книги", "--header-row=6", "a.xls", "b.xml", "0"} << QString()
            << QStringList{"a.xls", "b.xml", "0"} << QString::fromUtf8("Книги") << 6 << window;
        // Help wins over the version wherever the two stand.
        QTest::newRow("help") << QStringList{"--version", "a.xls", "-h"} << QString() << QStringList{"a.xls"}
                              << QString() << 0 << static_cast<int>(WindowCommandLine::Request::Help);
        QTest::newRow("version") << QStringList{"--version"} << QString() << QStringList{} << QString() << 0
                                 << static_cast<int>(WindowCommandLine::Request::Version);
    }

    void settingsOptionIsTakenOutOfTheParameters()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, settings);
        QFETCH(QStringList, parameters);
        QFETCH(QString, sheet);
        QFETCH(int, headerRow);
        QFETCH(int, request);
        const WindowCommandLine commandLine = ParseWindowCommandLine(arguments);
        QCOMPARE(static_cast<int>(commandLine.request), request);
        QCOMPARE(commandLine.settingsFile, settings);
        QCOMPARE(commandLine.parameters, parameters);
        QCOMPARE(commandLine.sheet, sheet);
        QCOMPARE(commandLine.headerRow, headerRow);
    }

    // Fewer than three parameters start interactively; a workbook alone ("Open
    // with") is chosen on step 1, with its sheets listed.
    void fewParametersStartInteractively_data()
    {
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<bool>("workbookChosen");
        QTest::newRow("two") << QStringList{"book.xlsx", "b.xml"} << false;
        QTest::newRow("an existing workbook") << QStringList{"book.xlsx"} << true;
        QTest::newRow("a missing workbook") << QStringList{"none.xlsx"} << false;
        QTest::newRow("a folder") << QStringList{"."} << false;
    }

    void fewParametersStartInteractively()
    {
        QFETCH(QStringList, parameters);
        QFETCH(bool, workbookChosen);
        WindowFixture fixture;
        WriteWorkbookSheets(fixture.File("book.xlsx"), {{"Книги", {{"Артикул"}, {"A-1"}}}});
        for (QString& parameter : parameters) parameter = fixture.QFile(parameter.toStdString());
        fixture.Recreate(parameters);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QVERIFY(!window.AutoMode());
        QCOMPARE(ui.edExcelFile->text(), workbookChosen ? parameters[0] : QString());
        QCOMPARE(ui.cbSheet->currentText(), workbookChosen ? Q("Книги") : QString());
        QVERIFY(ui.edXMLFile->text().isEmpty());
        QCOMPARE(ui.cbDocType->currentIndex(), 0);
        QCOMPARE(window.Step(), 1);
    }

    void parametersFillTheFields()
    {
        WindowFixture fixture({"a.xlsx", "b.xml", "9", "15", "7"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QVERIFY(window.AutoMode());
        QCOMPARE(ui.edExcelFile->text(), QStringLiteral("a.xlsx"));
        QCOMPARE(ui.edXMLFile->text(), QStringLiteral("b.xml"));
        QCOMPARE(ui.cbDocType->currentIndex(), 9);
        QCOMPARE(ui.edMessageNumber->text(), QStringLiteral("15"));
        QCOMPARE(ui.edDocumentReference->text(), QStringLiteral("7"));
        QCOMPARE(window.Step(), 1);
    }

    void nonIntegerTypeStartsNormally()
    {
        WindowFixture fixture({"a.xlsx", "b.xml", Q("книги"), "15", "7"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QCOMPARE(
            fixture.dialogs().errors,
            QStringList{Q(
                "Недопустимый тип документа \"книги\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная).")});
        QVERIFY(!window.AutoMode());
        QCOMPARE(ui.edExcelFile->text(), QStringLiteral("a.xlsx"));
        QCOMPARE(ui.edXMLFile->text(), QStringLiteral("b.xml"));
        QCOMPARE(ui.cbDocType->currentIndex(), 0);
        QVERIFY(ui.edMessageNumber->text().isEmpty());
        QVERIFY(ui.edDocumentReference->text().isEmpty());
        window.show();
        QTest::qWait(50);
        QCOMPARE(window.Step(), 1);
        QCOMPARE(fixture.dialogs().errors.size(), 1);
    }

    void typeOutsideTheListIsRefusedBeforeTheWalk()
    {
        WindowFixture fixture;
        WriteWorkbook(fixture.File("book.xlsx"), {{"Артикул"}, {"A-1"}});
        fixture.Recreate({fixture.QFile("book.xlsx"), fixture.QFile("out.xml"), "12"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QCOMPARE(
            fixture.dialogs().errors,
            QStringList{
                Q("Недопустимый тип документа \"12\": укажите число от 0 до 9 (0-8 - прайс-листы, 9 - накладная).")});
        QVERIFY(!window.AutoMode());
        QCOMPARE(ui.cbDocType->currentIndex(), 0);
        window.show();
        QTest::qWait(300);
        QCOMPARE(window.Step(), 1);
        QVERIFY(!window.ConversionRunning());
        QVERIFY(!QFileInfo::exists(fixture.QFile("out.xml")));
    }

    void failedHeaderCheckStillConverts()
    {
        WindowFixture fixture;
        WriteWorkbook(fixture.File("book.xlsx"), {{"Артикул"}, {"A-1"}});
        fixture.Recreate({fixture.QFile("book.xlsx"), fixture.QFile("out.xml"), "0"});
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.show();
        QTRY_COMPARE(window.Step(), 5);
        QVERIFY(fixture.WaitForRun());
        // No sender was ever stored: step 4 complains, step 5 still runs
        // (with no scheme, every row lacks its article number).
        QCOMPARE(fixture.dialogs().errors, QStringList{Q("Не заполнены обязательные поля")});
        QVERIFY(ui.memLog->toPlainText().startsWith(Q("Ошибка в строке 2. ")));
    }
};

REGISTER_WINDOW_TEST(StartUpTest);

#include "StartUpTest.moc"
