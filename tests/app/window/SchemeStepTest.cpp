// Step 2: the three lists, drag and drop, the scheme actions, the automatic
// mapping and the long item tooltips.

#include "TestRegistry.h"
#include "support/TypeIndex.h"
#include "WindowFixture.h"

#include "app/window/ListBoxes.h"
#include "app/window/ListItemHint.h"
#include "app/window/QtText.h"
#include "catalogue/FieldCatalogue.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QSpinBox>

#include <memory>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

QString Caption(const char* fieldID, TypeIndex type)
{
    return QString::fromStdString(FieldCaption(fieldID, type));
}

QStringList Captions(TypeIndex type)
{
    QStringList captions;
    for (const TFieldEntry& field : FieldTable(type)) captions << QString::fromStdString(field.FieldName);
    return captions;
}

std::vector<std::string> StdLines(const QStringList& lines)
{
    std::vector<std::string> result;
    for (const QString& line : lines) result.push_back(line.toStdString());
    return result;
}

const std::vector<std::vector<std::string>> kHeaderRow = {
    {"Артикул товара", "  ISBN  ", "Название", "", "За пустой ячейкой"},
    {"A-1", "978-5-00", "Книга"},
};

// A window on step 2 of a workbook with the header row above, shown so that
// its lists have their real size.
struct StepTwo {
    explicit StepTwo(TypeIndex type = 0)
    {
        WriteWorkbook(fixture.File("book.xlsx"), kHeaderRow);
        ui().cbDocType->setCurrentIndex(IndexOf(type));
        ui().edExcelFile->setText(fixture.QFile("book.xlsx"));
        window().show();
        ui().btNext->click();
    }

    TfmQRNMain& window() { return fixture.window(); }
    const WindowControls& ui() const { return fixture.ui(); }

    // The centre of an item of listOnix, in its client area.
    QPoint FieldCentre(int row) { return ui().listOnix->visualItemRect(ui().listOnix->item(row)).center(); }

    void DropColumnOnField(int column, int field)
    {
        ui().listExcel->setCurrentRow(column);
        QVERIFY(ui().pn2->listOnixDragOver(FieldCentre(field)));
        ui().pn2->listOnixDragDrop();
    }

    WindowFixture fixture;
};

} // namespace

