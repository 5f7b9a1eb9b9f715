#include "app/window/HeaderPage.h"

#include "app/window/QtText.h"
#include "app/window/TfmInputDateTime.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "base/DateTime.h"
#include "app/window/WindowTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kPartyFieldCount = 6;
// Inside the frame of a group box, which takes 3 pixels of its own.
constexpr int kGroupMargin = 9;
// Between one labelled field and the next under it.
constexpr int kFieldGap = 14;

// A label over its field, after the mandatory mark when there is one; the
// labels of a column stand in line either way.
QLayout* MarkedLabelOver(QLabel* mark, QLabel* label, QWidget* field, QLayout* fieldRow = nullptr)
{
    auto* caption = new QHBoxLayout;
    caption->setSpacing(1);
    if (mark) caption->addWidget(mark);
    else caption->addSpacing(10);
    caption->addWidget(label);
    label->setBuddy(field);
    auto* pair = new QVBoxLayout;
    pair->setSpacing(1);
    pair->addLayout(caption);
    if (fieldRow) pair->addLayout(fieldRow);
    else pair->addWidget(field);
    return pair;
}

} // namespace

HeaderPage::HeaderPage(const WizardContext& context, QWidget* parent) : QWidget(parent), FContext(context)
{
    setObjectName(QStringLiteral("pn3"));
    const char* const fromNames[3] = {"edFromSAN", "edFromCompany", "edFromPerson"};
    const char* const fromLabels[3] = {QRNConsts::sSANLabel, QRNConsts::sCompanyLabel, QRNConsts::sFromPersonLabel};
    QLineEdit* fromEdits[3];
    QGroupBox* from = NewPartyGroup(QRNConsts::sFromGroup, fromNames, fromLabels, true, fromEdits);
    edFromSAN = fromEdits[0];
    edFromCompany = fromEdits[1];
    edFromPerson = fromEdits[2];
    const char* const toNames[3] = {"edToSAN", "edToCompany", "edToPerson"};
    const char* const toLabels[3] = {QRNConsts::sSANLabel, QRNConsts::sCompanyLabel, QRNConsts::sToPersonLabel};
    QLineEdit* toEdits[3];
    QGroupBox* to = NewPartyGroup(QRNConsts::sToGroup, toNames, toLabels, false, toEdits);
    edToSAN = toEdits[0];
    edToCompany = toEdits[1];
    edToPerson = toEdits[2];
    QGroupBox* message = NewMessageGroup();
    QLabel* legendMark = NewMandatoryMark(this);
    QLabel* legend = NewLabel(this, QRNConsts::sMandatoryLegend);

    // The three groups in the middle, the legend of the marks under them.
    auto* parties = new QHBoxLayout;
    parties->setSpacing(15);
    parties->addWidget(from);
    parties->addWidget(to);
    auto* legendRow = new QHBoxLayout;
    legendRow->setSpacing(3);
    legendRow->addWidget(legendMark);
    legendRow->addWidget(legend);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(112, 0, 112, 0);
    page->setSpacing(0);
    page->addLayout(parties);
    page->addSpacing(6);
    page->addWidget(message);
    page->addSpacing(kFieldGap);
    page->addLayout(legendRow);
    page->addStretch();
}

QGroupBox* HeaderPage::NewPartyGroup(const char* title, const char* const names[3], const char* const labels[3],
                                     bool firstMandatory, QLineEdit* edits[3])
{
    auto* group = new QGroupBox(QStr(title), this);
    group->setFixedWidth(233);
    auto* fields = new QVBoxLayout(group);
    fields->setContentsMargins(kGroupMargin, 4, kGroupMargin, 18);
    fields->setSpacing(kFieldGap);
    for (int row = 0; row < 3; ++row) {
        QLabel* mark = row == 0 && firstMandatory ? NewMandatoryMark(group) : nullptr;
        QLabel* label = NewLabel(group, labels[row]);
        edits[row] = NewEdit(group, names[row]);
        fields->addLayout(MarkedLabelOver(mark, label, edits[row]));
    }
    return group;
}

