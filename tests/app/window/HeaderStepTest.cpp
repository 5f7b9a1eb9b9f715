// Step 3: the remembered party texts, the sent date and the invoice-only
// controls; the date dialog.

#include "TestRegistry.h"
#include "WindowFixture.h"

#include "app/window/TfmInputDateTime.h"
#include "base/DateTime.h"
#include "settings/IniStore.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <functional>

namespace {

QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// Acts on the date dialog once its modal loop runs.
void WhenDateDialogOpens(std::function<void(TfmInputDateTime&)> action)
{
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<TfmInputDateTime*>(QApplication::activeModalWidget())) {
            action(*dialog);
            return;
        }
        WhenDateDialogOpens(action);
    });
}

double At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    CivilDateTime value;
    value.year = year;
    value.month = month;
    value.day = day;
    value.hour = hour;
    value.minute = minute;
    value.second = second;
    return EncodeDateTime(value);
}

const char* const kPartyKeys[] = {"FromSAN", "FromCompany", "FromPerson", "ToSAN", "ToCompany", "ToPerson"};

QLineEdit* PartyEdit(const WindowControls& ui, int index)
{
    QLineEdit* edits[] = {ui.edFromSAN, ui.edFromCompany, ui.edFromPerson, ui.edToSAN, ui.edToCompany, ui.edToPerson};
    return edits[index];
}

} // namespace

class HeaderStepTest : public QObject {
    Q_OBJECT

private slots:
    void enteringStepThreeLoadsTheSixTextsAndToday()
    {
        WindowFixture fixture;
        for (int i = 0; i < 6; ++i) IniStore::WriteStringParam(kPartyKeys[i], std::string("Значение ") + kPartyKeys[i]);
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        ui.edSentDate->setText(QStringLiteral("01.01.2000 10:00:00"));
        ui.edFromCompany->setText(QStringLiteral("typed"));
        window.ShowStep(3);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(PartyEdit(ui, i)->text(), Q("Значение ") + QString::fromLatin1(kPartyKeys[i]));
        QCOMPARE(ui.edSentDate->text(), TodayText());
        QCOMPARE(ui.lbHeader->text(), Q("Шаг 3"));
    }

    void passingToStepFourStoresTheTextsAndBackShowsThem()
    {
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        const QString texts[] = {"7701", Q("ООО «Книги»"), Q("Иванов И. И."), "", Q("Магазин"), "Petrov"};
        for (int i = 0; i < 6; ++i) PartyEdit(ui, i)->setText(texts[i]);
        ui.btNext->click();
        QCOMPARE(window.Step(), 4);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(QString::fromStdString(IniStore::ReadStringParam(kPartyKeys[i], "-")), texts[i]);

        ui.edFromCompany->setText(QStringLiteral("never stored"));
        ui.btPrev->click();
        QCOMPARE(window.Step(), 3);
        for (int i = 0; i < 6; ++i) QCOMPARE(PartyEdit(ui, i)->text(), texts[i]);
    }

    void failedCheckReloadsTheStoredTexts()
    {
        WindowFixture fixture;
        IniStore::WriteStringParam("FromCompany", "Stored");
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        ui.edFromSAN->clear();
        ui.edFromCompany->setText(QStringLiteral("Typed since"));
        ui.edSentDate->setText(QStringLiteral("02.02.2002"));
        ui.btNext->click();
        QCOMPARE(fixture.dialogs().errors, QStringList{Q("Не заполнены обязательные поля")});
        QCOMPARE(window.Step(), 3);
        QCOMPARE(ui.edFromCompany->text(), QStringLiteral("Stored"));
        QCOMPARE(ui.edSentDate->text(), TodayText());
    }

    // A settings file that could not be read is never written over; each
    // write says why in the error box instead.
    void settingsWithANulByteAreNeverWrittenOver()
    {
        WindowFixture fixture;
        const std::string bytes = std::string("[Params]\r\nFromSAN=1") + '\0' + "\r\n";
        WriteFileBytes(IniStore::GetIniFileName(), bytes);
        emit fixture.ui().cbLayout->activated(1);
        QCOMPARE(fixture.dialogs().errors.size(), 1);
        QVERIFY(fixture.dialogs().errors[0].endsWith(
            Q("не прочитан: в строке 2 нулевой байт (NUL); файл поврежден или это не текст")));
        QCOMPARE(ReadFileBytes(IniStore::GetIniFileName()), bytes);
    }

