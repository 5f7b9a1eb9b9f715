#include "app/window/SchemePage.h"

#include "app/window/ListBoxes.h"
#include "app/window/ListItemHint.h"
#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "app/window/WorkbookPage.h"
#include "base/MessageFormat.h"
#include "catalogue/FieldCatalogue.h"
#include "app/window/WindowTexts.h"
#include "convert/ReadWorkbook.h"
#include "convert/RunPreview.h"
#include "scheme/AutoMapping.h"
#include "scheme/ColumnLookup.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <array>

namespace {

// Reading a large workbook takes a moment; the pointer says so.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QListWidgetItem* SelectedItem(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

// A scheme line whose column the workbook lacks.
const QColor kDeadLineColour(0xC0, 0x00, 0x00);

template <typename ListBox>
ListBox* NewList(QWidget* parent, const char* name, int width)
{
    auto* list = new ListBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFixedSize(width, 277);
    return list;
}

} // namespace

SchemePage::SchemePage(const WizardContext& context, WorkbookPage& workbook, std::function<RunInputs()> runInputs,
                       QWidget* parent)
    : QWidget(parent), FContext(context), FWorkbook(workbook), FRunInputs(std::move(runInputs)), FKeeper(context)
{
    setObjectName(QStringLiteral("pn2"));
    const std::array<QLabel*, 3> listLabels = BuildLists();
    BuildActions();
    PlaceControls(listLabels);
}

std::array<QLabel*, 3> SchemePage::BuildLists()
{
    QLabel* excelLabel = NewLabel(this, QRNConsts::sListExcelLabel);
    listExcel = NewList<ColumnDragList>(this, "listExcel", 177);
    excelLabel->setBuddy(listExcel);
    QLabel* onixLabel = NewLabel(this, QRNConsts::sListOnixLabel);
    listOnix = NewList<FieldDropList>(this, "listOnix", 177);
    onixLabel->setBuddy(listOnix);
    QLabel* correspLabel = NewLabel(this, QRNConsts::sListCorrespLabel);
    listCorresp = NewList<SchemeList>(this, "listCorresp", 293);
    correspLabel->setBuddy(listCorresp);
    listOnix->dragOverHandler = [this](const QPoint& position) { return listOnixDragOver(position); };
    listOnix->dropHandler = [this] { listOnixDragDrop(); };
    for (QListWidget* list : {static_cast<QListWidget*>(listExcel), static_cast<QListWidget*>(listOnix),
                              static_cast<QListWidget*>(listCorresp)}) {
        list->viewport()->installEventFilter(this);
        list->installEventFilter(this);
        // Two captions that differ only at their end ("Отпускная цена без
        // НДС" and the discounted one) stay apart when cut short.
        list->setTextElideMode(Qt::ElideMiddle);
    }
    return {excelLabel, onixLabel, correspLabel};
}

void SchemePage::BuildActions()
{
    actCorrespClear = NewAction(this, "actCorrespClear", QRNConsts::sCorrespClear, QRNConsts::sCorrespClearHint);
    actCorrespAuto = NewAction(this, "actCorrespAuto", QRNConsts::sCorrespAuto, QRNConsts::sCorrespAutoHint);
    actCorrespDel = NewAction(this, "actCorrespDel", QRNConsts::sCorrespDel, QRNConsts::sCorrespDelHint);
    actCorrespSave = NewAction(this, "actCorrespSave", QRNConsts::sCorrespSave, QRNConsts::sCorrespSaveHint);
    actCorrespOpen = NewAction(this, "actCorrespOpen", QRNConsts::sCorrespOpen, QRNConsts::sCorrespOpenHint);
    const auto guarded = [this](void (SchemePage::*action)()) {
        return [this, action] { FContext.Guarded([this, action] { (this->*action)(); }); };
    };
    connect(actCorrespClear, &QAction::triggered, this, [this] { listCorresp->clear(); });
    connect(actCorrespAuto, &QAction::triggered, this, guarded(&SchemePage::AutoMap));
    connect(actCorrespDel, &QAction::triggered, this, guarded(&SchemePage::DeleteLine));
    connect(actCorrespSave, &QAction::triggered, this, [this] {
        FContext.Guarded([this] { FKeeper.Save(CurrentScheme(), FWorkbook.WorkbookPath(), FWorkbook.DocumentType()); });
    });
    connect(actCorrespOpen, &QAction::triggered, this, guarded(&SchemePage::OpenScheme));

    btAutoCorresp = NewActionButton(this, "btAutoCorresp", actCorrespAuto, 190);
    // The rows as the conversion will read them, under the field list.
    btPreview = NewButton(this, "btPreview", QRNConsts::sPreview, 110);
    btPreview->setToolTip(QStr(QRNConsts::sPreviewHint));
    connect(btPreview, &QPushButton::clicked, this, guarded(&SchemePage::Preview));
    btClearCorresp = NewActionButton(this, "btClearCorresp", actCorrespClear);
    btSaveCorresp = NewActionButton(this, "btSaveCorresp", actCorrespSave, kButtonWidth + 8);
    btOpenCorresp = NewActionButton(this, "btOpenCorresp", actCorrespOpen, kButtonWidth + 8);

    pmCorresp = new QMenu(this);
    pmCorresp->setObjectName(QStringLiteral("pmCorresp"));
    pmCorresp->addAction(actCorrespClear);
    pmCorresp->addAction(actCorrespDel);
    pmCorresp->addSeparator();
    pmCorresp->addAction(actCorrespSave);
    pmCorresp->addAction(actCorrespOpen);
    pmCorresp->addSeparator();
    pmCorresp->addAction(actCorrespAuto);
    pmCorresp->setToolTipsVisible(true);
    connect(listCorresp, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { pmCorresp->popup(listCorresp->viewport()->mapToGlobal(at)); });
}

