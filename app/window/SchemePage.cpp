#include "app/window/SchemePage.h"

#include "app/window/ListBoxes.h"
#include "app/window/ListItemHint.h"
#include "app/window/QtText.h"
#include "app/window/WaitCursor.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "app/window/WorkbookPage.h"
#include "catalogue/FieldCatalogue.h"
#include "app/window/WindowTexts.h"
#include "convert/ReadWorkbook.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <array>

namespace {

template <typename ListBox>
ListBox* NewList(QWidget* parent, const char* name, int width)
{
    auto* list = new ListBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    // At least as in the classic window; larger with an enlarged one.
    list->setMinimumSize(width, 277);
    return list;
}

} // namespace

SchemePage::SchemePage(const WizardContext& context, WorkbookPage& workbook, std::function<RunInputs()> runInputs,
                       QWidget* parent)
    : QWidget(parent), FContext(context), FWorkbook(workbook), FKeeper(context),
      FPreview(context, std::move(runInputs)), FLayoutOffer(context, workbook, *this, [this] { RereadColumns(); }),
      FMapping(context, workbook, *this, *this)
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
    listCorresp->fieldCaptions = [this] { return ItemTexts(*listOnix); };
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
    FLineEdits.emplace(FContext, *listCorresp, *this, [this](const SchemeLines& lines) { ShowScheme(lines); });
    connect(actCorrespClear, &QAction::triggered, this, [this] { FLineEdits->Clear(); });
    connect(actCorrespAuto, &QAction::triggered, this, [this] { FContext.Guarded([this] { FMapping.Propose(); }); });
    connect(actCorrespDel, &QAction::triggered, this, [this] { FLineEdits->DeleteChosen(); });
    connect(actCorrespSave, &QAction::triggered, this, [this] {
        FContext.Guarded([this] { FKeeper.Save(CurrentScheme(), FWorkbook.WorkbookPath(), FWorkbook.DocumentType()); });
    });
    connect(actCorrespOpen, &QAction::triggered, this, guarded(&SchemePage::OpenScheme));

    btAutoCorresp = NewActionButton(this, "btAutoCorresp", actCorrespAuto, 190);
    // The rows as the conversion will read them, under the field list.
    btPreview = NewButton(this, "btPreview", QRNConsts::sPreview, 110);
    btPreview->setToolTip(QStr(QRNConsts::sPreviewHint));
    connect(btPreview, &QPushButton::clicked, this,
            [this] { FContext.Guarded([this] { FPreview.Show(*btPreview); }); });
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
    // Each list keeps its gap to the next as the window grows.
    const std::array<int, 3> gaps{185 - 177, 211 - 177, 0};
    const std::array<QWidget*, 3> lists{listExcel, listOnix, listCorresp};
    for (int column = 0; column < 3; ++column) {
        grid->addLayout(LabelOverWithGap(listLabels[column], lists[column], gaps[column]), 0, column);
        grid->setColumnStretch(column, column == 2 ? 2 : 1);
    }
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
    grid->setRowStretch(0, 1);
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
    FLayoutOffer.Offer();
}

std::vector<std::string> SchemePage::ColumnNames() const
{
    return ItemTexts(*listExcel);
}

SchemeLines SchemePage::CurrentScheme() const
{
    return ItemTexts(*listCorresp);
}

void SchemePage::ShowScheme(const SchemeLines& lines)
{
    listCorresp->ShowLines(lines, ColumnNames());
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
    FLayout = RunLayout(FWorkbook.HeaderRow()); // no columns left behind by a workbook that does not read
    FLayout =
        RunLayout::Read(*FWorkbook.Workbook(), FWorkbook.ChosenSheet(), FWorkbook.HeaderRow(), FWorkbook.Layout());
    ShowItemTexts(*listExcel, FLayout.ColumnNames());
    listCorresp->MarkDeadLines(ColumnNames());
    listExcel->MarkHidden(FLayout.Hidden());
}

void SchemePage::RereadColumns()
{
    FListsKey = ListsKey();
    LoadColumnNames();
}

void SchemePage::LoadFieldLists()
{
    LoadColumnNames();
    // The catalogue refuses an invalid type before anything is replaced, so
    // the field list and the scheme keep what they held.
    std::vector<std::string> captions;
    captions = FieldCaptions(FWorkbook.DocumentType());
    listOnix->clear();
    listOnix->addItems(QStrList(captions));
    // Back on the same sheet of the same workbook for the same type (from
    // step 3, say): the lines stay as the user left them.
    if (ListsKey() == FListsKey) return;
    FListsKey = ListsKey();
    listCorresp->clear();
    ShowScheme(FKeeper.LoadRemembered(FWorkbook.DocumentType()));
}

bool SchemePage::listOnixDragOver(const QPoint& position)
{
    if (!SelectedItem(*listExcel)) return false;
    listOnix->ChooseFieldAt(position);
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
        FLineEdits->DeleteChosen();
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

void SchemePage::OpenScheme()
{
    if (!SaveUnsavedScheme()) return;
    if (const std::optional<SchemeLines> lines = FKeeper.Open(FWorkbook.DocumentType())) ShowScheme(*lines);
}

void SchemePage::AddRunInputs(RunInputs& inputs) const
{
    inputs.layout = FLayout;
    inputs.fieldCaptions = ItemTexts(*listOnix);
    inputs.scheme = ItemTexts(*listCorresp);
    inputs.columnNames = ColumnNames();
}
