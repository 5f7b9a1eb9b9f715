#include "app/window/TfmQRNMain.h"

#include "app/common/DocumentTypeParameter.h"
#include "app/window/AccessKeys.h"
#include "app/window/HeaderPage.h"
#include "app/window/ListItemHint.h"
#include "app/window/OutputPage.h"
#include "app/window/QtText.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/UserDialogs.h"
#include "app/window/WorkbookPage.h"
#include "base/MessageFormat.h"
#include "app/common/FrontEndTexts.h"
#include "app/window/WindowTexts.h"
#include "messages/FaultMessages.h"
#include "settings/IniStore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

TfmQRNMain::TfmQRNMain(const Regional& regional, UserDialogs& dialogs, const QStringList& parameters, QWidget* parent)
    : QWidget(parent), FContext{regional, dialogs, *this}
{
    setObjectName(QStringLiteral("fmQRNMain"));
    BuildFrame();
    AssignAccessKeys();
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
    for (QWidget* panel :
         std::initializer_list<QWidget*>{FWorkbookPage, FSchemePage, FHeaderPage, FOutputPage, FRunPage}) {
        QSet<QChar> taken = frame;
        ::AssignAccessKeys(AccessKeyControls(*panel), taken);
    }
}

void TfmQRNMain::FormCreate(const QStringList& parameters)
{
    FContext.autoMode = false;
    setWindowTitle(windowTitle() + QStr(FormatMessage(QRNConsts::sVersionSuffix, {QRNConsts::sVersion})));
    FWorkbookPage->SelectDocumentType(TDocumentType::Books);
    if (parameters.size() >= 3) {
        FContext.Guarded([&] {
            FWorkbookPage->SetWorkbookPath(parameters[0]);
            FOutputPage->SetOutputPath(parameters[1]);
            // A type outside the list is refused here, and the window stays
            // on step 1 out of the automatic mode.
            FWorkbookPage->SelectDocumentType(ReadDocumentTypeParameter(StdStr(parameters[2])));
            FHeaderPage->SetInvoiceNumbers(parameters.value(3), parameters.value(4));
            FContext.autoMode = true;
        });
    } else if (parameters.size() == 1 && QFileInfo(parameters[0]).isFile()) {
        // "Open with" on a workbook: step 1 with the workbook chosen; what
        // keeps it from being read is said once the window is up.
        FWorkbookPage->OpenWith(parameters[0]);
    }
    ShowStep(1);
}

void TfmQRNMain::FormShow()
{
    if (const std::optional<EdgeFileFault> problem = IniStore::FileProblem())
        FContext.dialogs.ShowWarning(this, QShown(UserMessage(*problem)));
    if (!FContext.autoMode) {
        FWorkbookPage->SayWorkbookProblem();
        return;
    }
    // By fixed step number: a failed check falls back and the next request
    // still follows; an error ends the walk.
    FContext.Guarded([this] {
        for (int step = 2; step <= 5; ++step) ShowStep(step);
    });
}

void TfmQRNMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FContext.shown) return;
    FContext.shown = true;
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
    if (!FSchemePage->SaveUnsavedScheme()) {
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
    if (event->type() == QEvent::ToolTip) return AppShowHint(watched, static_cast<QHelpEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool TfmQRNMain::AppShowHint(QObject* watched, QHelpEvent* event)
{
    // The cut-off items of step 2's lists are that page's business.
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
    return FWorkbookPage->DocumentType();
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
    for (QWidget* panel :
         std::initializer_list<QWidget*>{FWorkbookPage, FSchemePage, FHeaderPage, FOutputPage, FRunPage})
        panel->hide();

    switch (step) {
    case 1:
        FWorkbookPage->show();
        SetStepTexts(QRNConsts::sStep1Title, QRNConsts::sStep1Info);
        FWorkbookPage->Enter();
        break;
    case 2:
        if (FWorkbookPage->WorkbookPath().isEmpty()) {
            FContext.dialogs.ShowError(this, QStr(QRNConsts::sNoExcelFile));
            ShowStep(1);
            break;
        }
        FWorkbookPage->WorkbookChosen();
        // The automatic mode's walk ends at the reading's own error.
        if (!FContext.autoMode && !FWorkbookPage->WorkbookReadable()) {
            ShowStep(1);
            break;
        }
        if (!FSchemePage->MayReplaceScheme()) {
            ShowStep(1);
            break;
        }
        FSchemePage->show();
        SetStepTexts(QRNConsts::sStep2Title, QRNConsts::sStep2Info);
        FSchemePage->Enter();
        break;
    case 3: {
        FHeaderPage->show();
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
        FOutputPage->show();
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
        FRunPage->show();
        btClose->setFocus();
        tmAuto->start();
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

void TfmQRNMain::SetCommandLineSheet(const QString& sheet, int headerRow)
{
    FWorkbookPage->SetCommandLineSheet(sheet, headerRow);
}

void TfmQRNMain::SetCommandLineLayout(bool supplier)
{
    FWorkbookPage->SetCommandLineLayout(supplier);
}

bool TfmQRNMain::AcceptCriticalFields()
{
    FCriticalFieldNote.clear();
    // Every row of a price list needs its article; an invoice's rows do not.
    if (DocumentType() == kInvoiceType) return true;
    const std::string note = FSchemePage->CriticalFieldNote();
    if (note.empty()) return true;
    if (FContext.autoMode) {
        FCriticalFieldNote = QStr(note);
        return true;
    }
    return FContext.dialogs.Confirm(this, QStr(FormatMessage(QRNConsts::sContinueQuestion, {note})));
}
