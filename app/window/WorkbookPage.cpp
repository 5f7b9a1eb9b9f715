#include "app/window/WorkbookPage.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "app/common/FrontEndTexts.h"
#include "app/window/WindowTexts.h"
#include "convert/ReadWorkbook.h"
#include "messages/FaultMessages.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <optional>

namespace {

// A drop-down list that takes no typing, at the height of a field.
QComboBox* NewList(QWidget* parent, const char* name, int width)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setFixedSize(width, kEditHeight);
    list->setEditable(false);
    return list;
}

} // namespace

WorkbookPage::WorkbookPage(const WizardContext& context, QWidget* parent)
    : QWidget(parent), FContext(context), FOpened(context), FHeaderRow(context, this, [this] {
          return HeaderRowField::Sheet{Workbook(), ChosenSheet(), DocumentType(), Layout()};
      })
{
    setObjectName(QStringLiteral("pn1"));
    QLabel* excelLabel = NewLabel(this, QRNConsts::sChooseExcelLabel);
    edExcelFile = NewEdit(this, "edExcelFile");
    excelLabel->setBuddy(edExcelFile);
    btSelectExcelFile = NewEllipsisButton(this, "btSelectExcelFile", QRNConsts::sSelectExcelHint);
    connect(btSelectExcelFile, &QPushButton::clicked, this, &WorkbookPage::SelectExcelFile);
    lbExcelNote = NewNote(this, QRNConsts::sExcelNote);
    lbExcelNote->setObjectName(QStringLiteral("lbExcelNote"));
    // In the note's place while the workbook cannot be read; its tooltip
    // holds what the place cannot.
    lbExcelProblem = NewNote(this, "");
    lbExcelProblem->setObjectName(QStringLiteral("lbExcelProblem"));
    lbExcelProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    lbExcelProblem->hide();
    for (QLabel* note : {lbExcelNote, lbExcelProblem}) note->setFixedHeight(48);

    QLabel* typeLabel = NewLabel(this, QRNConsts::sChooseDocTypeLabel);
    cbDocType = NewList(this, "cbDocType", 340);
    typeLabel->setBuddy(cbDocType);
    cbDocType->setMaxVisibleItems(kDocumentTypeCount);
    for (int index = 0; index < kDocumentTypeCount; ++index)
        cbDocType->addItem(QStr(DocumentTypeCaption(*DocumentTypeAt(index))));

    // Where the column names are: a workbook's sheets as it lists them, and
    // a header row below a supplier's title block.
    QLabel* sheetLabel = NewLabel(this, QRNConsts::sSheetLabel);
    cbSheet = NewList(this, "cbSheet", 300);
    sheetLabel->setBuddy(cbSheet);
    cbSheet->setEnabled(false);
    connect(cbSheet, &QComboBox::activated, this, [this] {
        FSheetPicked = true;
        FHeaderRow.Search();
    });
    QLabel* headerRowLabel = NewLabel(this, QRNConsts::sHeaderRowLabel);
    headerRowLabel->setFixedWidth(150);
    headerRowLabel->setBuddy(FHeaderRow.Box());
    QLabel* layoutLabel = NewLabel(this, QRNConsts::sLayoutLabel);
    cbLayout = NewList(this, "cbLayout", 184);
    layoutLabel->setBuddy(cbLayout);
    cbLayout->addItems({QStr(QRNConsts::sLayoutStrict), QStr(QRNConsts::sLayoutSupplier)});
    cbLayout->setToolTip(QStr(QRNConsts::sLayoutHint));
    cbLayout->setCurrentIndex(IniStore::ReadStringParam(kLayout, "0") == "1" ? 1 : 0);
    connect(cbLayout, &QComboBox::activated, this, [this](int index) {
        RememberLayout(index == 1);
        FHeaderRow.Search();
    });
    connect(cbDocType, &QComboBox::activated, this, [this] { FHeaderRow.Search(); });
    connect(edExcelFile, &QLineEdit::editingFinished, this, &WorkbookPage::WorkbookChosen);

    // One column 656 pixels wide in the middle: the file, the note or the
    // problem in one place, the type, and the sheet's three choices in a row.
    auto* notePlace = new QGridLayout;
    notePlace->addWidget(lbExcelNote, 0, 0);
    notePlace->addWidget(lbExcelProblem, 0, 0);
    auto* sheetRow = new QHBoxLayout;
    sheetRow->setSpacing(0);
    sheetRow->addLayout(LabelOver(sheetLabel, cbSheet));
    sheetRow->addSpacing(16);
    sheetRow->addLayout(LabelOver(headerRowLabel, FHeaderRow.Box()));
    sheetRow->addSpacing(6);
    sheetRow->addLayout(LabelOver(layoutLabel, cbLayout));
    sheetRow->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(24, 16, 25, 0);
    page->setSpacing(0);
    page->addLayout(LabelOver(excelLabel, FieldWithButton(edExcelFile, btSelectExcelFile)));
    page->addSpacing(10);
    page->addLayout(notePlace);
    page->addSpacing(14);
    page->addLayout(LabelOver(typeLabel, cbDocType));
    page->addSpacing(16);
    page->addLayout(sheetRow);
    page->addSpacing(6);
    page->addWidget(FHeaderRow.Note());
    page->addStretch();
}

