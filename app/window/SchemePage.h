#pragma once

#include "app/window/MappingProposals.h"
#include "app/window/PreviewShower.h"
#include "app/window/SchemeKeeper.h"
#include "app/window/SchemeLineEdits.h"
#include "app/window/SupplierLayoutOffer.h"
#include "convert/RunInputs.h"
#include "scheme/SchemeLine.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

class ColumnDragList;
class FieldDropList;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SchemeList;
class WorkbookPage;
struct WizardContext;

// Step 2: the column names of the workbook, the field captions of the
// document type and the correspondence scheme between them.
class SchemePage : public QWidget, private MappingLists {
    Q_OBJECT

public:
    // The workbook, sheet, header row, layout and type are step 1's;
    // `runInputs` gives what a run would take now (the preview reads as it).
    SchemePage(const WizardContext& context, WorkbookPage& workbook, std::function<RunInputs()> runInputs,
               QWidget* parent);

    // Before the lists are loaded for another workbook, sheet, header row,
    // layout or type: false when the user keeps unsaved lines (Отмена).
    bool MayReplaceScheme();
    // Before the window closes: the question for unsaved lines.
    bool SaveUnsavedScheme();
    // On entering the step: the lists loaded, the focus in the column list,
    // and the supplier layout offered when the strict one loses rows.
    void Enter();
    // In the automatic mode: the strict layout leaves part of the sheet out.
    bool StrictLosesRows() const { return FLayoutOffer.StrictLosesRows(); }
    const QString& OtherTypeNote() const { return FKeeper.AutomaticNote(); }
    // The columns, the field captions and the scheme lines.
    void AddRunInputs(RunInputs& inputs) const;

    // What dragging a column over the field list at this point of its
    // client area does: the field under it is chosen; false without a
    // chosen column.
    bool listOnixDragOver(const QPoint& position);
    // Maps the chosen column to the chosen field, as a drop does.
    void listOnixDragDrop();

protected:
    // Enter in the column list maps, Delete in the scheme list removes; a
    // cut-off item shows its whole text over itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The three lists; their labels are returned for their places.
    std::array<QLabel*, 3> BuildLists();
    void BuildActions();
    void PlaceControls(const std::array<QLabel*, 3>& listLabels);
    void LoadFieldLists();
    // The column names of the chosen sheet and header row, alone.
    void LoadColumnNames();
    // What the lists were loaded for.
    QString ListsKey() const;
    std::vector<std::string> ColumnNames() const override;
    int FirstDataRow() const override { return FLayout.FirstDataRow(); }
    SchemeLines CurrentScheme() const override;
    void ShowScheme(const SchemeLines& lines) override;
    void RereadColumns() override;
    void OpenScheme();

    const WizardContext& FContext;
    WorkbookPage& FWorkbook;
    SchemeKeeper FKeeper;
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
    PreviewShower FPreview;
    SupplierLayoutOffer FLayoutOffer;
    MappingProposals FMapping;
    std::optional<SchemeLineEdits> FLineEdits; // made with the scheme list
    RunLayout FLayout;                         // as step 2 last read it; the run takes it as it is

    // What the lists were loaded for: coming back with the same keeps the
    // lines.
    QString FListsKey;
};
