#include "app/window/TfmQRNMain.h"

#include "app/common/DocumentTypeParameter.h"
#include "app/window/AccessKeys.h"
#include "app/window/HeaderPage.h"
#include "app/window/HintDuration.h"
#include "app/window/OutputPage.h"
#include "app/window/QtText.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/StepTitleBand.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowSizeKeeper.h"
#include "app/window/WizardControls.h"
#include "app/window/WorkbookPage.h"
#include "base/MessageFormat.h"
#include "app/common/FrontEndTexts.h"
#include "app/window/WindowTexts.h"
#include "messages/FaultMessages.h"
#include "catalogue/FieldCatalogue.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// A classic dialog, which may be enlarged: the white band names the step,
// the step's page stands between two rules, the buttons that walk the steps
// sit at the bottom right.
constexpr int kClientWidth = 732;
constexpr int kClientHeight = 515;

// Each step's title and description in the band.
constexpr const char* kStepTexts[5][2] = {{QRNConsts::sStep1Title, QRNConsts::sStep1Info},
                                          {QRNConsts::sStep2Title, QRNConsts::sStep2Info},
                                          {QRNConsts::sStep3Title, QRNConsts::sStep3Info},
                                          {QRNConsts::sStep4Title, QRNConsts::sStep4Info},
                                          {QRNConsts::sStep5Title, QRNConsts::sStep5Info}};

} // namespace

TfmQRNMain::TfmQRNMain(const Regional& regional, UserDialogs& dialogs, const QStringList& parameters, QWidget* parent)
    : QWidget(parent), FDialogs(dialogs), FContext{regional, FDialogs, *this}, FCriticalFields(FContext)
{
    setObjectName(QStringLiteral("fmQRNMain"));
    BuildFrame();
    new HintDuration(*this);
    AssignStepAccessKeys({btPrev, btNext, btClose}, {FWorkbookPage, FSchemePage, FHeaderPage, FOutputPage, FRunPage});
    FormCreate(parameters);
}

TfmQRNMain::~TfmQRNMain() = default;

void TfmQRNMain::BuildFrame()
{
    setWindowTitle(QStr(QRNConsts::sAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinMaxButtonsHint);
    new WindowSizeKeeper(*this, QSize(kClientWidth, kClientHeight));
    setWindowIcon(QIcon(QStringLiteral(":/quarnel/quarnel-128.png")));

    FTitleBand = new StepTitleBand(this);
    QFrame* upperRule = NewRule(this);
    QFrame* lowerRule = NewRule(this);
    btPrev = NewButton(this, "btPrev", QRNConsts::sPrev);
    btNext = NewButton(this, "btNext", QRNConsts::sNext);
    btClose = NewButton(this, "btClose", QRNConsts::sClose);
    connect(btPrev, &QPushButton::clicked, this, &TfmQRNMain::btPrevClick);
    connect(btNext, &QPushButton::clicked, this, &TfmQRNMain::btNextClick);
    connect(btClose, &QPushButton::clicked, this, &QWidget::close);

    // The steps' pages come after the frame's buttons, so that Tab goes from
    // "Закрыть" into the step shown.
    FWorkbookPage = new WorkbookPage(FContext, this);
    FSchemePage = new SchemePage(
        FContext, *FWorkbookPage, [this] { return CollectRunInputs(); }, this);
    FHeaderPage = new HeaderPage(FContext, this);
    FOutputPage = new OutputPage(
        FContext, [this] { return FWorkbookPage->WorkbookPath(); }, this);
    FRunPage = new RunPage(
        FContext, [this] { return CollectRunInputs(); }, this);
    connect(FRunPage, &RunPage::Starting, this, [this] { btPrev->setEnabled(false); });
    connect(FRunPage, &RunPage::Finished, this, &TfmQRNMain::ConversionFinished);

    // One page shows at a time and takes the whole step area.
    auto* steps = new QVBoxLayout;
    steps->setContentsMargins(14, 8, 13, 0);
    for (QWidget* page : Pages()) {
        page->hide();
        steps->addWidget(page);
    }
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 16, 0);
    buttons->setSpacing(0);
    buttons->addStretch();
    buttons->addWidget(btPrev);
    buttons->addSpacing(6);
    buttons->addWidget(btNext);
    buttons->addSpacing(10);
    buttons->addWidget(btClose);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(FTitleBand);
    frame->addWidget(upperRule);
    frame->addLayout(steps, 1);
    frame->addSpacing(2);
    frame->addWidget(lowerRule);
    frame->addSpacing(12);
    frame->addLayout(buttons);
    frame->addSpacing(14);
}

