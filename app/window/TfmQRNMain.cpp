#include "app/window/TfmQRNMain.h"

#include "app/common/DocumentTypeParameter.h"
#include "app/window/ListBoxes.h"
#include "app/window/ListItemHint.h"
#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "base/DateTime.h"
#include "base/MessageFormat.h"
#include "catalogue/QRNConsts.h"
#include "convert/Convert.h"
#include "convert/ReadWorkbook.h"
#include "messages/FaultMessages.h"
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
    : QWidget(parent), FRegional(regional), FDialogs(dialogs)
{
    setObjectName(QStringLiteral("fmQRNMain"));
    BuildFrame();
    BuildStep1();
    BuildStep2();
    BuildStep3();
    BuildStep4();
    BuildStep5();
    FRunner = std::make_unique<ConversionRunner>(
        [](const RunInputs& inputs, RunObserver& observer) { return Convert(inputs, observer); }, *memLog,
        *ProgressBar1, FDialogs, *this);
    connect(FRunner.get(), &ConversionRunner::Finished, this, &TfmQRNMain::ConversionFinished);
    FormCreate(parameters);
}

TfmQRNMain::~TfmQRNMain() = default;

bool TfmQRNMain::ConversionRunning() const
{
    return FRunner->IsRunning();
}

void TfmQRNMain::Guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& error) {
        FDialogs.ShowError(this, QShown(UserMessage(error)));
    }
}

void TfmQRNMain::FormCreate(const QStringList& parameters)
{
    FAutoMode = false;
    setWindowTitle(windowTitle() + QStr(FormatMessage(QRNConsts::sVersionSuffix, {QRNConsts::sVersion})));
    cbDocType->setCurrentIndex(0);
    if (parameters.size() >= 3) {
        Guarded([&] {
            edExcelFile->setText(parameters[0]);
            edXMLFile->setText(parameters[1]);
            // A type outside the list leaves no type selected; the walk
            // through the steps then ends at the catalogue's error.
            const TDocumentType type = ReadDocumentTypeParameter(StdStr(parameters[2]));
            cbDocType->setCurrentIndex(type < kDocumentTypeCount ? type : -1);
            edMessageNumber->setText(parameters.value(3));
            edDocumentReference->setText(parameters.value(4));
            FAutoMode = true;
        });
    } else if (parameters.size() == 1 && QFileInfo(parameters[0]).isFile()) {
        // "Open with" on a workbook: step 1 with the workbook chosen.
        edExcelFile->setText(parameters[0]);
        WorkbookChosen();
    }
    ShowStep(1);
}

