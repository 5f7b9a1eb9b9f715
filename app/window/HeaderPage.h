#pragma once

#include "convert/RunInputs.h"

#include <QWidget>

#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct WizardContext;

// Step 3: the message header. The six party texts are remembered in the
// settings; the sent date starts at today on every entry; the invoice's
// number and order show for the invoice alone.
class HeaderPage : public QWidget {
public:
    HeaderPage(const WizardContext& context, QWidget* parent);

    // On entering the step: today's date, the invoice's own fields for the
    // invoice only, the party texts as last stored; the sender's id takes
    // the focus.
    void Enter(bool invoice);
    // The mandatory fields hold text (blanks count): the sender's id and the
    // date, for the invoice also its number and order.
    bool Filled(bool invoice) const;
    // Stores the party texts, on passing to step 4.
    void SaveHeaderParams() const;
    // The invoice's number and order the command line gives.
    void SetInvoiceNumbers(const QString& messageNumber, const QString& documentReference);
    void AddRunInputs(RunInputs& inputs) const;

private:
    QGroupBox* NewPartyGroup(const char* title, const char* const names[3], const char* const labels[3],
                             bool firstMandatory, QLineEdit* edits[3]);
    QGroupBox* NewMessageGroup();
    void LoadHeaderParams();
    // The party fields with their settings keys, in the order they are read
    // and written.
    std::pair<const char*, QLineEdit*> PartyField(int index) const;
    void SelectDate();

    const WizardContext& FContext;
    QLineEdit* edFromSAN;
    QLineEdit* edFromCompany;
    QLineEdit* edFromPerson;
    QLineEdit* edToSAN;
    QLineEdit* edToCompany;
    QLineEdit* edToPerson;
    QLineEdit* edMessageNumber;
    QLineEdit* edDocumentReference;
    QLineEdit* edSentDate;
    QPushButton* btSelectDate;
    QLabel* lbMessageNumber;
    QLabel* lbDocumentReference;
    QLabel* lbMessageNumberMark;
    QLabel* lbDocumentReferenceMark;
};