QString WorkbookPage::WorkbookPath() const
{
    return edExcelFile->text();
}

void WorkbookPage::SetWorkbookPath(const QString& path)
{
    edExcelFile->setText(path);
}

void WorkbookPage::OpenWith(const QString& path)
{
    SetTextFromStart(*edExcelFile, path);
    WorkbookChosen();
}

void WorkbookPage::SelectDocumentType(TDocumentType type)
{
    cbDocType->setCurrentIndex(IndexOf(type));
}

TDocumentType WorkbookPage::DocumentType() const
{
    // The list always has a type selected: it starts at the first, and the
    // automatic mode takes only a type of the list.
    return DocumentTypeAt(cbDocType->currentIndex()).value_or(TDocumentType::Books);
}

void WorkbookPage::Enter()
{
    edExcelFile->setFocus();
}

void WorkbookPage::SayWorkbookProblem()
{
    if (FWorkbookProblem.isEmpty() || FWorkbookProblemShown) return;
    FWorkbookProblemShown = true;
    FContext.dialogs.ShowError(&FContext.window, FWorkbookProblem);
}

void WorkbookPage::SelectExcelFile()
{
    const FileDialogRequest request{QStr(QRNConsts::sSelectExcelDialogTitle), QStr(QRNConsts::sExcelFilter), QString(),
                                    FOpenDialogFileName};
    if (const auto path = FContext.dialogs.ChooseOpenFile(&FContext.window, request)) {
        FOpenDialogFileName = *path;
        SetTextFromStart(*edExcelFile, *path);
        WorkbookChosen();
        FocusNextInput(*btSelectExcelFile);
    }
}

std::vector<SheetEntry> WorkbookPage::ListSheets(bool report)
{
    cbSheet->clear();
    FWorkbookProblem.clear();
    FWorkbookProblemShown = false;
    std::vector<SheetEntry> sheets;
    if (!FSheetsOf.isEmpty()) {
        try {
            sheets = FOpened.Open(StdStr(FSheetsOf)).Sheets();
        } catch (const std::exception& error) {
            FWorkbookProblem = QShown(UserMessage(error));
        }
    }
    for (const SheetEntry& sheet : sheets)
        cbSheet->addItem(QShown(sheet.name + (sheet.hidden ? QRNConsts::sHiddenSheetMark : "")));
    cbSheet->setEnabled(cbSheet->count() > 1);
    lbExcelProblem->setText(FWorkbookProblem);
    lbExcelProblem->setToolTip(FWorkbookProblem);
    lbExcelProblem->setVisible(!FWorkbookProblem.isEmpty());
    lbExcelNote->setVisible(FWorkbookProblem.isEmpty());
    if (report && !FWorkbookProblem.isEmpty()) {
        FWorkbookProblemShown = true;
        FContext.dialogs.ShowError(&FContext.window, FWorkbookProblem);
    }
    return sheets;
}

