#pragma once

#include "base/Regional.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

// The small date and time dialog of step 3: a date picker and a time picker
// whose check box says whether the value has a time of day at all.
class TfmInputDateTime : public QDialog {
    Q_OBJECT

public:
    // The pickers show the regional short date and long time.
    explicit TfmInputDateTime(const Regional& regional, QWidget* parent = nullptr);

    // Shows the dialog modally on `value` (days since 30.12.1899; the zero date
    // means today). On OK returns true and leaves the chosen date, plus the
    // time of day when its box is ticked, in `value`; otherwise returns false
    // and leaves `value` alone.
    bool EditDateTime(double& value);

    // The two halves of EditDateTime around the modal loop.
    void ShowValue(double value);
    double ChosenValue() const;

    QLabel* lbPrompt;
    QDateEdit* dtpDate;
    QCheckBox* cbTime;
    QTimeEdit* dtpTime;
    QPushButton* btOK;
    QPushButton* btCancel;
};
