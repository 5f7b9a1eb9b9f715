#pragma once

#include "app/window/WizardContext.h"
#include "app/window/WorkbookPage.h"
#include "catalogue/DocumentTypes.h"
#include "convert/RunInputs.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class HeaderPage;
class OutputPage;
class QHelpEvent;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class RunPage;
class SchemePage;
class UserDialogs;

// The wizard window: five steps from the workbook to the XML file, a page
// each. The wizard owns the walk between them (Back, Next, Close) and the
// automatic mode; each step repeats its loading work whenever it is entered,
// and entering step 5 starts a conversion through the one-shot timer tmAuto.
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
    void SetCommandLineSheet(const QString& sheet, int headerRow);
    // For the command line: "--layout supplier" or "strict"; not remembered.
    void SetCommandLineLayout(bool supplier);

    // The timer's handler: starts the conversion of what the steps hold,
    // unless one goes on.
    void tmAutoTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc during a run asks whether to stop it, as closing does; Enter goes
    // on to the next step.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The header band, the steps' pages between two rules, and the buttons.
    void BuildFrame();
    QWidget* BuildHeaderBand();
    // The Alt-letter keys of each step's buttons and labels.
    void AssignAccessKeys();

    void FormCreate(const QStringList& parameters);
    void FormShow();
    bool AppShowHint(QObject* watched, QHelpEvent* event);
    void SetStepTexts(const char* title, const char* info);
    TDocumentType DocumentType() const;
    void btNextClick();
    void btPrevClick();
    // Step 4 on "Далее >>": the question before every row fails.
    bool AcceptCriticalFields();
    RunInputs CollectRunInputs() const;
    void ConversionFinished();
    // "Прервать преобразование?" while the run goes on; Да stops it, and
    // then closes the window when the close box asked.
    void AskToStopConversion(bool thenClose);

    WizardContext FContext;
    QLabel* lbHeader;
    QLabel* lbInfo;
    QPushButton* btPrev;
    QPushButton* btNext;
    QPushButton* btClose;
    QTimer* tmAuto;
    WorkbookPage* FWorkbookPage;
    SchemePage* FSchemePage;
    HeaderPage* FHeaderPage;
    OutputPage* FOutputPage;
    RunPage* FRunPage;
    int FStep = 1;
    bool FHintHandlerInstalled = false;
    bool FCloseRequested = false;
    bool FStopQuestionUp = false;
    // In the automatic mode: the field without which every row fails, said
    // in the log after the run.
    QString FCriticalFieldNote;
};
