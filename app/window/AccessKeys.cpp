#include "app/window/AccessKeys.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

QString TextOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return {};
}

void SetTextOf(QWidget& control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) button->setText(text);
    if (auto* label = qobject_cast<QLabel*>(&control)) label->setText(text);
}

// Where the key goes: the first free letter that starts a word, else the
// first free letter; -1 for none.
qsizetype FreeLetter(const QString& text, const QSet<QChar>& taken)
{
    qsizetype anyLetter = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetter() || taken.contains(text[i].toLower())) continue;
        if (i == 0 || !text[i - 1].isLetterOrNumber()) return i;
        if (anyLetter < 0) anyLetter = i;
    }
    return anyLetter;
}

} // namespace

void AssignAccessKeys(const QList<QWidget*>& controls, QSet<QChar>& taken)
{
    for (QWidget* control : controls) {
        QString text = TextOf(*control);
        if (const QChar own = AccessKeyOf(text); !own.isNull()) {
            taken.insert(own);
            continue;
        }
        const qsizetype at = FreeLetter(text, taken);
        if (at < 0) continue;
        taken.insert(text[at].toLower());
        // A "&" of the text itself is shown as one.
        const QString before = text.left(at).replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString after = text.mid(at).replace(QLatin1Char('&'), QStringLiteral("&&"));
        SetTextOf(*control, before + QLatin1Char('&') + after);
    }
}

QChar AccessKeyOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

QList<QWidget*> AccessKeyControls(const QWidget& parent)
{
    QList<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(child);
        if (qobject_cast<QAbstractButton*>(child) || (label && label->buddy())) controls << child;
    }
    return controls;
}

void AssignStepAccessKeys(const QList<QWidget*>& frameButtons, const QList<QWidget*>& pages)
{
    QSet<QChar> frame;
    AssignAccessKeys(frameButtons, frame);
    for (QWidget* page : pages) {
        QSet<QChar> taken = frame;
        AssignAccessKeys(AccessKeyControls(*page), taken);
    }
}
