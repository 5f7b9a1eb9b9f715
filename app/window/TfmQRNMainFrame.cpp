// The look of the wizard: a classic fixed dialog. A white band names the
// step, the step's page stands between two rules, the buttons that walk the
// steps sit at the bottom right.

#include "app/window/HeaderPage.h"
#include "app/window/OutputPage.h"
#include "app/window/QtText.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/StepTitleBand.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/WizardControls.h"
#include "app/window/WorkbookPage.h"
#include "app/window/WindowTexts.h"

#include <QBoxLayout>
#include <QFrame>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 732;
constexpr int kClientHeight = 515;

} // namespace

void TfmQRNMain::BuildFrame()
{
    setWindowTitle(QStr(QRNConsts::sAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
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