    void invoiceOnlyControlsFollowTheType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("invoice");
        QTest::newRow("books") << 0 << false;
        QTest::newRow("digital devices") << 3 << false;
        QTest::newRow("calendars") << 8 << false;
        QTest::newRow("invoice") << 9 << true;
    }

    void invoiceOnlyControlsFollowTheType()
    {
        QFETCH(int, type);
        QFETCH(bool, invoice);
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        ui.edMessageNumber->setText(QStringLiteral("15"));
        ui.edDocumentReference->setText(QStringLiteral("7"));
        ui.cbDocType->setCurrentIndex(type);
        window.ShowStep(3);
        for (QWidget* control :
             {static_cast<QWidget*>(ui.edMessageNumber), static_cast<QWidget*>(ui.edDocumentReference),
              static_cast<QWidget*>(ui.lbMessageNumber), static_cast<QWidget*>(ui.lbDocumentReference),
              static_cast<QWidget*>(ui.lbMessageNumberMark), static_cast<QWidget*>(ui.lbDocumentReferenceMark)})
            QCOMPARE(control->isVisibleTo(ui.pn3), invoice);
        QCOMPARE(ShownText(ui.lbMessageNumber->text()), Q("Номер накладной"));
        QCOMPARE(ShownText(ui.lbDocumentReference->text()), Q("На основе Заказа №"));
        QCOMPARE(ui.lbMessageNumberMark->text(), QStringLiteral("*"));

        ui.edFromSAN->setText(QStringLiteral("7701"));
        ui.btNext->click();
        QCOMPARE(window.Step(), 4);
        QCOMPARE(ui.lbInfoNakl->isVisibleTo(ui.pn4), invoice);
        // Hidden or not, the invoice texts are kept.
        QCOMPARE(ui.edMessageNumber->text(), QStringLiteral("15"));
    }

    void dateButtonWritesTheChosenValue_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("withTime");
        QTest::addColumn<QString>("expected");
        QTest::newRow("OK without time") << true << false << "24.05.2024";
        QTest::newRow("OK with 14:30") << true << true << "24.05.2024 14:30:00";
        QTest::newRow("Cancel") << false << true << "before";
    }

    void dateButtonWritesTheChosenValue()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, withTime);
        QFETCH(QString, expected);
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        ui.edSentDate->setText(QStringLiteral("before"));
        QString monthShown;
        WhenDateDialogOpens([&](TfmInputDateTime& dialog) {
            // In Russian whatever the locale the tests run under.
            monthShown = dialog.dtpDate->calendarWidget()->locale().standaloneMonthName(12);
            dialog.dtpDate->setDate(QDate(2024, 5, 24));
            dialog.cbTime->setChecked(withTime);
            dialog.dtpTime->setTime(QTime(14, 30, 0));
            (confirm ? dialog.btOK : dialog.btCancel)->click();
        });
        ui.btSelectDate->click();
        QCOMPARE(ui.edSentDate->text(), expected);
        QCOMPARE(monthShown, QString::fromUtf8("декабрь"));
    }

    void dateButtonStartsFromTheFieldOrToday_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QDate>("shownDate");
        QTest::addColumn<bool>("timeTicked");
        QTest::addColumn<QTime>("shownTime");
        const QDate today = QDate::currentDate();
        QTest::newRow("date and time") << "03.04.2023 9:05" << QDate(2023, 4, 3) << true << QTime(9, 5);
        QTest::newRow("date only") << "03.04.2023" << QDate(2023, 4, 3) << false << QTime(0, 0);
        QTest::newRow("no date at all") << Q("завтра") << today << false << QTime(0, 0);
        QTest::newRow("zero date means today") << "30.12.1899" << today << false << QTime(0, 0);
    }

    void dateButtonStartsFromTheFieldOrToday()
    {
        QFETCH(QString, field);
        QFETCH(QDate, shownDate);
        QFETCH(bool, timeTicked);
        QFETCH(QTime, shownTime);
        WindowFixture fixture;
        TfmQRNMain& window = fixture.window();
        const WindowControls& ui = fixture.ui();
        window.ShowStep(3);
        ui.edSentDate->setText(field);
        QDate date;
        bool ticked = false;
        QTime time;
        WhenDateDialogOpens([&](TfmInputDateTime& dialog) {
            date = dialog.dtpDate->date();
            ticked = dialog.cbTime->isChecked();
            time = dialog.dtpTime->time();
            QCOMPARE(dialog.dtpTime->isEnabled(), ticked);
            dialog.btCancel->click();
        });
        ui.btSelectDate->click();
        QCOMPARE(date, shownDate);
        QCOMPARE(ticked, timeTicked);
        QCOMPARE(time, shownTime);
        QCOMPARE(ui.edSentDate->text(), field);
    }

    void dateDialogLooksAsGiven()
    {
        TfmInputDateTime dialog(Regional::Russian());
        QCOMPARE(dialog.windowTitle(), Q("Ввод даты и времени"));
        QCOMPARE(dialog.size(), QSize(300, 101));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.btOK->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.btCancel->text(), Q("Отмена"));
        QVERIFY(dialog.btOK->isDefault());
        QCOMPARE(dialog.btOK->size(), QSize(77, 25));
        QCOMPARE(dialog.dtpDate->size(), QSize(93, 21));
        QVERIFY(dialog.dtpDate->calendarPopup());
    }

    void editDateTimeReturnsTheValueOnlyOnOK_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("Enter is OK") << int(Qt::Key_Return) << true;
        QTest::newRow("Esc is Cancel") << int(Qt::Key_Escape) << false;
    }

    void editDateTimeReturnsTheValueOnlyOnOK()
    {
        QFETCH(int, key);
        QFETCH(bool, confirmed);
        TfmInputDateTime dialog(Regional::Russian());
        WhenDateDialogOpens([&](TfmInputDateTime& shown) {
            shown.dtpDate->setDate(QDate(2025, 1, 31));
            shown.cbTime->setChecked(true);
            shown.dtpTime->setTime(QTime(23, 59, 58));
            QTest::keyClick(&shown, static_cast<Qt::Key>(key));
        });
        double value = At(2020, 2, 29, 12, 0, 0);
        QCOMPARE(dialog.EditDateTime(value), confirmed);
        QCOMPARE(value, confirmed ? At(2025, 1, 31, 23, 59, 58) : At(2020, 2, 29, 12, 0, 0));
    }
};

REGISTER_WINDOW_TEST(HeaderStepTest);

#include "HeaderStepTest.moc"
