// The step switch: titles, Back/Next, the three checks and where they fall
// back to; and the fixed layout of the five steps.

#include "TestRegistry.h"
#include "WindowFixture.h"

#include "app/window/QtUserDialogs.h"
#include "app/window/AccessKeys.h"
#include "app/window/ListBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSet>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

#include <algorithm>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// The one panel of the five that is not hidden.
int ShownPanel(const WindowControls& ui)
{
    const QWidget* panels[] = {ui.pn1, ui.pn2, ui.pn3, ui.pn4, ui.pn5};
    int shown = 0;
    for (int i = 0; i < 5; ++i)
        if (!panels[i]->isHidden()) shown = shown == 0 ? i + 1 : -1;
    return shown;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    // At the classic size and enlarged, where the lists and the log grow.
    void noStepHasOverlappingOrCutOffControls_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("enlarged");
        for (int step = 1; step <= 5; ++step) {
            QTest::newRow(qPrintable(QString::number(step))) << step << false;
            QTest::newRow(qPrintable(QString::number(step) + " enlarged")) << step << true;
        }
    }

    void noStepHasOverlappingOrCutOffControls()
    {
        QFETCH(int, step);
        QFETCH(bool, enlarged);
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QWidget* panels[] = {ui.pn1, ui.pn2, ui.pn3, ui.pn4, ui.pn5};
        // The step's layout places its controls as the step shows.
        window.show();
        if (enlarged) window.resize(1100, 760);
        for (int i = 0; i < 5; ++i) panels[i]->setVisible(i == step - 1);
        const int grown = enlarged ? 150 : 0;
        if (step == 2)
            for (const QListWidget* list : {ui.listExcel, ui.listOnix, ui.listCorresp})
                QVERIFY(list->height() >= 277 + grown && list->width() >= 177 + grown / 4);
        if (step == 5) QVERIFY(ui.memLog->height() >= 245 + grown && ui.memLog->width() >= 609 + grown);
        const QStringList faults = LayoutFaults(*panels[step - 1]);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // Every panel lies between the two rules of the frame.
        QList<int> rules;
        for (const QFrame* frame : window.findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
            if (frame->frameShape() == QFrame::HLine) rules << frame->geometry().top();
        QCOMPARE(rules.size(), 2);
        std::sort(rules.begin(), rules.end());
        QVERIFY(panels[step - 1]->geometry().top() > rules[0] + 1);
        QVERIFY(panels[step - 1]->geometry().bottom() < rules[1]);
    }

    void noStepSharesAnAccessKey_data() { noStepHasOverlappingOrCutOffControls_data(); }

    void noStepSharesAnAccessKey()
    {
        QFETCH(int, step);
        WindowFixture fixture;
        const WindowControls& ui = fixture.ui();
        const QWidget* panels[] = {ui.pn1, ui.pn2, ui.pn3, ui.pn4, ui.pn5};
        QList<QWidget*> controls{ui.btPrev, ui.btNext, ui.btClose};
        controls << AccessKeyControls(*panels[step - 1]);
        QSet<QChar> keys;
        for (const QWidget* control : controls) {
            const auto* button = qobject_cast<const QAbstractButton*>(control);
            const QString text = button ? button->text() : qobject_cast<const QLabel*>(control)->text();
            const QChar key = AccessKeyOf(text);
            // Without a key only when each of its letters is taken.
            if (key.isNull())
                for (const QChar letter : ShownText(text))
                    QVERIFY2(!letter.isLetter() || keys.contains(letter.toLower()), qPrintable(text));
            QVERIFY2(key.isNull() || !keys.contains(key), qPrintable(text));
            keys << key;
        }
    }

    // The question asked during a run as the user meets it: Да and Нет with
    // their letters; Esc answers Нет.
    void stopQuestionBoxHasAccessKeysAndEscapeSaysNo()
    {
        QWidget parent;
        parent.show();
        QtUserDialogs dialogs;
        std::optional<bool> answer;
        dialogs.AskMeanwhile(&parent, Q("Прервать преобразование?"), [&answer](bool yes) { answer = yes; });
        auto* box = parent.findChild<QMessageBox*>();
        QVERIFY(box && box->button(QMessageBox::Yes)->text() == Q("&Да"));
        QCOMPARE(box->button(QMessageBox::No)->text(), Q("&Нет"));
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(answer.has_value());
        QVERIFY(!*answer);
    }

    void keyboardWalksTheWizard()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(fixture.File("book.xlsx"), {{"Артикул", "Название"}, {"A-1", "Книга"}});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), ui.edExcelFile);
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        QTest::keyClick(ui.edExcelFile, Qt::Key_Return);
        QCOMPARE(window.Step(), 2);
        QCOMPARE(QApplication::focusWidget(), ui.listExcel);
        // Enter maps the chosen column to the chosen field; Delete removes
        // the chosen line.
        ui.listExcel->setCurrentRow(0);
        ui.listOnix->setCurrentRow(0);
        QTest::keyClick(ui.listExcel, Qt::Key_Enter);
        QCOMPARE(Items(*ui.listCorresp), QStringList{Q("Артикул = Артикул")});
        ui.listCorresp->setCurrentRow(0);
        QTest::keyClick(ui.listCorresp, Qt::Key_Delete);
        QVERIFY(Items(*ui.listCorresp).isEmpty());
        ui.listOnix->clearSelection();
        QTest::keyClick(ui.listExcel, Qt::Key_Return);
        QCOMPARE(window.Step(), 3);
        QCOMPARE(QApplication::focusWidget(), ui.edFromSAN);
        ui.edFromSAN->setText(QStringLiteral("7701"));
        QTest::keyClick(ui.edFromSAN, Qt::Key_Enter);
        QCOMPARE(window.Step(), 4);
        QCOMPARE(QApplication::focusWidget(), ui.edXMLFile);
        // A focused button takes Enter as its own click.
        ui.btPrev->setFocus();
        QTest::keyClick(ui.btPrev, Qt::Key_Return);
        QCOMPARE(window.Step(), 3);
    }

    void startsOnStepOneWithTheClassicFrame()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        QCOMPARE(window.windowTitle(), Q("Конвертер файлов Excel в ONIX XML (версия 3.0)"));
        QCOMPARE(window.size(), QSize(732, 515));
        QCOMPARE(window.minimumSize(), QSize(732, 515));
        QCOMPARE(window.Step(), 1);
        QCOMPARE(ShownPanel(ui), 1);
        QCOMPARE(ui.lbHeader->text(), Q("Шаг 1"));
        QCOMPARE(ui.lbInfo->text(), Q("Выбор файла Excel"));
        QVERIFY(!ui.btPrev->isEnabled());
        QVERIFY(ui.btNext->isEnabled());
        QCOMPARE(ui.cbDocType->count(), 10);
        QCOMPARE(ui.cbDocType->currentIndex(), 0);
        QCOMPARE(ui.cbDocType->itemText(0), Q("Прайс-лист для книжных товаров"));
        QCOMPARE(ui.cbDocType->itemText(9), Q("Накладная"));
        QVERIFY(!ui.cbDocType->isEditable());
        QCOMPARE(ShownText(ui.btPrev->text()), Q("<< Назад"));
        QCOMPARE(ShownText(ui.btNext->text()), Q("Далее >>"));
        QCOMPARE(ShownText(ui.btClose->text()), Q("Закрыть"));
        QVERIFY(!window.AutoMode());
        QVERIFY(fixture.dialogs().errors.isEmpty());
        // Enlarged, it opens at that size the next time.
        window.show();
        window.resize(790, 580);
        window.close();
        fixture.Recreate({});
        QCOMPARE(fixture.window().size(), QSize(790, 580));
    }

    void stepFiveEnablesBackOnlyAndArmsTheTimer()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        WriteWorkbook(fixture.File("book.xlsx"), {{"Артикул"}, {"A-1"}});
        ui.edExcelFile->setText(fixture.QFile("book.xlsx"));
        ui.btNext->click();
        ui.btNext->click();
        ui.edFromSAN->setText(QStringLiteral("7701"));
        ui.btNext->click();
        ui.edXMLFile->setText(fixture.QFile("out.xml"));
        // No scheme maps the article: every row would fail, and going on is
        // asked first.
        ui.btNext->click();
        QCOMPARE(window.Step(), 4);
        QCOMPARE(fixture.dialogs().questions,
                 QStringList{Q("Поле \"Артикул\" не сопоставлено ни с одним столбцом: каждая строка будет ошибочной, и "
                               "файл не будет сохранен. Продолжить?")});
        fixture.dialogs().confirmAnswers = {true};
        ui.btNext->click();

        QCOMPARE(window.Step(), 5);
        QCOMPARE(ShownPanel(ui), 5);
        QCOMPARE(ui.lbHeader->text(), Q("Заключительный этап"));
        QCOMPARE(ui.lbInfo->text(), Q("Преобразование данных из Excel файла в формат ONIX XML"));
        QVERIFY(!ui.btNext->isEnabled());
        QVERIFY(ui.tmAuto->isActive());
        QCOMPARE(ui.tmAuto->interval(), 100);
        QVERIFY(fixture.WaitForRun());
        QVERIFY(ui.btPrev->isEnabled());
        QVERIFY2(fixture.dialogs().errors.isEmpty(), qPrintable(fixture.dialogs().errors.join('\n')));

        ui.btPrev->click();
        QCOMPARE(window.Step(), 4);
        QVERIFY(ui.btPrev->isEnabled());
        QVERIFY(ui.btNext->isEnabled());
    }

    void leavingStepFiveBeforeTheTimerFiresStartsNothing()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        ui.edFromSAN->setText(QStringLiteral("7701"));
        window.ShowStep(4);
        ui.edXMLFile->setText(fixture.QFile("out.xml"));
        fixture.dialogs().confirmAnswers = {true};
        ui.btNext->click();
        QVERIFY(ui.tmAuto->isActive());
        ui.btPrev->click();
        QVERIFY(!ui.tmAuto->isActive());
        QTest::qWait(150);
        QVERIFY(!window.ConversionRunning());
        QVERIFY(fixture.dialogs().errors.isEmpty());
    }

    void checksShowTheirMessageAndFallBack_data()
    {
        QTest::addColumn<int>("docType");
        QTest::addColumn<int>("fromStep");
        QTest::addColumn<QString>("fromSAN");
        QTest::addColumn<QString>("sentDate");
        QTest::addColumn<QString>("messageNumber");
        QTest::addColumn<QString>("documentReference");
        QTest::addColumn<QString>("expectedError");
        QTest::addColumn<int>("expectedStep");

        const QString none;
        QTest::newRow("no workbook") << 0 << 1 << none << none << none << none << Q("Не выбран файл Excel") << 1;
        QTest::newRow("no sender") << 0 << 3 << none << TodayText() << none << none
                                   << Q("Не заполнены обязательные поля") << 3;
        QTest::newRow("no date") << 0 << 3 << "7701" << none << none << none << Q("Не заполнены обязательные поля")
                                 << 3;
        QTest::newRow("price list needs no invoice number")
            << 0 << 3 << "7701" << TodayText() << none << none << none << 4;
        QTest::newRow("invoice without number")
            << 9 << 3 << "7701" << TodayText() << none << "7" << Q("Не заполнены обязательные поля") << 3;
        QTest::newRow("invoice without order")
            << 9 << 3 << "7701" << TodayText() << "15" << none << Q("Не заполнены обязательные поля") << 3;
        QTest::newRow("invoice complete") << 9 << 3 << "7701" << TodayText() << "15"
                                          << "7" << none << 4;
        QTest::newRow("blanks count as filled") << 9 << 3 << "   "
                                                << " "
                                                << " "
                                                << " " << none << 4;
        QTest::newRow("no output file") << 0 << 4 << "7701" << TodayText() << none << none << Q("Не выбран файл XML")
                                        << 4;
    }

    void checksShowTheirMessageAndFallBack()
    {
        QFETCH(int, docType);
        QFETCH(int, fromStep);
        QFETCH(QString, fromSAN);
        QFETCH(QString, sentDate);
        QFETCH(QString, messageNumber);
        QFETCH(QString, documentReference);
        QFETCH(QString, expectedError);
        QFETCH(int, expectedStep);

        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        ui.cbDocType->setCurrentIndex(docType);
        ui.edMessageNumber->setText(messageNumber);
        ui.edDocumentReference->setText(documentReference);
        if (fromStep >= 3) {
            window.ShowStep(3);
            ui.edFromSAN->setText(fromSAN);
            ui.edSentDate->setText(sentDate);
        }
        if (fromStep == 4) window.ShowStep(4);
        QCOMPARE(window.Step(), fromStep);

        ui.edSentDate->setText(sentDate);
        ui.btNext->click();

        const QStringList expected = expectedError.isEmpty() ? QStringList() : QStringList{expectedError};
        QCOMPARE(fixture.dialogs().errors, expected);
        QCOMPARE(window.Step(), expectedStep);
        QCOMPARE(ShownPanel(ui), expectedStep);
        QCOMPARE(ui.btPrev->isEnabled(), expectedStep > 1);
        // Falling back to step 3 enters it again: today's date once more.
        if (expectedStep == 3) QCOMPARE(ui.edSentDate->text(), TodayText());
    }

    void outputFolderThatIsNotThereIsSaidOnStepFour()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        ui.edFromSAN->setText("7701");
        ui.edSentDate->setText(TodayText());
        window.ShowStep(4);
        ui.edXMLFile->setText(fixture.QFile("no-such-folder/price.xml"));
        ui.btNext->click();
        QCOMPARE(window.Step(), 4);
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QVERIFY2(fixture.dialogs().errors[0].contains(fixture.QFile("no-such-folder/price.xml")),
                 qPrintable(fixture.dialogs().errors[0]));
    }

    void blankWorkbookPathPassesItsCheck()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        ui.edExcelFile->setText(QStringLiteral("   "));
        ui.btNext->click();
        // The check lets it through; reading the workbook then fails and says
        // which file it could not find, once, and under the file field; step
        // 2 is not entered.
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QVERIFY(!fixture.dialogs().errors[0].contains(Q("Не выбран файл Excel")));
        QVERIFY(fixture.dialogs().errors[0].contains(QStringLiteral("\"   \"")));
        QCOMPARE(ui.lbExcelProblem->text(), fixture.dialogs().errors[0]);
        QVERIFY(ui.lbExcelProblem->isVisibleTo(ui.pn1) && !ui.lbExcelNote->isVisibleTo(ui.pn1));
        QCOMPARE(window.Step(), 1);
        QCOMPARE(ShownPanel(ui), 1);
    }

    void closeButtonClosesTheWindow()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui.btClose->click();
        QVERIFY(window.isHidden());
    }
};

REGISTER_WINDOW_TEST(NavigationTest);

#include "NavigationTest.moc"
