#pragma once

#include "app/window/WindowWorker.h"
#include "app/window/WizardContext.h"
#include "convert/RunInputs.h"
#include "base/Regional.h"
#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"
#include "workbook/SheetChoice.h"

#include <QWidget>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ColumnDragList;
class FieldDropList;
class QAction;
class QComboBox;
class QSpinBox;
class QGroupBox;
class QHelpEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class HeaderPage;
class OutputPage;
class RunPage;
class WorkbookPage;
class SchemeList;
class UserDialogs;

// The wizard window: five steps from the workbook to the XML file. It holds
// every input in its controls; each step repeats its loading work whenever it
// is entered, and entering step 5 starts a conversion through the one-shot
// timer tmAuto. Started with three to five parameters it walks itself to
// step 5 when first shown.
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

    void btNextClick();
    void btPrevClick();
    void btCloseClick();

    // For the automatic mode: the sheet (a position or a name) and the
    // header row the command line gave, kFindHeaderRow for "auto".
    static constexpr int kFindHeaderRow = -1;
    void SetCommandLineSheet(const QString& sheet, int headerRow);
    // For the command line: "--layout supplier" or "strict"; not remembered.
    void SetCommandLineLayout(bool supplier);

    // Step 2.
    void LoadFieldLists();
    // Offers the supplier layout when the strict one would leave out part of
    // the sheet, judged on the worker.
    void OfferSupplierLayout();
    // The column names of the chosen sheet and header row, alone.
    void LoadColumnNames();
    // The first data rows the automatic mapping looks at; none when they
    // cannot be read.
    std::vector<std::vector<std::string>> MappingRows() const;
    // Shows the first data rows as the conversion will read them.
    void btPreviewClick();
    bool listOnixDragOver(const QPoint& position);
    void listOnixDragDrop();
    void actCorrespClearExecute();
    void actCorrespAutoExecute();
    // Proposes the mappings of the columns (and these first data rows) and
    // adds the ones the user checks.
    void ProposeAndAddMappings(const std::vector<std::vector<std::string>>& rows);
    void actCorrespDelExecute();
    void actCorrespSaveExecute();
    void actCorrespOpenExecute();

    // Step 5.
    void StartConversion();
    void tmAutoTimer();

    // Header band.
    QWidget* pnHeader;
    QLabel* lbHeader;
    QLabel* lbInfo;
    QLabel* imgHeader;
    QWidget* pn1;
    QWidget* pn2;
    QWidget* pn3;
    QWidget* pn4;
    QWidget* pn5;
    QPushButton* btPrev;
    QPushButton* btNext;
    QPushButton* btClose;

    // Step 2.
    ColumnDragList* listExcel;
    FieldDropList* listOnix;
    SchemeList* listCorresp;
    QAction* actCorrespClear;
    QAction* actCorrespAuto;
    QAction* actCorrespDel;
    QAction* actCorrespSave;
    QAction* actCorrespOpen;
    QPushButton* btClearCorresp;
    QPushButton* btAutoCorresp;
    QPushButton* btSaveCorresp;
    QPushButton* btOpenCorresp;
    QPushButton* btPreview;
    QMenu* pmCorresp;

    // Step 5.
    QTimer* tmAuto;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc during a run asks whether to stop it, as closing does.
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    // The Alt-letter keys of each step's buttons and labels.
    void AssignAccessKeys();
    // Enter in the column list maps, Delete in the scheme list removes.
    bool ListKeyPressed(QObject* watched, QEvent* event);
    void BuildStep2();

    void FormCreate(const QStringList& parameters);
    void FormShow();
    bool AppShowHint(QObject* watched, QHelpEvent* event);

    void SetStepTexts(const char* title, const char* info);
    // The scheme of step 2 and what it was loaded for: the workbook, sheet,
    // header row, layout and type. Coming back with the same keeps the lines.
    QString ListsKey() const;
    bool SchemeUnsaved() const;
    // Before unsaved lines are replaced: "Сохранить схему соответствия
    // полей?"; false for Отмена (also for a save dialog cancelled after Да).
    bool SaveUnsavedScheme();
    // Saves the lines under the type's remembered path; false when cancelled.
    bool SaveScheme(TDocumentType type);
    // Marks the lines whose column the workbook lacks.
    void MarkDeadSchemeLines();

    // Step 4 on "Далее >>": the question before every row fails.
    bool AcceptCriticalFields();
    TDocumentType DocumentType() const;
    SchemeLines CurrentScheme() const;
    void ShowScheme(const SchemeLines& lines);
    RunInputs CollectRunInputs() const;
    void ConversionFinished();
    // "Прервать преобразование?" while the run goes on; Да stops it, and
    // then closes the window when the close box asked.
    void AskToStopConversion(bool thenClose);

    WizardContext FContext;
    HeaderPage* FHeaderPage;
    OutputPage* FOutputPage;
    RunPage* FRunPage;
    WorkbookPage* FWorkbookPage;
    // Reads the preview's rows.
    WindowWorker FPreviewWorker;
    // Judges whether the strict layout loses rows.
    WindowWorker FLayoutWorker;
    // Reads the rows the automatic mapping looks at.
    WindowWorker FMappingWorker;
    // The first data row of the columns listed on step 2 (0: under the
    // header row).
    int FFirstDataRow = 0;
    // In the automatic mode: the strict layout leaves part of the sheet out,
    // which the log says after the run.
    bool FStrictLosesRows = false;
    int FStep = 1;
    bool FHintHandlerInstalled = false;
    bool FCloseRequested = false;
    bool FStopQuestionUp = false;
    // The file names the open and save dialogs start with: those of their
    // last use, as the window's two dialogs are shared by the scheme and log
    // actions.
    // The sheet chosen on step 1, as the runs take it: "" for the first when
    // the user left the list at it.
    SheetChoice ChosenSheet() const;
    SheetLayout Layout() const;

    QString FSaveDialogFileName;
    // What the lists of step 2 were loaded for, the type of their scheme, and
    // the lines last saved, opened or loaded.
    QString FListsKey;
    TDocumentType FListsType = 0;
    SchemeLines FSchemeBaseline;
    // In the automatic mode: the field without which every row fails, said
    // in the log after the run.
    QString FCriticalFieldNote;
};