void SchemePage::PlaceControls(const std::array<QLabel*, 3>& listLabels)
{
    // Three columns: the two lists the mapping reads, with the buttons that
    // read them under them, and the scheme with its own buttons; the
    // instruction and the advice below. The instruction reaches into the
    // gap before the scheme list: at the width of the two lists alone it
    // would need a fifth line.
    QLabel* instruction = NewNote(this, QRNConsts::sMappingInstruction);
    QLabel* advice = NewNote(this, QRNConsts::sMappingAdvice);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, 185);
    grid->setColumnMinimumWidth(1, 211);
    grid->setColumnMinimumWidth(2, 293);
    grid->addLayout(LabelOver(listLabels[0], listExcel), 0, 0);
    grid->addLayout(LabelOver(listLabels[1], listOnix), 0, 1);
    grid->addLayout(LabelOver(listLabels[2], listCorresp), 0, 2);
    auto* readingButtons = new QHBoxLayout;
    readingButtons->setSpacing(6);
    readingButtons->addWidget(btAutoCorresp);
    readingButtons->addWidget(btPreview);
    readingButtons->addStretch();
    grid->addLayout(readingButtons, 1, 0, 1, 2);
    auto* schemeButtons = new QHBoxLayout;
    schemeButtons->setSpacing(8);
    schemeButtons->addWidget(btClearCorresp);
    schemeButtons->addWidget(btSaveCorresp);
    schemeButtons->addWidget(btOpenCorresp);
    schemeButtons->addStretch();
    grid->addLayout(schemeButtons, 1, 2);
    auto* instructionPlace = new QHBoxLayout;
    instructionPlace->addWidget(instruction);
    instructionPlace->addSpacing(8);
    grid->addLayout(instructionPlace, 2, 0, 1, 2);
    grid->addWidget(advice, 2, 2);
    grid->setRowStretch(2, 1);
}

bool SchemePage::MayReplaceScheme()
{
    return ListsKey() == FListsKey || SaveUnsavedScheme();
}

bool SchemePage::SaveUnsavedScheme()
{
    return FKeeper.SaveUnsaved(CurrentScheme(), FWorkbook.WorkbookPath());
}

void SchemePage::Enter()
{
    listExcel->setFocus();
    LoadFieldLists();
    OfferSupplierLayout();
}

SchemeLines SchemePage::CurrentScheme() const
{
    return ItemTexts(*listCorresp);
}

void SchemePage::ShowScheme(const SchemeLines& lines)
{
    ShowItemTexts(*listCorresp, lines);
    // New lines: no line the user chose among the old ones stays chosen, so
    // "Удалить" cannot remove a line nobody picked.
    listCorresp->clearSelection();
    listCorresp->setCurrentRow(-1);
    MarkDeadSchemeLines();
}

void SchemePage::MarkDeadSchemeLines()
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

QString SchemePage::ListsKey() const
{
    return QStringList{FWorkbook.WorkbookPath(), QStr(FWorkbook.ChosenSheet()), QString::number(FWorkbook.HeaderRow()),
                       QString::number(static_cast<int>(FWorkbook.Layout())),
                       QString::number(IndexOf(FWorkbook.DocumentType()))}
        .join(QLatin1Char('\n'));
}

