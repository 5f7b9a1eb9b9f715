#pragma once

#include <QWidget>

class QLabel;

// The white band at the top of the wizard that names the step: its title,
// its description set in under it, and the program's picture at the right.
class StepTitleBand : public QWidget {
public:
    explicit StepTitleBand(QWidget* parent);

    void SetTexts(const char* title, const char* info);

private:
    QLabel* lbHeader;
    QLabel* lbInfo;
};