bool TfmQRNMain::ConversionRunning() const
{
    return FRunPage->Running();
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
        FRunPage->AskToStop(true);
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
        FRunPage->AskToStop(false);
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

std::array<QWidget*, 5> TfmQRNMain::Pages() const
{
    return {FWorkbookPage, FSchemePage, FHeaderPage, FOutputPage, FRunPage};
}

bool TfmQRNMain::MayEnter(int step)
{
    switch (step) {
    case 2: return FWorkbookPage->AcceptWorkbook() && FSchemePage->MayReplaceScheme();
    case 4:
        if (FHeaderPage->Filled(FWorkbookPage->DocumentType() == kInvoiceType)) return true;
        FContext.dialogs.ShowError(this, QStr(QRNConsts::sMandatoryFieldsEmpty));
        return false;
    case 5:
        if (!FOutputPage->AcceptXmlFile(FWorkbookPage->DocumentType())) return false;
        return FCriticalFields.Accept([this] {
            RunInputs scheme;
            FWorkbookPage->AddRunInputs(scheme);
            FSchemePage->AddRunInputs(scheme);
            return scheme;
        }());
    default: return true;
    }
}

void TfmQRNMain::ShowStep(int step)
{
    FStep = std::clamp(step, 1, 5);
    // Leaving step 5 before its timer fires leaves the conversion unstarted,
    // rather than starting it behind the page of another step.
    if (FStep != 5) FRunPage->CancelStart();
    btPrev->setEnabled(FStep > 1);
    btNext->setEnabled(FStep < 5);
    btNext->setDefault(FStep < 5);
    for (QWidget* page : Pages()) page->hide();
    if (step < 1 || step > 5) return;
    if (!MayEnter(step)) {
        ShowStep(step - 1);
        return;
    }
    Pages()[step - 1]->show();
    FTitleBand->SetTexts(kStepTexts[step - 1][0], kStepTexts[step - 1][1]);
    const bool invoice = FWorkbookPage->DocumentType() == kInvoiceType;
    // A workbook saved again since it was opened is read anew from here on.
    if (step == 2 || step == 5) FWorkbookPage->ReopenIfChanged();
    switch (step) {
    case 1: FWorkbookPage->Enter(); break;
    case 2: FSchemePage->Enter(); break;
    case 3: FHeaderPage->Enter(invoice); break;
    case 4:
        FHeaderPage->SaveHeaderParams();
        FOutputPage->Enter(invoice);
        break;
    default:
        btClose->setFocus();
        FRunPage->StartShortly();
        break;
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

void TfmQRNMain::ConversionFinished()
{
    btPrev->setEnabled(FStep > 1);
    QStringList automaticNotes;
    if (FContext.autoMode && FSchemePage->StrictLosesRows()) automaticNotes << QStr(QRNConsts::sStrictLayoutLosesRows);
    if (!FSchemePage->OtherTypeNote().isEmpty()) automaticNotes << FSchemePage->OtherTypeNote();
    if (FContext.autoMode && !FCriticalFields.AutomaticNote().isEmpty())
        automaticNotes << FCriticalFields.AutomaticNote();
    FRunPage->ShowOutcome(automaticNotes);
}

RunInputs TfmQRNMain::CollectRunInputs() const
{
    RunInputs inputs;
    FWorkbookPage->AddRunInputs(inputs);
    FSchemePage->AddRunInputs(inputs);
    inputs.outputPath = StdStr(FOutputPage->OutputPath());
    FHeaderPage->AddRunInputs(inputs);
    inputs.noSeparate15Pos = IniStore::ReadBoolParam(kNoSeparate15Pos, false);
    inputs.regional = FContext.regional;
    // The scheme in use is the one remembered for the type (step 2 shows it,
    // opening or saving one remembers it).
    inputs.keptFiles = {IniStore::GetIniFileName(),
                        IniStore::ReadStringParam(GetCorrespondenceParamName(inputs.documentType), "")};
    return inputs;
}
