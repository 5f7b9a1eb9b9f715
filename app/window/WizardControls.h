#pragma once

class QAction;
class QBoxLayout;
class QFrame;
class QLabel;
class QLayout;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

// The controls of the wizard's steps as each step makes them: texts from the
// catalogue, the sizes of a classic fixed dialog; where they stand is the
// business of the step's layouts.

inline constexpr int kButtonWidth = 75;
inline constexpr int kButtonHeight = 25;
inline constexpr int kEditHeight = 22;
inline constexpr int kLabelHeight = 17;

QLabel* NewLabel(QWidget* parent, const char* text);
// A word-wrapped label, its text at the top left.
QLabel* NewNote(QWidget* parent, const char* text);
// The red bold "*" before the label of a mandatory field.
QLabel* NewMandatoryMark(QWidget* parent);
QLineEdit* NewEdit(QWidget* parent, const char* name);
// Enter on a focused button clicks it, as Space does.
QPushButton* NewButton(QWidget* parent, const char* name, const char* text, int width = kButtonWidth);
// The small "..." button beside a field that opens a dialog.
QPushButton* NewEllipsisButton(QWidget* parent, const char* name, const char* hint);
// A button that stands for an action: its caption, tooltip and effect.
QPushButton* NewActionButton(QWidget* parent, const char* name, QAction* action, int width = kButtonWidth);
QAction* NewAction(QObject* owner, const char* name, const char* caption, const char* hint);
QFrame* NewRule(QWidget* parent);
// After a "..." button's dialog gave its field a value: the focus on the
// input that follows the button on its step, or on the window's default
// button when none does.
void FocusNextInput(QWidget& button);

// A label over its field, one pixel apart; the label leads to the field.
QLayout* LabelOver(QLabel* label, QWidget* field);
QLayout* LabelOver(QLabel* label, QLayout* field);
// The same with `gap` pixels left free at the field's right, into which the
// label may reach.
QLayout* LabelOverWithGap(QLabel* label, QWidget* field, int gap);
// The field with its "..." button at its right, `gap` pixels apart.
QLayout* FieldWithButton(QWidget* field, QPushButton* button, int gap = 4);