class SchemeStepTest : public QObject {
    Q_OBJECT

private slots:
    void fillsTheListsFromTheWorkbookAndCatalogue()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        QVERIFY(step.fixture.dialogs().errors.isEmpty());
        QCOMPARE(Items(*ui.listExcel), (QStringList{Q("Артикул товара"), "ISBN", Q("Название"), Q("[из названия]")}));
        QCOMPARE(Items(*ui.listOnix), Captions(0));
        QVERIFY(Items(*ui.listCorresp).isEmpty());
        // The classic sizes, but for a pixel or two the notes under them leave.
        for (const auto& [list, width] :
             {std::pair<QListWidget*, int>{ui.listExcel, 177}, {ui.listOnix, 177}, {ui.listCorresp, 293}})
            QVERIFY(list->width() == width && list->height() >= 277 && list->height() < 280);
    }

    void restoresTheRememberedSchemeOfTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("madeFor"); // the type whose caption the scheme holds
        QTest::newRow("books") << 0 << "PricelistCorrespondence" << 0;
        QTest::newRow("invoice") << 9 << "InvoiceCorrespondence" << 9;
        QTest::newRow("a price list's for an invoice") << 9 << "InvoiceCorrespondence" << 0;
    }

    void restoresTheRememberedSchemeOfTheType()
    {
        QFETCH(int, type);
        QFETCH(QString, key);
        QFETCH(int, madeFor);
        WindowFixture setup;
        const QString caption = Caption(madeFor == type ? "RecordReference" : "Title", madeFor);
        const QStringList lines{caption + Q(" = Артикул товара"), "", "без равенства"};
        WriteSchemeFile(setup.File("remembered.sch"), StdLines(lines));
        // Another type's scheme must not be taken.
        IniStore::WriteStringParam(type == 0 ? "InvoiceCorrespondence" : "PricelistCorrespondence", "/nowhere.sch");
        IniStore::WriteStringParam(key.toStdString(), setup.File("remembered.sch"));

        const WindowControls& ui = setup.ui();
        WriteWorkbook(setup.File("book.xlsx"), kHeaderRow);
        ui.cbDocType->setCurrentIndex(type);
        ui.edExcelFile->setText(setup.QFile("book.xlsx"));
        ui.btNext->click();
        QVERIFY(setup.dialogs().errors.isEmpty());
        QCOMPARE(Items(*ui.listCorresp), lines);
        QCOMPARE(Items(*ui.listOnix), Captions(TypeIndex(type)));
        // Another type's scheme is said, and its line marked as not acting.
        const QStringList said{Q("Схема \"%1\" составлена для вида \"Прайс-лист для книжных товаров\": её строки "
                                 "для полей, которых нет в этом виде, не действуют.")
                                   .arg(setup.QFile("remembered.sch"))};
        QCOMPARE(setup.dialogs().warnings, madeFor == type ? QStringList() : said);
        QCOMPARE(ui.listCorresp->item(0)->toolTip(),
                 madeFor == type ? QString()
                                 : Q("Поля \"%1\" нет в этом виде документа: строка схемы не действует.").arg(caption));
    }

    void rememberedFileThatIsGoneLeavesTheSchemeEmptySilently()
    {
        WindowFixture setup;
        IniStore::WriteStringParam("PricelistCorrespondence", setup.File("deleted.sch"));
        WriteWorkbook(setup.File("book.xlsx"), kHeaderRow);
        setup.ui().edExcelFile->setText(setup.QFile("book.xlsx"));
        setup.ui().listCorresp->addItem(QStringLiteral("old = line"));
        setup.ui().btNext->click();
        QVERIFY(setup.dialogs().errors.isEmpty());
        QVERIFY(Items(*setup.ui().listCorresp).isEmpty());
    }

    // What becomes of a mapping not saved yet: 0 back from step 3, 1
    // another workbook, 2 another type, 3 opening a scheme, 4 closing the
    // window; answered -1 Отмена, 0 Нет, 1 Да and saved, 2 Да and the save
    // dialog cancelled.
    void unsavedMappingIsKeptOrAskedAbout_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("linesKept");
        QTest::addColumn<int>("stepAfter");
        QTest::newRow("back from step 3") << 0 << 0 << false << true << 2;
        QTest::newRow("another workbook, no") << 1 << 0 << true << false << 2;
        QTest::newRow("another workbook, saved") << 1 << 1 << true << true << 2;
        QTest::newRow("another type, cancel") << 2 << -1 << true << true << 1;
        QTest::newRow("another type, save cancelled") << 2 << 2 << true << true << 1;
        QTest::newRow("opening a scheme, cancel") << 3 << -1 << true << true << 2;
        QTest::newRow("closing, cancel") << 4 << -1 << true << true << 2;
        QTest::newRow("closing, no") << 4 << 0 << true << true << 2;
    }

    void unsavedMappingIsKeptOrAskedAbout()
    {
        QFETCH(int, change);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, linesKept);
        QFETCH(int, stepAfter);
        StepTwo step;
        TfmQRNMain& window = step.window();
        const WindowControls& ui = step.ui();
        ScriptedDialogs& dialogs = step.fixture.dialogs();
        WriteWorkbook(step.fixture.File("other.xlsx"), kHeaderRow);
        step.DropColumnOnField(0, 0);
        const QStringList lines = Items(*ui.listCorresp);
        dialogs.threeWayAnswers = {answer < 0 ? std::nullopt : std::optional<bool>(answer >= 1)};
        dialogs.fileAnswers = {answer == 1 ? step.fixture.QFile("kept.sch") : QString()};
        bool closed = false;
        if (change == 0) {
            ui.btNext->click();
            ui.btPrev->click();
        }
        if (change == 1 || change == 2) {
            ui.btPrev->click();
            if (change == 1) ui.edExcelFile->setText(step.fixture.QFile("other.xlsx"));
            else ui.cbDocType->setCurrentIndex(1);
            ui.btNext->click();
        }
        if (change == 3) ui.actCorrespOpen->trigger();
        if (change == 4) closed = window.close();

        QCOMPARE(dialogs.questions, asked ? QStringList{Q("Сохранить схему соответствия полей?")} : QStringList{});
        QCOMPARE(Items(*ui.listCorresp) == lines, linesKept);
        QCOMPARE(window.Step(), stepAfter);
        QCOMPARE(closed, change == 4 && answer == 0);
        QVERIFY(dialogs.openRequests.empty());
        if (answer != 1) return;
        // Saved under the type the lines were made for.
        QCOMPARE(QStrList(ReadSchemeFile(step.fixture.File("kept.sch"))), lines);
        QCOMPARE(IniStore::ReadStringParam("PricelistCorrespondence", ""), step.fixture.File("kept.sch"));
    }

    void unreadableWorkbookIsSaidOnStepOneAndKeepsFieldsAndScheme()
    {
        StepTwo step;
        TfmQRNMain& window = step.window();
        const WindowControls& ui = step.ui();
        step.DropColumnOnField(2, 0);
        const QStringList scheme = Items(*ui.listCorresp);
        ui.btNext->click();
        ui.edExcelFile->setText(step.fixture.QFile("missing.xlsx"));
        ui.btPrev->click();

        QCOMPARE(step.fixture.dialogs().errors.size(), 1);
        QVERIFY(step.fixture.dialogs().errors[0].contains(step.fixture.QFile("missing.xlsx")));
        QCOMPARE(window.Step(), 1);
        QCOMPARE(ui.lbExcelProblem->text(), step.fixture.dialogs().errors[0]);
        QCOMPARE(Items(*ui.listOnix), Captions(0));
        QCOMPARE(Items(*ui.listCorresp), scheme);
    }

    void workbookSavedAgainIsReadAnewAndSaid()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        ui.btPrev->click();
        // Saved again by its owner while the wizard held it open.
        WriteWorkbook(step.fixture.File("book.xlsx"), {{"Код", "Цена"}, {"A-1", "10"}});
        ui.btNext->click();
        QCOMPARE(Items(*ui.listExcel), (QStringList{Q("Код"), Q("Цена"), Q("[из названия]")}));
        QCOMPARE(step.fixture.dialogs().warnings.size(), 1);
        QVERIFY(step.fixture.dialogs().warnings[0].contains(step.fixture.QFile("book.xlsx")));
    }

    void dropReplacesTheFieldsLineInPlaceOrAppends_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("field");
        QTest::addColumn<QStringList>("after");

        const QString article = Caption("RecordReference", 0);
        const QString isbn = Caption("ISBN", 0);
        const int articleRow = static_cast<int>(Captions(0).indexOf(article));
        const int isbnRow = static_cast<int>(Captions(0).indexOf(isbn));
        QTest::newRow("first line") << QStringList{} << 0 << articleRow
                                    << QStringList{article + Q(" = Артикул товара")};
        QTest::newRow("new field appended")
            << QStringList{article + " = X"} << 1 << isbnRow << QStringList{article + " = X", isbn + " = ISBN"};
        QTest::newRow("mapped field replaced in place")
            << QStringList{isbn + " = Y", article + " = X", "Z = W"} << 2 << articleRow
            << QStringList{isbn + " = Y", article + Q(" = Название"), "Z = W"};
        QTest::newRow("caption in other case replaced")
            << QStringList{article.toUpper() + " = X"} << 1 << articleRow << QStringList{article + " = ISBN"};
        QTest::newRow("only the first of two lines replaced")
            << QStringList{article + " = X", article + " = Y"} << 1 << articleRow
            << QStringList{article + " = ISBN", article + " = Y"};
        QTest::newRow("line without blank before = is another field")
            << QStringList{article + "= X"} << 1 << articleRow << QStringList{article + "= X", article + " = ISBN"};
        QTest::newRow("same column on a second field")
            << QStringList{article + " = ISBN"} << 1 << isbnRow << QStringList{article + " = ISBN", isbn + " = ISBN"};
    }

    void dropReplacesTheFieldsLineInPlaceOrAppends()
    {
        QFETCH(QStringList, before);
        QFETCH(int, column);
        QFETCH(int, field);
        QFETCH(QStringList, after);
        StepTwo step;
        step.ui().listCorresp->addItems(before);
        step.DropColumnOnField(column, field);
        QCOMPARE(Items(*step.ui().listCorresp), after);
    }

    void dragEventsFromTheColumnListReachTheFieldList()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        QWidget* target = ui.listOnix->viewport();
        ui.listExcel->setCurrentRow(2);

        QMimeData foreign;
        foreign.setText(QStringLiteral("text from another program"));
        QDragMoveEvent foreignMove(step.FieldCentre(1), Qt::CopyAction, &foreign, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &foreignMove);
        QVERIFY(!foreignMove.isAccepted());

        // What a drag from the column list carries.
        const std::unique_ptr<QMimeData> column(ui.listExcel->model()->mimeData({ui.listExcel->model()->index(2, 0)}));
        QCOMPARE(column->formats(), QStringList{QString::fromLatin1(kColumnMimeType)});
        QCOMPARE(QString::fromUtf8(column->data(QString::fromLatin1(kColumnMimeType))), Q("Название"));

        QDragEnterEvent enter(step.FieldCentre(1), Qt::CopyAction, column.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QCOMPARE(ui.listOnix->currentRow(), 1);
        QDropEvent drop(step.FieldCentre(1), Qt::CopyAction, column.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(Items(*ui.listCorresp), QStringList{Captions(0)[1] + Q(" = Название")});
        // A drop copies: the column stays in its list.
        QCOMPARE(ui.listExcel->count(), 4);
    }

    void dragOverRefusesWithoutASelectedColumn()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        ui.listExcel->clearSelection();
        ui.listOnix->setCurrentRow(3);
        QVERIFY(!ui.pn2->listOnixDragOver(step.FieldCentre(1)));
        QCOMPARE(ui.listOnix->currentRow(), 3);
        ui.pn2->listOnixDragDrop();
        QVERIFY(Items(*ui.listCorresp).isEmpty());
    }

    void dragOverEmptyAreaClearsTheFieldAndTheDropDoesNothing()
    {
        StepTwo step(kInvoiceType);
        const WindowControls& ui = step.ui();
        const int height = ui.listOnix->viewport()->height();
        QVERIFY2(ui.listOnix->visualItemRect(ui.listOnix->item(ui.listOnix->count() - 1)).bottom() < height - 5,
                 "the invoice fields must leave room below the last one");
        ui.listExcel->setCurrentRow(0);
        QVERIFY(ui.pn2->listOnixDragOver(step.FieldCentre(0)));
        QCOMPARE(ui.listOnix->currentRow(), 0);
        QVERIFY(ui.pn2->listOnixDragOver(QPoint(20, height - 2)));
        QVERIFY(ui.listOnix->selectedItems().isEmpty());
        ui.pn2->listOnixDragDrop();
        QVERIFY(Items(*ui.listCorresp).isEmpty());
    }

    void dragOverNearTheEdgesMovesAndScrolls()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        QScrollBar* scroll = ui.listOnix->verticalScrollBar();
        const int height = ui.listOnix->viewport()->height();
        ui.listExcel->setCurrentRow(0);
        QCOMPARE(scroll->value(), 0);

        const int lastVisible = ui.listOnix->row(ui.listOnix->itemAt(QPoint(20, height - 2)));
        QVERIFY(ui.pn2->listOnixDragOver(QPoint(20, height - 2)));
        QCOMPARE(ui.listOnix->currentRow(), lastVisible + 1);
        QVERIFY(scroll->value() > 0);

        const int topRow = ui.listOnix->row(ui.listOnix->itemAt(QPoint(20, 2)));
        QVERIFY(topRow > 0);
        QVERIFY(ui.pn2->listOnixDragOver(QPoint(20, 2)));
        QCOMPARE(ui.listOnix->currentRow(), topRow - 1);

        // Within the list, away from the edges, the field under the pointer.
        QVERIFY(ui.pn2->listOnixDragOver(QPoint(20, height / 2)));
        QCOMPARE(ui.listOnix->currentRow(), ui.listOnix->row(ui.listOnix->itemAt(QPoint(20, height / 2))));
    }

    // "Очистить" asks before it takes more than one line (the box takes the
    // focus meanwhile, and gives it back); Ctrl+Z puts back what the last
    // "Очистить" or Delete took.
    void clearAndDeleteActions_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("chosen"); // the row Delete takes; -1 for "Очистить"
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("after");
        const QStringList abc{"a = 1", "b = 2", "c = 3"};
        QTest::newRow("delete, none chosen") << abc << -2 << false << abc;
        QTest::newRow("delete the middle") << abc << 1 << false << QStringList{"a = 1", "c = 3"};
        const QStringList one{"a = 1"};
        QTest::newRow("clear one line") << one << -1 << false << QStringList();
        QTest::newRow("clear three, Нет") << abc << -1 << false << abc;
        // A line mapped again meanwhile is not doubled.
        QTest::newRow("clear three, Да, b again") << abc << -1 << true << QStringList();
    }

    void clearAndDeleteActions()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, chosen);
        QFETCH(bool, answer);
        QFETCH(QStringList, after);
        const int questions = chosen == -1 && lines.size() > 1 ? 1 : 0;
        StepTwo step;
        const WindowControls& ui = step.ui();
        QVERIFY(QTest::qWaitForWindowActive(&step.window()));
        // The sheet's gap in its header row brings the layout question first.
        QTRY_COMPARE(step.fixture.dialogs().questions.size(), 1);
        step.fixture.dialogs().questions.clear();
        ui.listCorresp->addItems(lines);
        ui.listCorresp->clearSelection();
        ui.listCorresp->setFocus();
        step.fixture.dialogs().confirmAnswers = {answer};
        step.fixture.dialogs().duringBox = [&ui] { ui.btNext->setFocus(); };
        if (chosen >= 0) ui.listCorresp->setCurrentRow(chosen);
        if (chosen == -1) ui.btClearCorresp->click();
        else ui.actCorrespDel->trigger();
        QCOMPARE(Items(*ui.listCorresp), after);
        QCOMPARE(step.fixture.dialogs().questions.size(), questions);
        if (questions > 0) QCOMPARE(step.window().focusWidget(), ui.listCorresp);
        if (after.isEmpty() && lines.size() > 1) ui.listCorresp->addItem("b = 2");
        QTest::keyClick(ui.listCorresp, Qt::Key_Z, Qt::ControlModifier);
        // Ctrl+Z brings back what was taken, each line once.
        QCOMPARE(Items(*ui.listCorresp), lines);
    }

    void popupMenuAndButtonsShowTheActions()
    {
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        QStringList menu;
        for (const QAction* action : ui.pmCorresp->actions())
            menu << (action->isSeparator() ? QStringLiteral("-") : action->text());
        // The added item after the ones the menu always had.
        QCOMPARE(menu, (QStringList{Q("Очистить"), Q("Удалить"), "-", Q("Сохранить..."), Q("Открыть..."), "-",
                                    Q("Сопоставить автоматически")}));
        QCOMPARE(ui.actCorrespClear->toolTip(), Q("Очистить схему соответствия полей"));
        QCOMPARE(ui.actCorrespDel->toolTip(), Q("Удалить запись из списка соответствия полей"));
        QCOMPARE(ShownText(ui.btSaveCorresp->text()), Q("Сохранить..."));
        QCOMPARE(ui.btSaveCorresp->toolTip(), Q("Сохранить схему соответствий в файл..."));
        QCOMPARE(ui.btOpenCorresp->toolTip(), Q("Загрузить схему соответствий из файла..."));
        QCOMPARE(ShownText(ui.btAutoCorresp->text()), Q("Сопоставить автоматически"));
        QCOMPARE(ui.btAutoCorresp->toolTip(),
                 Q("Сопоставить поля Excel с полями описания товара, названия которых с ними совпадают"));
    }

    void automaticMappingProposesAndAddsTheCheckedPairs_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("proposed");
        QTest::newRow("other case and blanks") << 0 << QStringList{Q("  артикул "), Q("ИЗДАТЕЛЬ")} << QStringList{}
                                               << QStringList{Q("Артикул = артикул"), Q("Издатель = ИЗДАТЕЛЬ")} << 2;
        QTest::newRow("first of equal columns; a guess is left unchecked")
            << 0 << QStringList{Q("Номер"), Q("Издатель"), Q("издатель")} << QStringList{}
            << QStringList{Q("Издатель = Издатель")} << 2;
        QTest::newRow("what the user mapped stays, and nothing new is said so")
            << 0 << QStringList{Q("Код"), Q("Артикул")} << QStringList{Q("ISBN = Код"), Q("артикул = Код"), "x"}
            << QStringList{Q("ISBN = Код"), Q("артикул = Код"), "x"} << 0;
        QTest::newRow("caption listed twice gives one line")
            << 3 << QStringList{Q("Изображение, файл")} << QStringList{}
            << QStringList{Q("Изображение, файл = Изображение, файл")} << 1;
        QTest::newRow("names suppliers use, guesses unchecked")
            << 0 << QStringList{Q("Номер"), Q("Наименование"), Q("Автор"), Q("Цена с НДС, руб.")} << QStringList{}
            << QStringList{Q("Фамилия автора в заголовке = Автор"), Q("Название (Основное заглавие) = Наименование")}
            << 4;
    }

    void automaticMappingProposesAndAddsTheCheckedPairs()
    {
        QFETCH(int, type);
        QFETCH(QStringList, header);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(int, proposed);
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(fixture.File("book.xlsx"), {StdLines(header)});
        ui.cbDocType->setCurrentIndex(type);
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        ui.btNext->click();
        ui.listCorresp->addItems(before);

        // The rows are read on the worker: the proposals, or the word that
        // there are none, come after the click.
        const auto answered = [&] {
            return fixture.dialogs().proposals.size() + fixture.dialogs().informations.size();
        };
        ui.btAutoCorresp->click();
        QTRY_COMPARE(answered(), 1u);
        QCOMPARE(Items(*ui.listCorresp), after);
        if (proposed == 0) {
            QCOMPARE(fixture.dialogs().informations, QStringList{Q("Новых соответствий не найдено.")});
            QVERIFY(fixture.dialogs().proposals.empty());
        } else {
            QVERIFY(fixture.dialogs().informations.isEmpty());
            QCOMPARE(fixture.dialogs().proposals.back().size(), static_cast<std::size_t>(proposed));
        }
        QVERIFY(fixture.dialogs().errors.isEmpty());

        // "Отмена" adds nothing.
        ui.listCorresp->clear();
        ui.listCorresp->addItems(before);
        fixture.dialogs().mappingAnswers = {std::nullopt};
        ui.btAutoCorresp->click();
        QTRY_COMPARE(answered(), 2u);
        QCOMPARE(Items(*ui.listCorresp), before);
    }

    // Nothing known in the typed header row: the row below the title block
    // is offered, and taken when the user agrees.
    void automaticMappingFindsTheHeaderRowBelowATitleBlock()
    {
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(
            fixture.File("book.xlsx"),
            {{Q("ООО «Книжный дом»").toStdString()}, {}, {"Код", "Наименование", "Автор"}, {"K-1", "Книга", "Пушкин"}});
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        emit ui.edExcelFile->editingFinished();
        // Row 1 typed: nothing on step 1 replaces it.
        ui.seHeaderRow->setValue(2);
        ui.seHeaderRow->setValue(1);
        ui.btNext->click();
        // The strict layout leaves the rows under the title block out: the
        // supplier layout is offered first, and declined.
        QTRY_COMPARE(fixture.dialogs().questions.size(), 1);
        fixture.dialogs().confirmAnswers = {true};
        ui.btAutoCorresp->click();
        QTRY_COMPARE(fixture.dialogs().questions.size(), 2);
        QCOMPARE(ui.seHeaderRow->value(), 3);
        QCOMPARE(Items(*ui.listExcel), (QStringList{Q("Код"), Q("Наименование"), Q("Автор"), Q("[из названия]")}));
        QCOMPARE(Items(*ui.listCorresp), (QStringList{Q("Артикул = Код"), Q("Фамилия автора в заголовке = Автор"),
                                                      Q("Название (Основное заглавие) = Наименование")}));
    }

    // Step 1's header row under a title block: "авто" finds it and is
    // remembered, row 1 left as it was is moved to it, a typed row is kept
    // also when the supplier layout is taken.
    void headerRowUnderATitleBlock_data()
    {
        QTest::addColumn<int>("typed"); // -1: left at row 1
        QTest::addColumn<bool>("supplierTaken");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("remembered");
        QTest::newRow("авто") << 0 << false << 0 << Q("Строка заголовков: найдена строка 3") << "auto";
        QTest::newRow("row 1 left") << -1 << false << 3 << Q("Строка заголовков: найдена строка 3") << "";
        QTest::newRow("row 1 typed, supplier taken") << 1 << true << 1 << QString() << "";
    }

    void headerRowUnderATitleBlock()
    {
        QFETCH(int, typed);
        QFETCH(bool, supplierTaken);
        QFETCH(int, shown);
        QFETCH(QString, note);
        QFETCH(QString, remembered);
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(
            fixture.File("book.xlsx"),
            {{Q("ООО «Книжный дом»").toStdString()}, {}, {"Код", "Наименование", "Автор"}, {"K-1", "Книга", "Пушкин"}});
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        emit ui.edExcelFile->editingFinished();
        if (typed >= 0) ui.seHeaderRow->setValue(typed + 1);
        if (typed >= 0) ui.seHeaderRow->setValue(typed);
        fixture.dialogs().confirmAnswers = {supplierTaken};
        ui.btNext->click();
        if (supplierTaken) QTRY_COMPARE(fixture.dialogs().questions.size(), 1);
        QCOMPARE(ui.seHeaderRow->value(), shown);
        const auto* found = fixture.window().findChild<QLabel*>(QStringLiteral("lbHeaderRowFound"));
        QTRY_COMPARE(found->text(), note);
        QTRY_COMPARE(Items(*ui.listExcel).first() == Q("Код"), shown != 1);
        QCOMPARE(QString::fromStdString(IniStore::ReadStringParam("HeaderRow", "")), remembered);
        // The next workbook starts from what is remembered.
        ui.edExcelFile->setText(fixture.QFile("other.xlsx"));
        emit ui.edExcelFile->editingFinished();
        QCOMPARE(ui.seHeaderRow->value(), remembered.isEmpty() ? 1 : 0);
    }

    // A 1C list, column A empty: strict reading would see no column, so
    // step 2 offers the supplier layout, which names them all and marks the
    // hidden one.
    void stepTwoOffersTheSupplierLayoutWhenStrictReadingLosesRows()
    {
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(fixture.File("book.xlsx"),
                      {{"", "Код", "Наименование"}, {"", Q("Проза").toStdString()}, {"", "K-1", "Книга"}}, {3});
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        fixture.dialogs().confirmAnswers = {true};
        ui.btNext->click();
        QTRY_COMPARE(fixture.dialogs().questions.size(), 1);
        QCOMPARE(ui.cbLayout->currentIndex(), 1);
        QCOMPARE(IniStore::ReadStringParam("Layout", ""), std::string("1"));
        QCOMPARE(ui.seHeaderRow->value(), 0);
        QCOMPARE(Items(*ui.listExcel), (QStringList{"[A]", Q("Код"), Q("Наименование (скрытый столбец)"), Q("[группа]"),
                                                    Q("[из названия]")}));
        QCOMPARE(ui.listExcel->item(2)->data(Qt::UserRole).toString(), Q("Наименование"));
    }

    void automaticMappingFromThePopupMenuAndNothingIsRemembered()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        step.DropColumnOnField(0, 0);
        QAction* automatic = ui.pmCorresp->actions().last();
        QCOMPARE(automatic, ui.actCorrespAuto);
        automatic->trigger();
        QTRY_COMPARE(step.fixture.dialogs().proposals.size(), 1u);
        QCOMPARE(Items(*ui.listCorresp), (QStringList{Q("Артикул = Артикул товара"), "ISBN = ISBN",
                                                      Q("Название (Основное заглавие) = Название")}));
        QCOMPARE(step.fixture.dialogs().proposals.size(), 1u);

        // Nothing is remembered until the user saves the scheme.
        QCOMPARE(IniStore::ReadStringParam("PricelistCorrespondence", ""), std::string());
    }

    void rightClickKeepsTheSelectedLine()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        ui.listCorresp->addItems({"a = 1", "b = 2"});
        ui.listCorresp->setCurrentRow(0);
        const QRect second = ui.listCorresp->visualItemRect(ui.listCorresp->item(1));
        QTest::mousePress(ui.listCorresp->viewport(), Qt::RightButton, Qt::NoModifier, second.center());
        QTest::mouseRelease(ui.listCorresp->viewport(), Qt::RightButton, Qt::NoModifier, second.center());
        ui.pmCorresp->hide();
        QCOMPARE(ui.listCorresp->currentRow(), 0);
    }

    void saveWritesTheFileAndRemembersIt()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        IniStore::WriteStringParam("PricelistCorrespondence", step.fixture.File("earlier.sch"));
        ui.listCorresp->addItems({Q("Артикул = Артикул товара"), "ISBN = ISBN"});

        step.fixture.dialogs().fileAnswers = {QString()};
        ui.btSaveCorresp->click();
        QVERIFY(!QFileInfo::exists(step.fixture.QFile("earlier.sch")));

        step.fixture.dialogs().fileAnswers = {step.fixture.QFile("saved.sch")};
        ui.btSaveCorresp->click();
        QVERIFY(step.fixture.dialogs().errors.isEmpty());
        const auto& requests = step.fixture.dialogs().saveRequests;
        QCOMPARE(requests.size(), std::size_t{2});
        QCOMPARE(requests[1].title, Q("Сохранение схемы соответствия полей"));
        QCOMPARE(requests[1].filter, QStringLiteral("*.sch|*.sch"));
        QCOMPARE(requests[1].defaultSuffix, QStringLiteral("sch"));
        QCOMPARE(requests[1].initialFile, step.fixture.QFile("earlier.sch"));
        QCOMPARE(ReadFileBytes(step.fixture.File("saved.sch")),
                 std::string("\xC0\xF0\xF2\xE8\xEA\xF3\xEB = \xC0\xF0\xF2\xE8\xEA\xF3\xEB \xF2\xEE\xE2\xE0\xF0\xE0\r\n"
                             "ISBN = ISBN\r\n"));
        QCOMPARE(IniStore::ReadStringParam("PricelistCorrespondence", ""), step.fixture.File("saved.sch"));
    }

    void openReplacesTheSchemeAndRemembersIt()
    {
        StepTwo step(kInvoiceType);
        const WindowControls& ui = step.ui();
        WriteSchemeFile(step.fixture.File("other.sch"), {"x = 1", "y = 2"});
        ui.listCorresp->addItem(QStringLiteral("old = line"));
        ui.listCorresp->setCurrentRow(0);

        step.fixture.dialogs().fileAnswers = {QString()};
        ui.btOpenCorresp->click();
        QCOMPARE(Items(*ui.listCorresp), QStringList{"old = line"});
        QCOMPARE(IniStore::ReadStringParam("InvoiceCorrespondence", ""), std::string());

        step.fixture.dialogs().fileAnswers = {step.fixture.QFile("other.sch")};
        ui.btOpenCorresp->click();
        QCOMPARE(Items(*ui.listCorresp), (QStringList{"x = 1", "y = 2"}));
        // The old line's highlight does not pass to a new line.
        QVERIFY(ui.listCorresp->selectedItems().isEmpty());
        QCOMPARE(ui.listCorresp->currentRow(), -1);
        QCOMPARE(IniStore::ReadStringParam("InvoiceCorrespondence", ""), step.fixture.File("other.sch"));
        const auto& requests = step.fixture.dialogs().openRequests;
        QCOMPARE(requests.back().title, Q("Открытие схемы соответствия полей"));
        QCOMPARE(requests.back().defaultSuffix, QString());
        // The type's remembered scheme (none at first), never the workbook.
        QCOMPARE(requests.front().initialFile, QString());

        // A workbook chosen as a scheme by mistake is refused for what it is.
        step.fixture.dialogs().fileAnswers = {step.fixture.QFile("book.xlsx")};
        ui.btOpenCorresp->click();
        QCOMPARE(requests.back().initialFile, step.fixture.QFile("other.sch"));
        QCOMPARE(step.fixture.dialogs().errors.size(), 1);
        QVERIFY2(step.fixture.dialogs().errors[0].contains(Q("а не схема соответствия полей")),
                 qPrintable(step.fixture.dialogs().errors[0]));
        step.fixture.dialogs().errors.clear();

        // A file that cannot be read: the box names it, the scheme and the
        // remembered path stay.
        step.fixture.dialogs().fileAnswers = {step.fixture.QFile("gone.sch")};
        ui.btOpenCorresp->click();
        QCOMPARE(step.fixture.dialogs().errors.size(), 1);
        QVERIFY(step.fixture.dialogs().errors[0].contains(step.fixture.QFile("gone.sch")));
        QCOMPARE(Items(*ui.listCorresp), (QStringList{"x = 1", "y = 2"}));
        QCOMPARE(IniStore::ReadStringParam("InvoiceCorrespondence", ""), step.fixture.File("other.sch"));
    }

    void fileDialogsStartWithTheNameOfTheirLastUse()
    {
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        fixture.window().show();
        fixture.dialogs().fileAnswers = {fixture.QFile("book.xls")};
        ui.btSelectExcelFile->click();
        QCOMPARE(ui.edExcelFile->text(), fixture.QFile("book.xls"));
        // The focus goes on to the next input.
        QCOMPARE(fixture.window().focusWidget(), ui.cbDocType);
        const auto& excel = fixture.dialogs().openRequests.back();
        QCOMPARE(excel.title, Q("Выбор файла Excel"));
        QVERIFY(excel.filter.contains(QStringLiteral("*.xls;")) && excel.filter.contains(QStringLiteral("*.ods")));

        ui.btSelectExcelFile->click();
        QCOMPARE(fixture.dialogs().openRequests.back().initialFile, fixture.QFile("book.xls"));
        QCOMPARE(ui.edExcelFile->text(), fixture.QFile("book.xls"));

        fixture.dialogs().fileAnswers = {fixture.QFile("out.xml")};
        ui.btSelectXmlFile->click();
        const auto& xml = fixture.dialogs().saveRequests.back();
        QCOMPARE(xml.title, Q("Сохранение файла ONIX XML"));
        QCOMPARE(xml.filter, QStringLiteral("*.xml|*.xml"));
        QCOMPARE(xml.defaultSuffix, QStringLiteral("xml"));
        // The XML dialog starts with the workbook's name, never another save's.
        QCOMPARE(xml.initialFile, fixture.QFile("book.xml"));
        QCOMPARE(ui.edXMLFile->text(), fixture.QFile("out.xml"));
        QCOMPARE(fixture.window().focusWidget(), ui.btNext);

        // Another kind of file becomes the output only when the user says so.
        WriteFileBytes(fixture.File("trap.sch"), "x = 1\r\n");
        fixture.dialogs().fileAnswers = {fixture.QFile("trap.sch")};
        ui.btSelectXmlFile->click();
        QCOMPARE(fixture.dialogs().saveRequests.back().initialFile, fixture.QFile("out.xml"));
        QCOMPARE(
            fixture.dialogs().questions,
            QStringList{
                Q("Файл %1 уже существует и не является файлом XML. Заменить его?").arg(fixture.QFile("trap.sch"))});
        QCOMPARE(ui.edXMLFile->text(), fixture.QFile("out.xml"));
    }

    void longItemsAndDeadLinesShowTheirHintOverTheItem()
    {
        StepTwo step;
        const WindowControls& ui = step.ui();
        const QString longLine = Q("Очень длинное наименование поля описания товара = Очень длинное название столбца");
        ui.listCorresp->addItems({"ISBN = ISBN", longLine});
        QWidget* viewport = ui.listCorresp->viewport();
        const auto* hint = qobject_cast<const QLabel*>(ListItemHintWindow());
        // The hint a rest of the pointer on a line brings, "" for none; it
        // lies over the line itself.
        const auto hintAt = [&](int row) {
            const QRect rect = ui.listCorresp->visualItemRect(ui.listCorresp->item(row));
            QHelpEvent rest(QEvent::ToolTip, rect.center(), viewport->mapToGlobal(rect.center()));
            QApplication::sendEvent(viewport, &rest);
            if (!hint->isVisible()) return QString();
            return hint->y() == viewport->mapToGlobal(rect.topLeft()).y() ? hint->text() : QStringLiteral("elsewhere");
        };
        QCOMPARE(hintAt(1), longLine);
        QCOMPARE(hintAt(0), QString());
        QCOMPARE(ui.listCorresp->textElideMode(), Qt::ElideMiddle);

        // A line whose column the workbook lacks is marked, and its hint says
        // why it does nothing.
        WriteSchemeFile(step.fixture.File("dead.sch"), {"ISBN = ISBN", Q("Артикул = Код товара").toStdString()});
        step.fixture.dialogs().fileAnswers = {step.fixture.QFile("dead.sch")};
        ui.btOpenCorresp->click();
        QCOMPARE(hintAt(1), Q("В книге нет столбца \"Код товара\": строка схемы не действует."));
        QCOMPARE(hintAt(0), QString());
        QVERIFY(ui.listCorresp->item(1)->foreground() != ui.listCorresp->item(0)->foreground());
    }
};

REGISTER_WINDOW_TEST(SchemeStepTest);

#include "SchemeStepTest.moc"
