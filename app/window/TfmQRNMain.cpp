#include "app/window/TfmQRNMain.h"

#include "app/common/DocumentTypeParameter.h"
#include "app/window/AccessKeys.h"
#include "app/window/ListBoxes.h"
#include "app/window/ListItemHint.h"
#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "base/DateTime.h"
#include "base/MessageFormat.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/QRNConsts.h"
#include "app/window/HeaderPage.h"
#include "app/window/OutputPage.h"
#include "app/window/RunPage.h"
#include "convert/Convert.h"
#include "convert/MessageKind.h"
#include "convert/ReadWorkbook.h"
#include "messages/FaultMessages.h"
#include "scheme/ColumnLookup.h"
#include "scheme/HeaderRow.h"
#include "settings/IniStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

TfmQRNMain::TfmQRNMain(const Regional& regional, UserDialogs& dialogs, const QStringList& parameters, QWidget* parent)
    : QWidget(parent), FContext{regional, dialogs, *this}
{
    setObjectName(QStringLiteral("fmQRNMain"));
    BuildFrame();
    BuildStep1();
    BuildStep2();
    AssignAccessKeys();
    connect(FRunPage, &RunPage::Finished, this, &TfmQRNMain::ConversionFinished);
    FormCreate(parameters);
}

TfmQRNMain::~TfmQRNMain() = default;

bool TfmQRNMain::ConversionRunning() const
{
    return FRunPage->Running();
}

void TfmQRNMain::AssignAccessKeys()
{
    // The frame's buttons are there on every step; each step's own controls
    // share none of their letters.
    QSet<QChar> frame;
    ::AssignAccessKeys({btPrev, btNext, btClose}, frame);
    for (QWidget* panel : {pn1, pn2, pn3, pn4, pn5}) {
        QSet<QChar> taken = frame;
        ::AssignAccessKeys(AccessKeyControls(*panel), taken);
    }
}

void TfmQRNMain::FormCreate(const QStringList& parameters)
{
    FContext.autoMode = false;
    setWindowTitle(windowTitle() + QStr(FormatMessage(QRNConsts::sVersionSuffix, {QRNConsts::sVersion})));
    cbDocType->setCurrentIndex(0);
    if (parameters.size() >= 3) {
        FContext.Guarded([&] {
            edExcelFile->setText(parameters[0]);
            FOutputPage->SetOutputPath(parameters[1]);
            // A type outside the list leaves no type selected; the walk
            // through the steps then ends at the catalogue's error.
            const TDocumentType type = ReadDocumentTypeParameter(StdStr(parameters[2]));
            cbDocType->setCurrentIndex(type < kDocumentTypeCount ? type : -1);
            FHeaderPage->SetInvoiceNumbers(parameters.value(3), parameters.value(4));
            FContext.autoMode = true;
        });
    } else if (parameters.size() == 1 && QFileInfo(parameters[0]).isFile()) {
        // "Open with" on a workbook: step 1 with the workbook chosen; what
        // keeps it from being read is said once the window is up.
        SetTextFromStart(*edExcelFile, parameters[0]);
        WorkbookChosen();
    }
    ShowStep(1);
}

void TfmQRNMain::FormShow()
{
    if (const std::optional<EdgeFileFault> problem = IniStore::FileProblem())
        FContext.dialogs.ShowWarning(this, QShown(UserMessage(*problem)));
    if (!FContext.autoMode && !FWorkbookProblem.isEmpty() && !FWorkbookProblemShown) {
        FWorkbookProblemShown = true;
        FContext.dialogs.ShowError(this, FWorkbookProblem);
    }
    if (!FContext.autoMode) return;
    // By fixed step number: a failed check falls back and the next request
    // still follows; an error ends the walk.
    FContext.Guarded([this] {
        for (int step = 2; step <= 5; ++step) ShowStep(step);
    });
}

void TfmQRNMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FShown) return;
    FShown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect frame = frameGeometry();
        move(screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    // After the window is on the screen, so that the boxes of the automatic
    // walk stand in front of it.
    QTimer::singleShot(0, this, &TfmQRNMain::FormShow);
}

void TfmQRNMain::closeEvent(QCloseEvent* event)
{
    if (FRunPage->Running()) {
        // Stopped, the run ends before its next row without saving; the
        // window closes when its thread is done.
        AskToStopConversion(true);
        event->ignore();
        return;
    }
    if (!SaveUnsavedScheme()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TfmQRNMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && FRunPage->Running()) {
        AskToStopConversion(false);
        return;
    }
    // "Далее >>" is the default button of steps 1 to 4: Enter in a field
    // that does not take it itself goes on. A focused button takes Enter as
    // a click of its own.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && FStep < 5 && btNext->isEnabled()) {
        btNextClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmQRNMain::AskToStopConversion(bool thenClose)
{
    if (FStopQuestionUp) return;
    // Already stopping: closing then needs no second answer.
    if (FRunPage->Stopping()) {
        FCloseRequested = FCloseRequested || thenClose;
        return;
    }
    FStopQuestionUp = true;
    FContext.dialogs.AskMeanwhile(this, QStr(QRNConsts::sAskStopConversion), [this, thenClose](bool stop) {
        FStopQuestionUp = false;
        if (!stop || !FRunPage->Running()) return;
        FCloseRequested = thenClose;
        FRunPage->Abandon();
    });
}

void TfmQRNMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !FHintHandlerInstalled) {
        qApp->installEventFilter(this);
        FHintHandlerInstalled = true;
    }
}

