#pragma once

#include "app/window/HeaderRowField.h"
#include "app/window/OpenedWorkbook.h"
#include "app/window/QtText.h"
#include "convert/RunInputs.h"

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct WizardContext;

// Step 1: the workbook, the document type, and where the column names are:
// the sheet, the header row and the layout of the rows under it.
class WorkbookPage : public QWidget {
public:
    WorkbookPage(const WizardContext& context, QWidget* parent);

    QString WorkbookPath() const;
    // The workbook the command line names, as it names it.
    void SetWorkbookPath(const QString& path);
    // "Open with" on a workbook: chosen, its sheets listed.
    void OpenWith(const QString& path);
    // Lists the sheets of the workbook in the path field, choosing the first
    // and the header row a new workbook starts with (HeaderRowField), unless
    // it is the workbook listed already (its choice stays).
    void WorkbookChosen();
    // Step 2 is entered only with a workbook that reads; false after saying
    // why not.
    bool WorkbookReadable();
    // On "Далее >>": a workbook chosen, listed and (outside the automatic
    // mode, whose walk ends at the reading's own error) read; false after
    // saying why not.
    bool AcceptWorkbook();

    // For the automatic mode: the sheet (a position or a name) and the
    // header row the command line gave, kFindHeaderRow for "auto".
    static constexpr int kFindHeaderRow = -1;
    void SetCommandLineSheet(const QString& sheet, int headerRow);
    // For the command line: "--layout supplier" or "strict"; not remembered.
    void SetCommandLineLayout(bool supplier);
    // The type at this position of the list; -1 selects none.
    void SelectDocumentType(TDocumentType type);

    // No selection reads as 255, which every catalogue function refuses.
    TDocumentType DocumentType() const;
    // The sheet chosen, as the runs take it: "" for the first when the user
    // left the list at it.
    SheetChoice ChosenSheet() const;
    // The row the sheet is read at: for "авто" the one found (HeaderRowField).
    int HeaderRow() { return FHeaderRow.Row(); }
    void SetHeaderRow(int row) { FHeaderRow.Set(row); }
    SheetLayout Layout() const;
    // The supplier layout, taken when step 2 offers it; remembered.
    void ChooseSupplierLayout();

    // On entering the step: the focus in the path field.
    void Enter();
    // Once the window is up: what keeps the workbook from being read, in
    // the error box unless it has said so already.
    void SayWorkbookProblem();
    void AddRunInputs(RunInputs& inputs) const;
    // The chosen workbook, opened once for every read of it (OpenedWorkbook).
    std::shared_ptr<const RunWorkbook> Workbook() { return FOpened.At(StdStr(WorkbookPath())); }
    bool ReopenIfChanged() { return FOpened.ReopenIfChanged(StdStr(WorkbookPath())); }

private:
    void SelectExcelFile();
    // A settings file that cannot be written, or may not be (it could not
    // be read), keeps the layout unremembered and says so in the error box.
    void RememberLayout(bool supplier) const;
    // Lists the workbook's sheets; what keeps it from being read is said
    // under the file field, and in the error box when `report`.
    std::vector<SheetEntry> ListSheets(bool report);

    const WizardContext& FContext;
    QLineEdit* edExcelFile;
    // Under the file field: the note, or in its place what keeps the
    // workbook from being read.
    QLabel* lbExcelNote;
    QLabel* lbExcelProblem;
    QPushButton* btSelectExcelFile;
    QComboBox* cbDocType;
    QComboBox* cbSheet;
    QComboBox* cbLayout;
    // The file the open dialog starts with: the one chosen in it last.
    QString FOpenDialogFileName;
    // The workbook whose sheets cbSheet lists; whether the user picked one;
    // the sheet the command line asked for, and for which workbook.
    QString FSheetsOf;
    bool FSheetPicked = false;
    QString FCommandLineSheet;
    QString FCommandLineWorkbook;
    // What keeps the workbook in the path field from being read ("" when it
    // reads), and whether the error box has said it since.
    QString FWorkbookProblem;
    bool FWorkbookProblemShown = false;
    OpenedWorkbook FOpened;
    HeaderRowField FHeaderRow;
};