QGroupBox* HeaderPage::NewMessageGroup()
{
    auto* group = new QGroupBox(this);
    group->setFixedWidth(481);
    lbMessageNumberMark = NewMandatoryMark(group);
    lbMessageNumberMark->setObjectName(QStringLiteral("lbMessageNumberMark"));
    lbMessageNumber = NewLabel(group, QRNConsts::sMessageNumberLabel);
    lbMessageNumber->setObjectName(QStringLiteral("lbMessageNumber"));
    edMessageNumber = NewEdit(group, "edMessageNumber");
    lbDocumentReferenceMark = NewMandatoryMark(group);
    lbDocumentReferenceMark->setObjectName(QStringLiteral("lbDocumentReferenceMark"));
    lbDocumentReference = NewLabel(group, QRNConsts::sDocumentReferenceLabel);
    lbDocumentReference->setObjectName(QStringLiteral("lbDocumentReference"));
    edDocumentReference = NewEdit(group, "edDocumentReference");
    // Hidden for a price list, the invoice's fields keep their place: the
    // date stays where it is.
    for (QWidget* control : {static_cast<QWidget*>(lbMessageNumberMark), static_cast<QWidget*>(lbMessageNumber),
                             static_cast<QWidget*>(edMessageNumber), static_cast<QWidget*>(lbDocumentReferenceMark),
                             static_cast<QWidget*>(lbDocumentReference), static_cast<QWidget*>(edDocumentReference)}) {
        QSizePolicy policy = control->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        control->setSizePolicy(policy);
    }
    QLabel* dateMark = NewMandatoryMark(group);
    QLabel* dateLabel = NewLabel(group, QRNConsts::sSentDateLabel);
    edSentDate = NewEdit(group, "edSentDate");
    btSelectDate = NewEllipsisButton(group, "btSelectDate", nullptr);
    connect(btSelectDate, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { SelectDate(); }); });

    auto* fields = new QGridLayout(group);
    fields->setContentsMargins(kGroupMargin, 8, kGroupMargin, 22);
    fields->setHorizontalSpacing(39);
    fields->setVerticalSpacing(kFieldGap);
    fields->addLayout(MarkedLabelOver(lbMessageNumberMark, lbMessageNumber, edMessageNumber), 0, 0);
    fields->addLayout(MarkedLabelOver(lbDocumentReferenceMark, lbDocumentReference, edDocumentReference), 0, 1);
    fields->addLayout(MarkedLabelOver(dateMark, dateLabel, edSentDate, FieldWithButton(edSentDate, btSelectDate, 1)), 1,
                      0);
    return group;
}

void HeaderPage::Enter(bool invoice)
{
    edSentDate->setText(QStr(FContext.regional.FormatDate(TodayDateTime())));
    for (QWidget* control : {static_cast<QWidget*>(lbMessageNumberMark), static_cast<QWidget*>(lbMessageNumber),
                             static_cast<QWidget*>(edMessageNumber), static_cast<QWidget*>(lbDocumentReferenceMark),
                             static_cast<QWidget*>(lbDocumentReference), static_cast<QWidget*>(edDocumentReference)})
        control->setVisible(invoice);
    LoadHeaderParams();
    edFromSAN->setFocus();
}

bool HeaderPage::Filled(bool invoice) const
{
    return !edFromSAN->text().isEmpty() && !edSentDate->text().isEmpty()
           && (!invoice || (!edMessageNumber->text().isEmpty() && !edDocumentReference->text().isEmpty()));
}

void HeaderPage::SetInvoiceNumbers(const QString& messageNumber, const QString& documentReference)
{
    edMessageNumber->setText(messageNumber);
    edDocumentReference->setText(documentReference);
}

std::pair<const char*, QLineEdit*> HeaderPage::PartyField(int index) const
{
    switch (index) {
    case 0: return {kFromSAN, edFromSAN};
    case 1: return {kFromCompany, edFromCompany};
    case 2: return {kFromPerson, edFromPerson};
    case 3: return {kToSAN, edToSAN};
    case 4: return {kToCompany, edToCompany};
    default: return {kToPerson, edToPerson};
    }
}

void HeaderPage::LoadHeaderParams()
{
    for (int index = 0; index < kPartyFieldCount; ++index) {
        const auto [key, edit] = PartyField(index);
        SetTextFromStart(*edit, QStr(IniStore::ReadStringParam(key, "")));
    }
}

void HeaderPage::SaveHeaderParams() const
{
    for (int index = 0; index < kPartyFieldCount; ++index) {
        const auto [key, edit] = PartyField(index);
        IniStore::WriteStringParam(key, StdStr(edit->text()));
    }
}

void HeaderPage::SelectDate()
{
    double value = FContext.regional.ParseDateTime(StdStr(edSentDate->text())).value_or(TodayDateTime());
    TfmInputDateTime dialog(FContext.regional, &FContext.window);
    if (!dialog.EditDateTime(value)) return;
    edSentDate->setText(QStr(FContext.regional.FormatDateTime(value)));
    FocusNextInput(*btSelectDate);
}

void HeaderPage::AddRunInputs(RunInputs& inputs) const
{
    inputs.fromSAN = StdStr(edFromSAN->text());
    inputs.fromCompany = StdStr(edFromCompany->text());
    inputs.fromPerson = StdStr(edFromPerson->text());
    inputs.toSAN = StdStr(edToSAN->text());
    inputs.toCompany = StdStr(edToCompany->text());
    inputs.toPerson = StdStr(edToPerson->text());
    inputs.messageNumber = StdStr(edMessageNumber->text());
    inputs.documentReference = StdStr(edDocumentReference->text());
    inputs.sentDate = StdStr(edSentDate->text());
}