bool WorkbookPage::WorkbookReadable()
{
    if (FWorkbookProblem.isEmpty()) return true;
    // Perhaps put right meanwhile (saved again, closed in another program).
    const bool alreadySaid = FWorkbookProblemShown;
    ListSheets(false);
    if (FWorkbookProblem.isEmpty()) return true;
    // Said once for the action that found it; a later "Далее >>" says it
    // again.
    if (!alreadySaid) FContext.dialogs.ShowError(&FContext.window, FWorkbookProblem);
    return false;
}

bool WorkbookPage::AcceptWorkbook()
{
    if (WorkbookPath().isEmpty()) {
        FContext.dialogs.ShowError(&FContext.window, QStr(QRNConsts::sNoExcelFile));
        return false;
    }
    WorkbookChosen();
    return FContext.autoMode || WorkbookReadable();
}

void WorkbookPage::WorkbookChosen()
{
    if (edExcelFile->text() == FSheetsOf) return;
    FSheetsOf = edExcelFile->text();
    FSheetPicked = false;
    // What the command line asked for belongs to its own workbook.
    if (FSheetsOf != FCommandLineWorkbook) FCommandLineSheet.clear();
    FHeaderRow.Reset();
    // Said at once on step 1; before the window is up (a workbook opened
    // with the program), once it is; the automatic mode's reading says it.
    const std::vector<SheetEntry> sheets = ListSheets(FContext.shown && !FContext.autoMode);
    if (FCommandLineSheet.isEmpty()) {
        FHeaderRow.Search();
        return;
    }
    // The command line names the sheet as quarnel-convert takes it; the runs
    // then get the list's position. A sheet not found is left to step 2,
    // whose reading names the sheets there are.
    const SheetChoice chosen = ResolveTypedSheet(sheets, StdStr(FCommandLineSheet));
    bool isPosition = false;
    const int index = chosen.starts_with('#') ? QString::fromStdString(chosen.substr(1)).toInt(&isPosition) - 1 : -1;
    if (isPosition && index >= 0 && index < cbSheet->count()) {
        cbSheet->setCurrentIndex(index);
        FSheetPicked = true;
    }
    FHeaderRow.Search();
}

void WorkbookPage::SetCommandLineSheet(const QString& sheet, int headerRow)
{
    FCommandLineSheet = sheet;
    FCommandLineWorkbook = edExcelFile->text();
    FSheetsOf.clear();
    WorkbookChosen();
    // "auto" searches as quarnel-convert does.
    if (headerRow == kFindHeaderRow || headerRow > 0) FHeaderRow.Set(std::max(0, headerRow));
}

SheetLayout WorkbookPage::Layout() const
{
    return cbLayout->currentIndex() == 1 ? SheetLayout::Supplier : SheetLayout::Strict;
}

void WorkbookPage::SetCommandLineLayout(bool supplier)
{
    cbLayout->setCurrentIndex(supplier ? 1 : 0);
    FHeaderRow.Search();
}

void WorkbookPage::ChooseSupplierLayout()
{
    cbLayout->setCurrentIndex(1);
    RememberLayout(true);
    FHeaderRow.FindUnlessTyped();
}

void WorkbookPage::RememberLayout(bool supplier) const
{
    FContext.Guarded([supplier] { IniStore::WriteStringParam(kLayout, supplier ? "1" : "0"); });
}

SheetChoice WorkbookPage::ChosenSheet() const
{
    if (!FCommandLineSheet.isEmpty() && !FSheetPicked) return StdStr(FCommandLineSheet);
    if (cbSheet->currentIndex() <= 0 && !FSheetPicked) return {};
    return std::to_string(cbSheet->currentIndex() + 1);
}

void WorkbookPage::AddRunInputs(RunInputs& inputs) const
{
    inputs.workbookPath = StdStr(edExcelFile->text());
    inputs.workbook = FOpened.Held(inputs.workbookPath);
    inputs.sheet = ChosenSheet();
    inputs.documentType = DocumentType();
}
