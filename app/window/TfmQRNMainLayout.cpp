// The look of the wizard: a classic fixed dialog, every control at its place.

#include "app/window/ListBoxes.h"
#include "app/window/HeaderPage.h"
#include "app/window/OutputPage.h"
#include "app/window/RunPage.h"
#include "app/window/WorkbookPage.h"
#include "app/window/QtText.h"
#include "app/window/TfmQRNMain.h"
#include "catalogue/DocumentTypes.h"
#include "catalogue/QRNConsts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "workbook/CellReference.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

constexpr int kClientWidth = 732;
constexpr int kClientHeight = 515;
constexpr int kHeaderHeight = 57;
// The panels reach down to just above the lower rule, so that step 2 has room
// for a row of buttons under its lists and both notes below it.
constexpr QRect kPanelRect(14, 67, 705, 393);
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kEditHeight = 22;
constexpr int kLabelHeight = 17;

QLabel* AddLabel(QWidget* parent, const char* text, const QRect& rect)
{
    auto* label = new QLabel(QStr(text), parent);
    label->setGeometry(rect);
    return label;
}

QLabel* AddNote(QWidget* parent, const char* text, const QRect& rect)
{
    QLabel* note = AddLabel(parent, text, rect);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* text, const QRect& rect)
{
    auto* button = new QPushButton(QStr(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    // Enter on a focused button clicks it, as Space does.
    button->setAutoDefault(true);
    return button;
}

// A button that stands for an action: its caption, tooltip and effect.
QPushButton* AddActionButton(QWidget* parent, const char* name, QAction* action, const QRect& rect)
{
    QPushButton* button = AddButton(parent, name, "", rect);
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

QAction* AddAction(QWidget* owner, const char* name, const char* caption, const char* hint)
{
    auto* action = new QAction(QStr(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QStr(hint));
    return action;
}

QFrame* AddRule(QWidget* parent, int y)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(0, y, kClientWidth, 2);
    return rule;
}

QWidget* AddPanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(kPanelRect);
    panel->hide();
    return panel;
}

template <typename ListBox>
ListBox* AddList(QWidget* parent, const char* name, const QRect& rect)
{
    auto* list = new ListBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(rect);
    return list;
}

} // namespace

void TfmQRNMain::BuildFrame()
{
    setWindowTitle(QStr(QRNConsts::sAppTitle));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setWindowIcon(QIcon(QStringLiteral(":/quarnel/quarnel-128.png")));

    pnHeader = new QWidget(this);
    pnHeader->setObjectName(QStringLiteral("pnHeader"));
    pnHeader->setGeometry(0, 0, kClientWidth, kHeaderHeight);
    pnHeader->setAutoFillBackground(true);
    QPalette white = pnHeader->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    pnHeader->setPalette(white);

    lbHeader = AddLabel(pnHeader, "", QRect(16, 8, 650, kLabelHeight));
    lbHeader->setObjectName(QStringLiteral("lbHeader"));
    QFont bold = lbHeader->font();
    bold.setBold(true);
    lbHeader->setFont(bold);
    lbInfo = AddNote(pnHeader, "", QRect(32, 26, 645, 30));
    lbInfo->setObjectName(QStringLiteral("lbInfo"));
    imgHeader = new QLabel(pnHeader);
    imgHeader->setObjectName(QStringLiteral("imgHeader"));
    imgHeader->setGeometry(kClientWidth - 32 - 16, 12, 32, 32);
    imgHeader->setPixmap(QPixmap(QStringLiteral(":/quarnel/quarnel-32.png")));

    AddRule(this, kHeaderHeight);
    pn2 = AddPanel(this, "pn2");
    AddRule(this, 462);

    const int buttonsTop = 476;
    const int closeLeft = kClientWidth - 16 - kButtonWidth;
    const int nextLeft = closeLeft - 10 - kButtonWidth;
    btPrev = AddButton(this, "btPrev", QRNConsts::sPrev,
                       QRect(nextLeft - 6 - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight));
    btNext = AddButton(this, "btNext", QRNConsts::sNext, QRect(nextLeft, buttonsTop, kButtonWidth, kButtonHeight));
    btClose = AddButton(this, "btClose", QRNConsts::sClose, QRect(closeLeft, buttonsTop, kButtonWidth, kButtonHeight));
    connect(btPrev, &QPushButton::clicked, this, &TfmQRNMain::btPrevClick);
    connect(btNext, &QPushButton::clicked, this, &TfmQRNMain::btNextClick);
    connect(btClose, &QPushButton::clicked, this, &TfmQRNMain::btCloseClick);

    // The steps' pages come after the frame's buttons, so that Tab goes from
    // "Закрыть" into the step shown.
    FWorkbookPage = new WorkbookPage(FContext, this);
    FHeaderPage = new HeaderPage(FContext, this);
    FOutputPage = new OutputPage(
        FContext, [this] { return FWorkbookPage->WorkbookPath(); }, this);
    FRunPage = new RunPage(FContext, this);
    pn1 = FWorkbookPage;
    pn3 = FHeaderPage;
    pn4 = FOutputPage;
    pn5 = FRunPage;
    for (QWidget* page : {pn1, pn3, pn4, pn5}) {
        page->setGeometry(kPanelRect);
        page->hide();
    }

    tmAuto = new QTimer(this);
    tmAuto->setObjectName(QStringLiteral("tmAuto"));
    tmAuto->setInterval(100);
    tmAuto->setSingleShot(true);
    connect(tmAuto, &QTimer::timeout, this, &TfmQRNMain::tmAutoTimer);
}

void TfmQRNMain::BuildStep2()
{
    const int listTop = 22;
    const int listHeight = 277;
    QLabel* excelLabel = AddLabel(pn2, QRNConsts::sListExcelLabel, QRect(8, 4, 177, kLabelHeight));
    listExcel = AddList<ColumnDragList>(pn2, "listExcel", QRect(8, listTop, 177, listHeight));
    excelLabel->setBuddy(listExcel);
    QLabel* onixLabel = AddLabel(pn2, QRNConsts::sListOnixLabel, QRect(193, 4, 200, kLabelHeight));
    listOnix = AddList<FieldDropList>(pn2, "listOnix", QRect(193, listTop, 177, listHeight));
    onixLabel->setBuddy(listOnix);
    QLabel* correspLabel = AddLabel(pn2, QRNConsts::sListCorrespLabel, QRect(404, 4, 293, kLabelHeight));
    listCorresp = AddList<SchemeList>(pn2, "listCorresp", QRect(404, listTop, 293, listHeight));
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

    actCorrespClear = AddAction(this, "actCorrespClear", QRNConsts::sCorrespClear, QRNConsts::sCorrespClearHint);
    actCorrespAuto = AddAction(this, "actCorrespAuto", QRNConsts::sCorrespAuto, QRNConsts::sCorrespAutoHint);
    actCorrespDel = AddAction(this, "actCorrespDel", QRNConsts::sCorrespDel, QRNConsts::sCorrespDelHint);
    actCorrespSave = AddAction(this, "actCorrespSave", QRNConsts::sCorrespSave, QRNConsts::sCorrespSaveHint);
    actCorrespOpen = AddAction(this, "actCorrespOpen", QRNConsts::sCorrespOpen, QRNConsts::sCorrespOpenHint);
    connect(actCorrespClear, &QAction::triggered, this,
            [this] { FContext.Guarded([this] { actCorrespClearExecute(); }); });
    connect(actCorrespAuto, &QAction::triggered, this,
            [this] { FContext.Guarded([this] { actCorrespAutoExecute(); }); });
    connect(actCorrespDel, &QAction::triggered, this, [this] { FContext.Guarded([this] { actCorrespDelExecute(); }); });
    connect(actCorrespSave, &QAction::triggered, this,
            [this] { FContext.Guarded([this] { actCorrespSaveExecute(); }); });
    connect(actCorrespOpen, &QAction::triggered, this,
            [this] { FContext.Guarded([this] { actCorrespOpenExecute(); }); });

    // One row of buttons under the three lists: the automatic mapping under
    // the two lists it reads, the scheme's own buttons under the scheme; the
    // instruction and the advice below them.
    const int belowLists = listTop + listHeight + 6;
    btAutoCorresp = AddActionButton(pn2, "btAutoCorresp", actCorrespAuto, QRect(8, belowLists, 190, kButtonHeight));
    // The rows as the conversion will read them, under the field list.
    btPreview = AddButton(pn2, "btPreview", QRNConsts::sPreview, QRect(8 + 196, belowLists, 110, kButtonHeight));
    btPreview->setToolTip(QStr(QRNConsts::sPreviewHint));
    connect(btPreview, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { btPreviewClick(); }); });
    btClearCorresp =
        AddActionButton(pn2, "btClearCorresp", actCorrespClear, QRect(404, belowLists, kButtonWidth, kButtonHeight));
    btSaveCorresp = AddActionButton(pn2, "btSaveCorresp", actCorrespSave,
                                    QRect(404 + 83, belowLists, kButtonWidth + 8, kButtonHeight));
    btOpenCorresp = AddActionButton(pn2, "btOpenCorresp", actCorrespOpen,
                                    QRect(404 + 174, belowLists, kButtonWidth + 8, kButtonHeight));
    const int notesTop = belowLists + kButtonHeight + 6;
    // The instruction reaches into the gap before the scheme list: at the
    // width of the two lists alone it would need a fifth line.
    AddNote(pn2, QRNConsts::sMappingInstruction, QRect(8, notesTop, 388, kPanelRect.height() - notesTop));
    AddNote(pn2, QRNConsts::sMappingAdvice, QRect(404, notesTop, 293, kPanelRect.height() - notesTop));

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
