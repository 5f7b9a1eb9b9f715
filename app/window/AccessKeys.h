#pragma once

#include <QChar>
#include <QList>
#include <QSet>
#include <QString>

class QWidget;

// The Alt-letter keys of the wizard: each button and each label that leads to
// a field gets the underlined letter of its own text, so the texts stay as
// they are.

// Gives each of `controls` (buttons, and labels with a buddy; others are
// passed over) the first letter of its text that `taken` does not hold yet,
// a letter that starts a word before any other, and adds it to `taken`. A
// text without a free letter gets none.
void AssignAccessKeys(const QList<QWidget*>& controls, QSet<QChar>& taken);

// The frame's buttons are there on every step: each step's page gives its
// own controls the letters the buttons leave free.
void AssignStepAccessKeys(const QList<QWidget*>& frameButtons, const QList<QWidget*>& pages);

// The key a control's text underlines, in lower case; null for none.
QChar AccessKeyOf(const QString& text);

// The buttons and the labels with a buddy inside `parent`, in the order
// they were made.
QList<QWidget*> AccessKeyControls(const QWidget& parent);
