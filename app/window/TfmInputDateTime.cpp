#include "app/window/TfmInputDateTime.h"

#include "app/window/QtText.h"
#include "app/window/WindowTexts.h"
#include "base/DateTime.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimeEdit>

namespace {

QDate DateOf(const CivilDateTime& value)
{
    return QDate(value.year, value.month, value.day);
}

QTime TimeOf(const CivilDateTime& value)
{
    return QTime(value.hour, value.minute, value.second);
}

constexpr int kDialogWidth = 300;
// Where the controls, laid out for a width of 242, start.
constexpr int kLeft = (kDialogWidth - 242) / 2;

} // namespace

TfmInputDateTime::TfmInputDateTime(const Regional& regional, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStr(QRNConsts::sDateDialogTitle));
    // Wide enough for the title beside the frame's icon and buttons; the
    // controls keep their sizes, centred.
    setFixedSize(kDialogWidth, 101);
    // Only the close box beside the title.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    lbPrompt = new QLabel(QStr(QRNConsts::sDateDialogPrompt), this);
    lbPrompt->setGeometry(kLeft + 8, 8, 226, 16);

    dtpDate = new QDateEdit(this);
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setGeometry(kLeft + 8, 30, 93, 21);
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStr(regional.shortDateFormat));
    // Month and day names in Russian, as every other word of the window,
    // whatever the locale the program was started under.
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    dtpDate->setLocale(russian);
    dtpDate->calendarWidget()->setLocale(russian);

    cbTime = new QCheckBox(this);
    cbTime->setObjectName(QStringLiteral("cbTime"));
    cbTime->setGeometry(kLeft + 117, 30, 18, 21);

    dtpTime = new QTimeEdit(this);
    dtpTime->setObjectName(QStringLiteral("dtpTime"));
    dtpTime->setGeometry(kLeft + 135, 30, 93, 21);
    dtpTime->setDisplayFormat(QStr(regional.longTimeFormat));
    dtpTime->setLocale(russian);
    connect(cbTime, &QCheckBox::toggled, dtpTime, &QWidget::setEnabled);

    btOK = new QPushButton(QStr(QRNConsts::sOK), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setGeometry(kLeft + 39, 68, 77, 25);
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);

    btCancel = new QPushButton(QStr(QRNConsts::sCancel), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(kLeft + 126, 68, 77, 25);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmInputDateTime::ShowValue(double value)
{
    if (value == 0) value = TodayDateTime();
    const CivilDateTime parts = DecodeDateTime(RoundToSecond(value));
    dtpDate->setDate(DateOf(parts));
    const QTime time = TimeOf(parts);
    dtpTime->setTime(time);
    cbTime->setChecked(time != QTime(0, 0));
    dtpTime->setEnabled(cbTime->isChecked());
}

double TfmInputDateTime::ChosenValue() const
{
    const QDate date = dtpDate->date();
    CivilDateTime value;
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    if (cbTime->isChecked()) {
        const QTime time = dtpTime->time();
        value.hour = time.hour();
        value.minute = time.minute();
        value.second = time.second();
    }
    return EncodeDateTime(value);
}

bool TfmInputDateTime::EditDateTime(double& value)
{
    ShowValue(value);
    if (exec() != QDialog::Accepted) return false;
    value = ChosenValue();
    return true;
}