bool TfmQRNMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && ListKeyPressed(watched, event)) return true;
    if (event->type() == QEvent::ToolTip) return AppShowHint(watched, static_cast<QHelpEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool TfmQRNMain::AppShowHint(QObject* watched, QHelpEvent* event)
{
    for (QListWidget* list : {static_cast<QListWidget*>(listExcel), static_cast<QListWidget*>(listOnix),
                              static_cast<QListWidget*>(listCorresp)}) {
        if (watched == list->viewport()) {
            ShowListItemHint(*list, event->pos());
            return true;
        }
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != this || widget->toolTip().isEmpty()) return false;
    QToolTip::showText(event->globalPos(), widget->toolTip(), const_cast<QWidget*>(widget), QRect(), kHintHidePauseMs);
    return true;
}

void TfmQRNMain::SetStepTexts(const char* title, const char* info)
{
    lbHeader->setText(QStr(title));
    lbInfo->setText(QStr(info));
}

TDocumentType TfmQRNMain::DocumentType() const
{
    // No selection (-1) reads as 255, which every catalogue function refuses.
    return static_cast<TDocumentType>(cbDocType->currentIndex());
}

void TfmQRNMain::ShowStep(int step)
{
    FStep = std::clamp(step, 1, 5);
    // Leaving step 5 before its timer fires leaves the conversion unstarted,
    // rather than starting it behind the page of another step.
    if (FStep != 5) tmAuto->stop();
    btPrev->setEnabled(FStep > 1);
    btNext->setEnabled(FStep < 5);
    btNext->setDefault(FStep < 5);
    for (QWidget* panel : {pn1, pn2, pn3, pn4, pn5}) panel->hide();

    switch (step) {
    case 1:
        pn1->show();
        SetStepTexts(QRNConsts::sStep1Title, QRNConsts::sStep1Info);
        edExcelFile->setFocus();
        break;
    case 2:
        if (edExcelFile->text().isEmpty()) {
            FContext.dialogs.ShowError(this, QStr(QRNConsts::sNoExcelFile));
            ShowStep(1);
            break;
        }
        WorkbookChosen();
        // The automatic mode's walk ends at the reading's own error.
        if (!FContext.autoMode && !WorkbookReadable()) {
            ShowStep(1);
            break;
        }
        if (ListsKey() != FListsKey && !SaveUnsavedScheme()) {
            ShowStep(1);
            break;
        }
        pn2->show();
        SetStepTexts(QRNConsts::sStep2Title, QRNConsts::sStep2Info);
        listExcel->setFocus();
        LoadFieldLists();
        OfferSupplierLayout();
        break;
    case 3: {
        pn3->show();
        SetStepTexts(QRNConsts::sStep3Title, QRNConsts::sStep3Info);
        FHeaderPage->Enter(DocumentType() == kInvoiceType);
        break;
    }
    case 4: {
        const bool invoice = DocumentType() == kInvoiceType;
        if (!FHeaderPage->Filled(invoice)) {
            FContext.dialogs.ShowError(this, QStr(QRNConsts::sMandatoryFieldsEmpty));
            ShowStep(3);
            break;
        }
        pn4->show();
        SetStepTexts(QRNConsts::sStep4Title, QRNConsts::sStep4Info);
        FHeaderPage->SaveHeaderParams();
        FOutputPage->Enter(invoice);
        break;
    }
    case 5:
        if (FOutputPage->OutputPath().isEmpty()) {
            FContext.dialogs.ShowError(this, QStr(QRNConsts::sNoXmlFile));
            ShowStep(4);
            break;
        }
        if (!FOutputPage->AcceptXmlFile(DocumentType()) || !AcceptCriticalFields()) {
            ShowStep(4);
            break;
        }
        SetStepTexts(QRNConsts::sStep5Title, QRNConsts::sStep5Info);
        pn5->show();
        btClose->setFocus();
        StartConversion();
        break;
    default: break;
    }
}

void TfmQRNMain::btNextClick()
{
    FContext.Guarded([this] { ShowStep(FStep + 1); });
}

void TfmQRNMain::btPrevClick()
{
    FContext.Guarded([this] { ShowStep(FStep - 1); });
}

void TfmQRNMain::btCloseClick()
{
    close();
}

void TfmQRNMain::btSelectExcelFileClick()
{
    const FileDialogRequest request{QStr(QRNConsts::sSelectExcelDialogTitle), QStr(QRNConsts::sExcelFilter), QString(),
                                    FOpenDialogFileName};
    if (const auto path = FContext.dialogs.ChooseOpenFile(this, request)) {
        FOpenDialogFileName = *path;
        SetTextFromStart(*edExcelFile, *path);
        WorkbookChosen();
    }
}

std::vector<SheetEntry> TfmQRNMain::ListSheets(bool report)
{
    cbSheet->clear();
    FWorkbookProblem.clear();
    FWorkbookProblemShown = false;
    std::vector<SheetEntry> sheets;
    if (!FSheetsOf.isEmpty()) {
        try {
            sheets = ReadWorkbookSheets(StdStr(FSheetsOf));
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
        FContext.dialogs.ShowError(this, FWorkbookProblem);
    }
    return sheets;
}

bool TfmQRNMain::WorkbookReadable()
{
    if (FWorkbookProblem.isEmpty()) return true;
    // Perhaps put right meanwhile (saved again, closed in another program).
    const bool alreadySaid = FWorkbookProblemShown;
    ListSheets(false);
    if (FWorkbookProblem.isEmpty()) return true;
    // Said once for the action that found it; a later "Далее >>" says it
    // again.
    if (!alreadySaid) FContext.dialogs.ShowError(this, FWorkbookProblem);
    return false;
}

void TfmQRNMain::WorkbookChosen()
{
    if (edExcelFile->text() == FSheetsOf) return;
    FSheetsOf = edExcelFile->text();
    FSheetPicked = false;
    // What the command line asked for belongs to its own workbook.
    if (FSheetsOf != FCommandLineWorkbook) FCommandLineSheet.clear();
    seHeaderRow->setValue(1);
    // Said at once on step 1; before the window is up (a workbook opened
    // with the program), once it is; the automatic mode's reading says it.
    const std::vector<SheetEntry> sheets = ListSheets(FShown && !FContext.autoMode);
    if (FCommandLineSheet.isEmpty()) return;
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
}

void TfmQRNMain::SetCommandLineSheet(const QString& sheet, int headerRow)
{
    FCommandLineSheet = sheet;
    FCommandLineWorkbook = edExcelFile->text();
    FSheetsOf.clear();
    WorkbookChosen();
    if (headerRow == kFindHeaderRow) {
        // As quarnel-convert finds it; row 1 when no row gives a known name.
        FContext.Guarded([&] {
            const int found = FindWorkbookHeaderRow(
                StdStr(edExcelFile->text()), FContext.regional, ChosenSheet(),
                DocumentType() < kDocumentTypeCount ? std::optional<TDocumentType>(DocumentType()) : std::nullopt);
            seHeaderRow->setValue(std::max(1, found));
        });
    } else if (headerRow > 0) {
        seHeaderRow->setValue(headerRow);
    }
}

SheetLayout TfmQRNMain::Layout() const
{
    return cbLayout->currentIndex() == 1 ? SheetLayout::Supplier : SheetLayout::Strict;
}

void TfmQRNMain::SetCommandLineLayout(bool supplier)
{
    cbLayout->setCurrentIndex(supplier ? 1 : 0);
}

SheetChoice TfmQRNMain::ChosenSheet() const
{
    if (!FCommandLineSheet.isEmpty() && !FSheetPicked) return StdStr(FCommandLineSheet);
    if (cbSheet->currentIndex() <= 0 && !FSheetPicked) return {};
    return std::to_string(cbSheet->currentIndex() + 1);
}

bool TfmQRNMain::AcceptCriticalFields()
{
    FCriticalFieldNote.clear();
    // Every row of a price list needs its article; an invoice's rows do not.
    if (DocumentType() >= kInvoiceType) return true;
    const std::string caption = GetFildNameByFieldID("RecordReference", DocumentType());
    const SchemeLines lines = CurrentScheme();
    if (GetColumnByCaption(caption, lines, ItemTexts(*listExcel)) > 0) return true;
    const int line = FindSchemeLine(lines, caption);
    const std::vector<std::string> missing =
        line < 0 ? std::vector<std::string>{}
                 : SchemeColumnsMissing({lines[static_cast<std::size_t>(line)]}, ItemTexts(*listExcel));
    const std::string note = missing.empty()
                                 ? FormatMessage(QRNConsts::sCriticalFieldUnmapped, {caption})
                                 : FormatMessage(QRNConsts::sCriticalFieldColumnMissing, {missing.front(), caption});
    if (FContext.autoMode) {
        FCriticalFieldNote = QStr(note);
        return true;
    }
    return FContext.dialogs.Confirm(this, QStr(FormatMessage(QRNConsts::sContinueQuestion, {note})));
}