void TfmQRNMain::FormShow()
{
    if (const std::optional<EdgeFileFault> problem = IniStore::FileProblem())
        FDialogs.ShowWarning(this, QShown(UserMessage(*problem)));
    if (!FAutoMode) return;
    // By fixed step number: a failed check falls back and the next request
    // still follows; an error ends the walk.
    Guarded([this] {
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
    if (FRunner->IsRunning()) {
        // Stopped, the run ends before its next row without saving; the
        // window closes when its thread is done.
        AskToStopConversion(true);
        event->ignore();
        return;
    }
    event->accept();
}

void TfmQRNMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && FRunner->IsRunning()) {
        AskToStopConversion(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfmQRNMain::AskToStopConversion(bool thenClose)
{
    if (FStopQuestionUp) return;
    // Already stopping: closing then needs no second answer.
    if (FRunner->Stopping()) {
        FCloseRequested = FCloseRequested || thenClose;
        return;
    }
    FStopQuestionUp = true;
    FDialogs.AskMeanwhile(this, QStr(QRNConsts::sAskStopConversion), [this, thenClose](bool stop) {
        FStopQuestionUp = false;
        if (!stop || !FRunner->IsRunning()) return;
        FCloseRequested = thenClose;
        FRunner->Abandon();
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
    for (QWidget* panel : {pn1, pn2, pn3, pn4, pn5}) panel->hide();

    switch (step) {
    case 1:
        pn1->show();
        SetStepTexts(QRNConsts::sStep1Title, QRNConsts::sStep1Info);
        break;
    case 2:
        if (edExcelFile->text().isEmpty()) {
            FDialogs.ShowError(this, QStr(QRNConsts::sNoExcelFile));
            ShowStep(1);
            break;
        }
        WorkbookChosen();
        pn2->show();
        SetStepTexts(QRNConsts::sStep2Title, QRNConsts::sStep2Info);
        LoadFieldLists();
        OfferSupplierLayout();
        break;
    case 3: {
        pn3->show();
        SetStepTexts(QRNConsts::sStep3Title, QRNConsts::sStep3Info);
        edSentDate->setText(QStr(FRegional.FormatDate(TodayDateTime())));
        const bool invoice = DocumentType() == kInvoiceType;
        for (QWidget* control :
             {static_cast<QWidget*>(lbMessageNumberMark), static_cast<QWidget*>(lbMessageNumber),
              static_cast<QWidget*>(edMessageNumber), static_cast<QWidget*>(lbDocumentReferenceMark),
              static_cast<QWidget*>(lbDocumentReference), static_cast<QWidget*>(edDocumentReference)})
            control->setVisible(invoice);
        LoadHeaderParams();
        break;
    }
    case 4: {
        const bool invoice = DocumentType() == kInvoiceType;
        const bool filled =
            !edFromSAN->text().isEmpty() && !edSentDate->text().isEmpty()
            && (!invoice || (!edMessageNumber->text().isEmpty() && !edDocumentReference->text().isEmpty()));
        if (!filled) {
            FDialogs.ShowError(this, QStr(QRNConsts::sMandatoryFieldsEmpty));
            ShowStep(3);
            break;
        }
        lbInfoNakl->setVisible(invoice);
        pn4->show();
        SetStepTexts(QRNConsts::sStep4Title, QRNConsts::sStep4Info);
        SaveHeaderParams();
        break;
    }
    case 5:
        if (edXMLFile->text().isEmpty()) {
            FDialogs.ShowError(this, QStr(QRNConsts::sNoXmlFile));
            ShowStep(4);
            break;
        }
        SetStepTexts(QRNConsts::sStep5Title, QRNConsts::sStep5Info);
        pn5->show();
        StartConversion();
        break;
    default: break;
    }
}

void TfmQRNMain::btNextClick()
{
    Guarded([this] { ShowStep(FStep + 1); });
}

void TfmQRNMain::btPrevClick()
{
    Guarded([this] { ShowStep(FStep - 1); });
}

void TfmQRNMain::btCloseClick()
{
    close();
}

void TfmQRNMain::btSelectExcelFileClick()
{
    const FileDialogRequest request{QStr(QRNConsts::sSelectExcelDialogTitle), QStr(QRNConsts::sExcelFilter), QString(),
                                    FOpenDialogFileName};
    if (const auto path = FDialogs.ChooseOpenFile(this, request)) {
        FOpenDialogFileName = *path;
        edExcelFile->setText(*path);
        WorkbookChosen();
    }
}

void TfmQRNMain::WorkbookChosen()
{
    if (edExcelFile->text() == FSheetsOf) return;
    FSheetsOf = edExcelFile->text();
    FSheetPicked = false;
    // What the command line asked for belongs to its own workbook.
    if (FSheetsOf != FCommandLineWorkbook) FCommandLineSheet.clear();
    cbSheet->clear();
    seHeaderRow->setValue(1);
    std::vector<SheetEntry> sheets;
    try {
        sheets = ReadWorkbookSheets(StdStr(FSheetsOf));
    } catch (const std::exception&) {
        // Step 2 reads the workbook and says what is wrong with it.
    }
    for (const SheetEntry& sheet : sheets)
        cbSheet->addItem(QShown(sheet.name + (sheet.hidden ? QRNConsts::sHiddenSheetMark : "")));
    cbSheet->setEnabled(cbSheet->count() > 1);
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
        Guarded([&] {
            const int found = FindWorkbookHeaderRow(
                StdStr(edExcelFile->text()), FRegional, ChosenSheet(),
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

// The last XML file chosen, else the workbook's name with ".xml" beside it;
// never the name another save dialog left (a scheme's), which one Enter
// would have replaced by the XML.
QString TfmQRNMain::XmlDialogStartFile() const
{
    if (!FXmlDialogFileName.isEmpty()) return FXmlDialogFileName;
    if (edExcelFile->text().isEmpty()) return QString();
    const QFileInfo workbook(edExcelFile->text());
    return workbook.absolutePath() + QLatin1Char('/') + workbook.completeBaseName() + QStringLiteral(".xml");
}

void TfmQRNMain::btSelectXmlFileClick()
{
    const FileDialogRequest request{QStr(QRNConsts::sXmlSaveDialogTitle), QStr(QRNConsts::sXmlFilter),
                                    QStringLiteral("xml"), XmlDialogStartFile()};
    const auto path = FDialogs.ChooseSaveFile(this, request);
    if (!path) return;
    // Converting again into the same XML file is the usual thing and is not
    // asked about; any other kind of file would be lost to the XML.
    if (QFileInfo::exists(*path) && !path->endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive)
        && !FDialogs.Confirm(this, QStr(FormatMessage(QRNConsts::sReplaceNotXml, {StdStr(*path)}))))
        return;
    FXmlDialogFileName = *path;
    edXMLFile->setText(*path);
}
