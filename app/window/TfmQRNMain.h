#pragma once

#include "app/window/CriticalFieldCheck.h"
#include "app/window/FocusKeepingDialogs.h"
#include "app/window/WizardContext.h"
#include "app/window/WorkbookPage.h"
#include "catalogue/DocumentTypes.h"
#include "convert/RunInputs.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class HeaderPage;
class OutputPage;
class QKeyEvent;
class QPushButton;
class RunPage;
class SchemePage;
class StepTitleBand;
class UserDialogs;

// The wizard window: five steps from the workbook to the XML file, a page
// each. The wizard owns the walk between them (Back, Next, Close) and the
// automatic mode; each step repeats its loading work whenever it is entered,
// and entering step 5 starts a conversion a moment later.
// Started with three to five parameters it walks itself to step 5 when first
// shown.
class TfmQRNMain : public QWidget {
    Q_OBJECT

public:
    // `parameters` are the positional command-line parameters.
    TfmQRNMain(const Regional& regional, UserDialogs& dialogs, const QStringList& parameters,
               QWidget* parent = nullptr);
    ~TfmQRNMain() override;

    int Step() const { return FStep; }
    bool AutoMode() const { return FContext.autoMode; }
    bool ConversionRunning() const;

    // The step switch: every move between steps goes through here.
    void ShowStep(int step);

    // For the automatic mode: the sheet (a position or a name) and the
    // header row the command line gave, kFindHeaderRow for "auto".
    static constexpr int kFindHeaderRow = WorkbookPage::kFindHeaderRow;
    void SetCommandLineSheet(const QString& sheet, int headerRow)
    {
        FWorkbookPage->SetCommandLineSheet(sheet, headerRow);
    }
    // For the command line: "--layout supplier" or "strict"; not remembered.
    void SetCommandLineLayout(bool supplier) { FWorkbookPage->SetCommandLineLayout(supplier); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc during a run asks whether to stop it, as closing does; Enter goes
    // on to the next step.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The title band, the steps' pages between two rules, and the buttons.
    void BuildFrame();

    void FormCreate(const QStringList& parameters);
    void FormShow();
    // The steps' pages in their order.
    std::array<QWidget*, 5> Pages() const;
    void btNextClick();
    void btPrevClick();
    // Before a step is shown: what the steps before it must hold; false,
    // after saying why, falls back a step.
    bool MayEnter(int step);
    RunInputs CollectRunInputs() const;
    void ConversionFinished();

    FocusKeepingDialogs FDialogs;
    WizardContext FContext;
    StepTitleBand* FTitleBand;
    QPushButton* btPrev;
    QPushButton* btNext;
    QPushButton* btClose;
    WorkbookPage* FWorkbookPage;
    SchemePage* FSchemePage;
    HeaderPage* FHeaderPage;
    OutputPage* FOutputPage;
    RunPage* FRunPage;
    CriticalFieldCheck FCriticalFields;
    int FStep = 1;
};
