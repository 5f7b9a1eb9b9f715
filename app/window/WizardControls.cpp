#include "app/window/WizardControls.h"

#include "app/window/QtText.h"
#include "app/window/WindowTexts.h"

#include <QAction>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLabel* NewLabel(QWidget* parent, const char* text)
{
    auto* label = new QLabel(QStr(text), parent);
    label->setFixedHeight(kLabelHeight);
    return label;
}

QLabel* NewNote(QWidget* parent, const char* text)
{
    auto* note = new QLabel(QStr(text), parent);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

QLabel* NewMandatoryMark(QWidget* parent)
{
    QLabel* mark = NewLabel(parent, QRNConsts::sMandatoryMark);
    mark->setFixedWidth(9);
    mark->setStyleSheet(QStringLiteral("color: #e00000; font-weight: bold;"));
    return mark;
}

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedHeight(kEditHeight);
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* text, int width)
{
    auto* button = new QPushButton(QStr(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(width, kButtonHeight);
    button->setAutoDefault(true);
    return button;
}

QPushButton* NewEllipsisButton(QWidget* parent, const char* name, const char* hint)
{
    QPushButton* button = NewButton(parent, name, QRNConsts::sEllipsis);
    button->setFixedSize(23, kEditHeight);
    if (hint) button->setToolTip(QStr(hint));
    return button;
}

QPushButton* NewActionButton(QWidget* parent, const char* name, QAction* action, int width)
{
    QPushButton* button = NewButton(parent, name, "", width);
    button->setText(action->text());
    button->setToolTip(action->toolTip());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

QAction* NewAction(QObject* owner, const char* name, const char* caption, const char* hint)
{
    auto* action = new QAction(QStr(caption), owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QStr(hint));
    return action;
}

QFrame* NewRule(QWidget* parent)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setFixedHeight(2);
    return rule;
}

QLayout* LabelOver(QLabel* label, QWidget* field)
{
    auto* pair = new QVBoxLayout;
    pair->setSpacing(1);
    pair->addWidget(label);
    pair->addWidget(field);
    label->setBuddy(field);
    return pair;
}

QLayout* LabelOver(QLabel* label, QLayout* field)
{
    auto* pair = new QVBoxLayout;
    pair->setSpacing(1);
    pair->addWidget(label);
    pair->addLayout(field);
    return pair;
}

QLayout* LabelOverWithGap(QLabel* label, QWidget* field, int gap)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(field);
    row->addSpacing(gap);
    label->setBuddy(field);
    return LabelOver(label, row);
}

QLayout* FieldWithButton(QWidget* field, QPushButton* button, int gap)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(gap);
    row->addWidget(field);
    row->addWidget(button);
    return row;
}

void FocusNextInput(QWidget& button)
{
    QWidget* page = &button;
    while (page->parentWidget() && page->parentWidget() != button.window()) page = page->parentWidget();
    for (QWidget* next = button.nextInFocusChain(); next && next != &button; next = next->nextInFocusChain()) {
        if (!page->isAncestorOf(next)) break;
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // The last input of its step: on to the button that goes on.
    for (QPushButton* frameButton : button.window()->findChildren<QPushButton*>())
        if (frameButton->isDefault() && frameButton->isEnabled()) frameButton->setFocus(Qt::TabFocusReason);
}
