#include "app/window/HintDuration.h"

#include "app/window/ListItemHint.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

HintDuration::HintDuration(QWidget& window) : QObject(&window), FWindow(window)
{
    window.installEventFilter(this);
}

bool HintDuration::eventFilter(QObject* watched, QEvent* event)
{
    if (!FInstalled) {
        if (watched == &FWindow && event->type() == QEvent::ActivationChange && FWindow.isActiveWindow()) {
            FWindow.removeEventFilter(this);
            qApp->installEventFilter(this);
            FInstalled = true;
        }
        return false;
    }
    if (event->type() != QEvent::ToolTip) return false;
    // The cut-off items of step 2's lists are that page's business.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != &FWindow || widget->toolTip().isEmpty()) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), widget->toolTip(), const_cast<QWidget*>(widget),
                       QRect(), kHintHidePauseMs);
    return true;
}
