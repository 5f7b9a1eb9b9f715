#include "app/window/StepTitleBand.h"

#include "app/window/QtText.h"
#include "app/window/WizardControls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr int kBandHeight = 57;

} // namespace

StepTitleBand::StepTitleBand(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnHeader"));
    setFixedHeight(kBandHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);

    lbHeader = NewLabel(this, "");
    lbHeader->setObjectName(QStringLiteral("lbHeader"));
    QFont bold = lbHeader->font();
    bold.setBold(true);
    lbHeader->setFont(bold);
    lbInfo = NewNote(this, "");
    lbInfo->setObjectName(QStringLiteral("lbInfo"));
    lbInfo->setFixedSize(645, 30);
    auto* picture = new QLabel(this);
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
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 8, 16, 0);
    layout->setSpacing(0);
    layout->addLayout(texts);
    layout->addStretch();
    layout->addLayout(pictureColumn);
}

void StepTitleBand::SetTexts(const char* title, const char* info)
{
    lbHeader->setText(QStr(title));
    lbInfo->setText(QStr(info));
}