void SchemePage::LoadColumnNames()
{
    const WaitCursor waiting;
    listExcel->clear();
    FFirstDataRow = 0;
    WorkbookColumns columns =
        ReadWorkbookColumns(StdStr(FWorkbook.WorkbookPath()), FContext.regional, FWorkbook.ChosenSheet(),
                            FWorkbook.HeaderRow(), FWorkbook.Layout(), true);
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

void SchemePage::OfferSupplierLayout()
{
    FStrictLosesRows = false;
    if (FWorkbook.Layout() == SheetLayout::Supplier) return;
    const QString workbook = FWorkbook.WorkbookPath();
    const SheetChoice sheet = FWorkbook.ChosenSheet();
    const int headerRow = FWorkbook.HeaderRow();
    if (FContext.autoMode) {
        // Nobody to ask: the log says it after the run.
        try {
            FStrictLosesRows = StrictLayoutLosesRows(StdStr(workbook), FContext.regional, sheet, headerRow);
        } catch (const std::exception&) {
            // The run says what is wrong with the workbook.
        }
        return;
    }
    FLayoutWorker.Start(
        [this, workbook, sheet, headerRow](const StopRequest&) -> WindowWorker::Continuation {
            if (!StrictLayoutLosesRows(StdStr(workbook), FContext.regional, sheet, headerRow)) return [] {};
            return [this, workbook, sheet, headerRow] {
                // Only for the sheet still shown, read as it was judged.
                if (isHidden() || FWorkbook.Layout() != SheetLayout::Strict || FWorkbook.WorkbookPath() != workbook
                    || FWorkbook.ChosenSheet() != sheet || FWorkbook.HeaderRow() != headerRow)
                    return;
                if (!FContext.dialogs.Confirm(&FContext.window, QStr(QRNConsts::sSupplierLayoutQuestion))) return;
                FWorkbook.ChooseSupplierLayout();
                FListsKey = ListsKey();
                FContext.Guarded([this] { LoadColumnNames(); });
            };
        },
        // Step 2 has said what is wrong with the workbook.
        [](const QString&) {});
}

void SchemePage::LoadFieldLists()
{
    LoadColumnNames();
    // The catalogue refuses an invalid type before anything is replaced, so
    // the field list and the scheme keep what they held.
    std::vector<std::string> captions;
    FillFieldsListBox(captions, FWorkbook.DocumentType());
    listOnix->clear();
    listOnix->addItems(QStrList(captions));
    // Back on the same sheet of the same workbook for the same type (from
    // step 3, say): the lines stay as the user left them.
    if (ListsKey() == FListsKey) return;
    FListsKey = ListsKey();
    listCorresp->clear();
    ShowScheme(FKeeper.LoadRemembered(FWorkbook.DocumentType()));
}

void SchemePage::Preview()
{
    // The rows are read on the worker: the window stays responsive, and
    // closing it stops the reading.
    RunInputs inputs = FRunInputs();
    const auto done = [this] {
        btPreview->setEnabled(true);
        FContext.window.unsetCursor();
    };
    if (!FPreviewWorker.Start(
            [this, inputs = std::move(inputs), done](const StopRequest& stop) mutable -> WindowWorker::Continuation {
                inputs.stop = stop;
                return [this, done, preview = PreviewRun(inputs)] {
                    done();
                    FContext.dialogs.ShowPreview(&FContext.window, preview);
                };
            },
            [this, done](const QString& failure) {
                done();
                FContext.dialogs.ShowError(&FContext.window, failure);
            }))
        return;
    btPreview->setEnabled(false);
    FContext.window.setCursor(Qt::BusyCursor);
}

bool SchemePage::listOnixDragOver(const QPoint& position)
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

void SchemePage::listOnixDragDrop()
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

bool SchemePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        for (QListWidget* list : {static_cast<QListWidget*>(listExcel), static_cast<QListWidget*>(listOnix),
                                  static_cast<QListWidget*>(listCorresp)}) {
            if (watched != list->viewport()) continue;
            ShowListItemHint(*list, static_cast<QHelpEvent*>(event)->pos());
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == listCorresp && key == Qt::Key_Delete) {
        FContext.Guarded([this] { DeleteLine(); });
        return true;
    }
    // Enter maps the chosen column to the chosen field, as dropping it
    // there does; with no field chosen it goes on to the next step.
    if (watched == listExcel && (key == Qt::Key_Return || key == Qt::Key_Enter) && SelectedItem(*listOnix)
        && SelectedItem(*listExcel)) {
        FContext.Guarded([this] { listOnixDragDrop(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

int SchemePage::FirstMappingRow() const
{
    return FFirstDataRow > 0 ? FFirstDataRow : FWorkbook.HeaderRow() + 1;
}

std::vector<std::vector<std::string>> SchemePage::MappingRows() const
{
    const WaitCursor waiting;
    try {
        return ReadMappingRows(StdStr(FWorkbook.WorkbookPath()), FContext.regional, FWorkbook.ChosenSheet(),
                               FirstMappingRow());
    } catch (const std::exception&) {
        // Step 2 has said what is wrong with the workbook; the names alone
        // still map.
        return {};
    }
}

void SchemePage::AutoMap()
{
    // The first data rows are read on the worker: the window stays
    // responsive, and the proposals come when they are there.
    const QString workbook = FWorkbook.WorkbookPath();
    const SheetChoice sheet = FWorkbook.ChosenSheet();
    const int firstRow = FirstMappingRow();
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
                if (!isHidden() && FWorkbook.WorkbookPath() == workbook)
                    FContext.Guarded([&] { ProposeAndAddMappings(rows); });
            };
        },
        [](const QString&) {});
}

void SchemePage::ProposeAndAddMappings(const std::vector<std::vector<std::string>>& rows)
{
    const TDocumentType type = FWorkbook.DocumentType();
    SchemeLines lines = CurrentScheme();
    std::vector<ProposedMapping> proposed = ProposeMappings(lines, type, ItemTexts(*listExcel), rows);
    // Nothing known in the chosen header row: perhaps it is another one,
    // under a title block.
    if (proposed.empty()) {
        const int found = [&] {
            const WaitCursor waiting;
            return FindWorkbookHeaderRow(StdStr(FWorkbook.WorkbookPath()), FContext.regional, FWorkbook.ChosenSheet(),
                                         type);
        }();
        const std::string chosen = std::to_string(FWorkbook.HeaderRow());
        const std::string row = std::to_string(found);
        if (found > 0 && found != FWorkbook.HeaderRow()
            && FContext.dialogs.Confirm(&FContext.window,
                                        QStr(FormatMessage(QRNConsts::sHeaderRowFoundQuestion, {chosen, row, row})))) {
            FWorkbook.SetHeaderRow(found);
            FListsKey = ListsKey();
            LoadColumnNames();
            proposed = ProposeMappings(lines, type, ItemTexts(*listExcel), MappingRows());
        }
    }
    if (proposed.empty()) {
        FContext.dialogs.ShowInformation(&FContext.window, QStr(QRNConsts::sNoNewMappings));
        return;
    }
    const std::optional<std::vector<bool>> chosen = FContext.dialogs.ChooseMappings(&FContext.window, proposed);
    if (!chosen) return;
    for (std::size_t i = 0; i < proposed.size() && i < chosen->size(); ++i)
        if ((*chosen)[i]) DropColumnOnField(lines, proposed[i].caption, proposed[i].column);
    ShowScheme(lines);
}

void SchemePage::DeleteLine()
{
    if (QListWidgetItem* line = SelectedItem(*listCorresp)) delete listCorresp->takeItem(listCorresp->row(line));
}

void SchemePage::OpenScheme()
{
    if (!SaveUnsavedScheme()) return;
    if (const std::optional<SchemeLines> lines = FKeeper.Open(FWorkbook.DocumentType())) ShowScheme(*lines);
}

std::string SchemePage::CriticalFieldNote() const
{
    const std::string caption = GetFildNameByFieldID("RecordReference", FWorkbook.DocumentType());
    const SchemeLines lines = CurrentScheme();
    if (GetColumnByCaption(caption, lines, ItemTexts(*listExcel)) > 0) return {};
    const int line = FindSchemeLine(lines, caption);
    const std::vector<std::string> missing =
        line < 0 ? std::vector<std::string>{}
                 : SchemeColumnsMissing({lines[static_cast<std::size_t>(line)]}, ItemTexts(*listExcel));
    return missing.empty() ? FormatMessage(QRNConsts::sCriticalFieldUnmapped, {caption})
                           : FormatMessage(QRNConsts::sCriticalFieldColumnMissing, {missing.front(), caption});
}

void SchemePage::AddRunInputs(RunInputs& inputs) const
{
    inputs.firstDataRow = FFirstDataRow;
    inputs.fieldCaptions = ItemTexts(*listOnix);
    inputs.scheme = ItemTexts(*listCorresp);
    inputs.columnNames = ItemTexts(*listExcel);
}
