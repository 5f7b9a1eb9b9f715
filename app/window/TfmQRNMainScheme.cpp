// Step 2: the column names of the workbook, the field captions of the document
// type and the correspondence scheme between them.

#include "app/window/ListBoxes.h"
#include "app/window/QtText.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/UserDialogs.h"
#include "app/window/WorkbookPage.h"
#include "base/MessageFormat.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/QRNConsts.h"
#include "convert/ReadWorkbook.h"
#include "convert/RunPreview.h"
#include "convert/WriteGuard.h"
#include "scheme/AutoMapping.h"
#include "scheme/ColumnLookup.h"
#include "scheme/HeaderRow.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <filesystem>

namespace {

// Reading a large workbook takes a moment; the pointer says so.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool IsExistingFile(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

QListWidgetItem* SelectedItem(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

// A scheme line whose column the workbook lacks.
const QColor kDeadLineColour(0xC0, 0x00, 0x00);

} // namespace

SchemeLines TfmQRNMain::CurrentScheme() const
{
    return ItemTexts(*listCorresp);
}

void TfmQRNMain::ShowScheme(const SchemeLines& lines)
{
    ShowItemTexts(*listCorresp, lines);
    // New lines: no line the user chose among the old ones stays chosen, so
    // "Удалить" cannot remove a line nobody picked.
    listCorresp->clearSelection();
    listCorresp->setCurrentRow(-1);
    MarkDeadSchemeLines();
}

void TfmQRNMain::MarkDeadSchemeLines()
{
    const std::vector<std::string> columns = ItemTexts(*listExcel);
    for (int row = 0; row < listCorresp->count(); ++row) {
        QListWidgetItem& line = *listCorresp->item(row);
        const std::vector<std::string> missing = SchemeColumnsMissing({ItemText(line)}, columns);
        line.setForeground(missing.empty() ? listCorresp->palette().text() : QBrush(kDeadLineColour));
        line.setToolTip(missing.empty()
                            ? QString()
                            : QShown(FormatMessage(QRNConsts::sSchemeLineColumnMissing, {missing.front()})));
    }
}

QString TfmQRNMain::ListsKey() const
{
    return QStringList{FWorkbookPage->WorkbookPath(), QStr(ChosenSheet()), QString::number(FWorkbookPage->HeaderRow()),
                       QString::number(static_cast<int>(Layout())), QString::number(DocumentType())}
        .join(QLatin1Char('\n'));
}

bool TfmQRNMain::SchemeUnsaved() const
{
    return CurrentScheme() != FSchemeBaseline;
}

bool TfmQRNMain::SaveUnsavedScheme()
{
    if (FContext.autoMode || !SchemeUnsaved()) return true;
    const std::optional<bool> save = FContext.dialogs.ConfirmOrCancel(this, QStr(QRNConsts::sAskSaveScheme));
    if (!save) return false;
    if (!*save) return true;
    // A save that fails keeps the lines as a cancelled one does.
    bool saved = false;
    FContext.Guarded([&] { saved = SaveScheme(FListsType); });
    return saved;
}

void TfmQRNMain::LoadColumnNames()
{
    const WaitCursor waiting;
    listExcel->clear();
    FFirstDataRow = 0;
    WorkbookColumns columns = ReadWorkbookColumns(StdStr(FWorkbookPage->WorkbookPath()), FContext.regional,
                                                  ChosenSheet(), FWorkbookPage->HeaderRow(), Layout(), true);
    ShowItemTexts(*listExcel, columns.names);
    MarkDeadSchemeLines();
    // Marked for the eye only: the item keeps the name the scheme uses.
    for (std::size_t column = 0; column < columns.hidden.size(); ++column) {
        if (!columns.hidden[column]) continue;
        QListWidgetItem& item = *listExcel->item(static_cast<int>(column));
        item.setText(item.text() + QStr(QRNConsts::sHiddenColumnMark));
        item.setForeground(listExcel->palette().brush(QPalette::Disabled, QPalette::Text));
    }
    FFirstDataRow = columns.firstDataRow;
}

void TfmQRNMain::OfferSupplierLayout()
{
    FStrictLosesRows = false;
    if (Layout() == SheetLayout::Supplier) return;
    if (FContext.autoMode) {
        // Nobody to ask: the log says it after the run.
        try {
            FStrictLosesRows = StrictLayoutLosesRows(StdStr(FWorkbookPage->WorkbookPath()), FContext.regional,
                                                     ChosenSheet(), FWorkbookPage->HeaderRow());
        } catch (const std::exception&) {
            // The run says what is wrong with the workbook.
        }
        return;
    }
    const QString workbook = FWorkbookPage->WorkbookPath();
    const SheetChoice sheet = ChosenSheet();
    const int headerRow = FWorkbookPage->HeaderRow();
    FLayoutWorker.Start(
        [this, workbook, sheet, headerRow](const StopRequest&) -> WindowWorker::Continuation {
            if (!StrictLayoutLosesRows(StdStr(workbook), FContext.regional, sheet, headerRow)) return [] {};
            return [this, workbook, sheet, headerRow] {
                // Only for the sheet still shown, read as it was judged.
                if (FStep != 2 || Layout() != SheetLayout::Strict || FWorkbookPage->WorkbookPath() != workbook
                    || ChosenSheet() != sheet || FWorkbookPage->HeaderRow() != headerRow)
                    return;
                if (!FContext.dialogs.Confirm(this, QStr(QRNConsts::sSupplierLayoutQuestion))) return;
                FWorkbookPage->ChooseSupplierLayout();
                FListsKey = ListsKey();
                FContext.Guarded([this] { LoadColumnNames(); });
            };
        },
        // Step 2 has said what is wrong with the workbook.
        [](const QString&) {});
}

void TfmQRNMain::LoadFieldLists()
{
    LoadColumnNames();
    // The catalogue refuses an invalid type before anything is replaced, so
    // the field list and the scheme keep what they held.
    std::vector<std::string> captions;
    FillFieldsListBox(captions, DocumentType());
    listOnix->clear();
    listOnix->addItems(QStrList(captions));
    // Back on the same sheet of the same workbook for the same type (from
    // step 3, say): the lines stay as the user left them.
    if (ListsKey() == FListsKey) return;
    FListsKey = ListsKey();
    FListsType = DocumentType();
    listCorresp->clear();
    FSchemeBaseline.clear();
    const std::string remembered = IniStore::ReadStringParam(GetCorrespondenceParamName(DocumentType()), "");
    if (remembered.empty() || !IsExistingFile(remembered)) return;
    // A remembered file that is no scheme is said; the path stays
    // remembered, and the scheme starts empty.
    FContext.Guarded([&] {
        FSchemeBaseline = ReadSchemeFile(remembered);
        ShowScheme(FSchemeBaseline);
    });
}

void TfmQRNMain::btPreviewClick()
{
    // The rows are read on the worker: the window stays responsive, and
    // closing it stops the reading.
    RunInputs inputs = CollectRunInputs();
    const auto done = [this] {
        btPreview->setEnabled(true);
        unsetCursor();
    };
    if (!FPreviewWorker.Start(
            [this, inputs = std::move(inputs), done](const StopRequest& stop) mutable -> WindowWorker::Continuation {
                inputs.stop = stop;
                return [this, done, preview = PreviewRun(inputs)] {
                    done();
                    FContext.dialogs.ShowPreview(this, preview);
                };
            },
            [this, done](const QString& failure) {
                done();
                FContext.dialogs.ShowError(this, failure);
            }))
        return;
    btPreview->setEnabled(false);
    setCursor(Qt::BusyCursor);
}

bool TfmQRNMain::listOnixDragOver(const QPoint& position)
{
    if (!SelectedItem(*listExcel)) return false;
    const QListWidgetItem* under = listOnix->itemAt(position);
    int index = under ? listOnix->row(under) : -1;
    // Holding the pointer at an edge moves the selection, and with it the
    // visible part of the list, one line per drag-over.
    if (index != -1 && position.y() > listOnix->viewport()->height() - 5 && index < listOnix->count() - 1) ++index;
    if (position.y() < 5 && index > 0) --index;
    if (index == -1) {
        listOnix->clearSelection();
        listOnix->setCurrentRow(-1);
    } else {
        listOnix->setCurrentRow(index);
        listOnix->scrollToItem(listOnix->item(index));
    }
    return true;
}

void TfmQRNMain::listOnixDragDrop()
{
    const QListWidgetItem* field = SelectedItem(*listOnix);
    const QListWidgetItem* column = SelectedItem(*listExcel);
    if (!field || !column) return;
    const std::string caption = ItemText(*field);
    SchemeLines lines = CurrentScheme();
    DropColumnOnField(lines, caption, ItemText(*column));
    ShowScheme(lines);
    if (const int row = FindSchemeLine(lines, caption); row >= 0) listCorresp->scrollToItem(listCorresp->item(row));
}

bool TfmQRNMain::ListKeyPressed(QObject* watched, QEvent* event)
{
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == listCorresp && key == Qt::Key_Delete) {
        FContext.Guarded([this] { actCorrespDelExecute(); });
        return true;
    }
    // Enter maps the chosen column to the chosen field, as dropping it
    // there does; with no field chosen it goes on to the next step.
    if (watched == listExcel && (key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedItem(*listOnix)
        && SelectedItem(*listExcel)) {
        FContext.Guarded([this] { listOnixDragDrop(); });
        return true;
    }
    return false;
}

void TfmQRNMain::actCorrespClearExecute()
{
    listCorresp->clear();
}

std::vector<std::vector<std::string>> TfmQRNMain::MappingRows() const
{
    const WaitCursor waiting;
    try {
        return ReadMappingRows(StdStr(FWorkbookPage->WorkbookPath()), FContext.regional, ChosenSheet(),
                               FFirstDataRow > 0 ? FFirstDataRow : FWorkbookPage->HeaderRow() + 1);
    } catch (const std::exception&) {
        // Step 2 has said what is wrong with the workbook; the names alone
        // still map.
        return {};
    }
}

void TfmQRNMain::actCorrespAutoExecute()
{
    // The first data rows are read on the worker: the window stays
    // responsive, and the proposals come when they are there.
    const QString workbook = FWorkbookPage->WorkbookPath();
    const SheetChoice sheet = ChosenSheet();
    const int firstRow = FFirstDataRow > 0 ? FFirstDataRow : FWorkbookPage->HeaderRow() + 1;
    const Regional regional = FContext.regional;
    FMappingWorker.Start(
        [this, workbook, sheet, firstRow, regional](const StopRequest&) -> WindowWorker::Continuation {
            std::vector<std::vector<std::string>> rows;
            try {
                rows = ReadMappingRows(StdStr(workbook), regional, sheet, firstRow);
            } catch (const std::exception&) {
                // Step 2 has said what is wrong with the workbook; the names
                // alone still map.
            }
            return [this, workbook, rows = std::move(rows)] {
                if (FStep == 2 && FWorkbookPage->WorkbookPath() == workbook)
                    FContext.Guarded([&] { ProposeAndAddMappings(rows); });
            };
        },
        [](const QString&) {});
}

void TfmQRNMain::ProposeAndAddMappings(const std::vector<std::vector<std::string>>& rows)
{
    SchemeLines lines = CurrentScheme();
    std::vector<ProposedMapping> proposed = ProposeMappings(lines, DocumentType(), ItemTexts(*listExcel), rows);
    // Nothing known in the chosen header row: perhaps it is another one,
    // under a title block.
    if (proposed.empty()) {
        const int found = [&] {
            const WaitCursor waiting;
            return FindWorkbookHeaderRow(StdStr(FWorkbookPage->WorkbookPath()), FContext.regional, ChosenSheet(),
                                         DocumentType());
        }();
        const std::string chosen = std::to_string(FWorkbookPage->HeaderRow());
        const std::string row = std::to_string(found);
        if (found > 0 && found != FWorkbookPage->HeaderRow()
            && FContext.dialogs.Confirm(this,
                                        QStr(FormatMessage(QRNConsts::sHeaderRowFoundQuestion, {chosen, row, row})))) {
            FWorkbookPage->SetHeaderRow(found);
            FListsKey = ListsKey();
            LoadColumnNames();
            proposed = ProposeMappings(lines, DocumentType(), ItemTexts(*listExcel), MappingRows());
        }
    }
    if (proposed.empty()) {
        FContext.dialogs.ShowInformation(this, QStr(QRNConsts::sNoNewMappings));
        return;
    }
    const std::optional<std::vector<bool>> chosen = FContext.dialogs.ChooseMappings(this, proposed);
    if (!chosen) return;
    for (std::size_t i = 0; i < proposed.size() && i < chosen->size(); ++i)
        if ((*chosen)[i]) DropColumnOnField(lines, proposed[i].caption, proposed[i].column);
    ShowScheme(lines);
}

void TfmQRNMain::actCorrespDelExecute()
{
    if (QListWidgetItem* line = SelectedItem(*listCorresp)) delete listCorresp->takeItem(listCorresp->row(line));
}

void TfmQRNMain::actCorrespSaveExecute()
{
    SaveScheme(DocumentType());
}

bool TfmQRNMain::SaveScheme(TDocumentType type)
{
    const std::string key = GetCorrespondenceParamName(type);
    FSaveDialogFileName = QStr(IniStore::ReadStringParam(key, ""));
    const FileDialogRequest request{QStr(QRNConsts::sSchemeSaveDialogTitle), QStr(QRNConsts::sSchemeFilter),
                                    QStringLiteral("sch"), FSaveDialogFileName};
    const auto path = FContext.dialogs.ChooseSaveFile(this, request);
    if (!path) return false;
    FSaveDialogFileName = *path;
    WriteGuard guard;
    guard.Keep(StdStr(FWorkbookPage->WorkbookPath()));
    guard.Keep(IniStore::GetIniFileName());
    guard.Claim(StdStr(*path));
    const SchemeLines lines = CurrentScheme();
    WriteSchemeFile(StdStr(*path), lines);
    IniStore::WriteStringParam(key, StdStr(*path));
    FSchemeBaseline = lines;
    return true;
}

void TfmQRNMain::actCorrespOpenExecute()
{
    if (!SaveUnsavedScheme()) return;
    // The type's own scheme file, never the workbook the shared dialog
    // chose last: one Enter would have read it as lines.
    const std::string key = GetCorrespondenceParamName(DocumentType());
    const FileDialogRequest request{QStr(QRNConsts::sSchemeOpenDialogTitle), QStr(QRNConsts::sSchemeFilter), QString(),
                                    QStr(IniStore::ReadStringParam(key, ""))};
    const auto path = FContext.dialogs.ChooseOpenFile(this, request);
    if (!path) return;
    const SchemeLines lines = ReadSchemeFile(StdStr(*path));
    ShowScheme(lines);
    FSchemeBaseline = lines;
    IniStore::WriteStringParam(key, StdStr(*path));
}
