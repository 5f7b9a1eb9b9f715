// The look of the wizard: a classic fixed dialog. A white band names the
// step, the step's page stands between two rules, the buttons that walk the
// steps sit at the bottom right.

#include "app/window/HeaderPage.h"
#include "app/window/OutputPage.h"
#include "app/window/QtText.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/WizardControls.h"
#include "app/window/WorkbookPage.h"
#include "app/window/WindowTexts.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kClientWidth = 732;
constexpr int kClientHeight = 515;
constexpr int kHeaderHeight = 57;

} // namespace

void TfmQRNMain::BuildFrame()
{
    setWindowTitle(QStr(QRNConsts::sAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(QIcon(QStringLiteral(":/quarnel/quarnel-128.png")));

    QWidget* headerBand = BuildHeaderBand();
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
    FRunPage = new RunPage(FContext, this);
    connect(FRunPage, &RunPage::Finished, this, &TfmQRNMain::ConversionFinished);

    tmAuto = new QTimer(this);
    tmAuto->setObjectName(QStringLiteral("tmAuto"));
    tmAuto->setInterval(100);
    tmAuto->setSingleShot(true);
    connect(tmAuto, &QTimer::timeout, this, &TfmQRNMain::tmAutoTimer);

    // One page shows at a time and takes the whole step area.
    auto* steps = new QVBoxLayout;
    steps->setContentsMargins(14, 8, 13, 0);
    for (QWidget* page :
         std::initializer_list<QWidget*>{FWorkbookPage, FSchemePage, FHeaderPage, FOutputPage, FRunPage}) {
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
    frame->addWidget(headerBand);
    frame->addWidget(upperRule);
    frame->addLayout(steps, 1);
    frame->addSpacing(2);
    frame->addWidget(lowerRule);
    frame->addSpacing(12);
    frame->addLayout(buttons);
    frame->addSpacing(14);
}

QWidget* TfmQRNMain::BuildHeaderBand()
{
    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("pnHeader"));
    band->setFixedHeight(kHeaderHeight);
    band->setAutoFillBackground(true);
    QPalette white = band->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    band->setPalette(white);

    lbHeader = NewLabel(band, "");
    lbHeader->setObjectName(QStringLiteral("lbHeader"));
    QFont bold = lbHeader->font();
    bold.setBold(true);
    lbHeader->setFont(bold);
    lbInfo = NewNote(band, "");
    lbInfo->setObjectName(QStringLiteral("lbInfo"));
    lbInfo->setFixedSize(645, 30);
    auto* picture = new QLabel(band);
    picture->setObjectName(QStringLiteral("imgHeader"));
    picture->setFixedSize(32, 32);
    picture->setPixmap(QPixmap(QStringLiteral(":/quarnel/quarnel-32.png")));

    // The title at the top left, the description under it set in, the
    // picture at the right.
    auto* info = new QHBoxLayout;
    info->addSpacing(16);
    info->addWidget(lbInfo);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    texts->addWidget(lbHeader);
    texts->addLayout(info);
    texts->addStretch();
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addSpacing(4);
    pictureColumn->addWidget(picture);
    pictureColumn->addStretch();
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(16, 8, 16, 0);
    layout->setSpacing(0);
    layout->addLayout(texts);
    layout->addStretch();
    layout->addLayout(pictureColumn);
    return band;
}
