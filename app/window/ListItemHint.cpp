#include "app/window/ListItemHint.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

namespace {

// What a tooltip adds around its text: margins and frame on either side.
constexpr int kTipFrameWidth = 12;

// The room an item's text has: the row across the client area, less the
// margins the style keeps on either side of the text.
int TextRoom(const QListWidget& list)
{
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.viewport()->width() - 2 * margin;
}

} // namespace

bool ListItemTextFits(const QListWidget& list, int row)
{
    const QListWidgetItem* item = list.item(row);
    if (!item) return true;
    return list.fontMetrics().horizontalAdvance(item->text()) <= TextRoom(list);
}

void ShowListItemHint(QListWidget& list, const QPoint& clientPosition)
{
    const QListWidgetItem* item = list.itemAt(clientPosition);
    const int row = item ? list.row(item) : -1;
    // The item's own note (a scheme line that does not work says why) under
    // its text when that is cut.
    const bool fits = row < 0 || ListItemTextFits(list, row);
    const QString note = item ? item->toolTip() : QString();
    if (row < 0 || (fits && note.isEmpty())) {
        QToolTip::hideText();
        return;
    }
    const QString hint = fits ? note : note.isEmpty() ? item->text() : item->text() + QLatin1Char('\n') + note;
    const QRect itemRect = list.visualItemRect(item);
    const QRect rowRect(0, itemRect.top(), list.viewport()->width(), itemRect.height());
    // Qt puts a tooltip a little right of and below the point it is given;
    // step back by that much so that the tip starts right under the row. Not
    // over it: a tip under the pointer takes the pointer from the list, and
    // Qt hides the tip at once.
    const QPoint tipOffset(2, 16);
    QPoint at = list.viewport()->mapToGlobal(QPoint(1, rowRect.bottom() + 2)) - tipOffset;
    // A tip that would run off the right of the screen is moved left just
    // enough; Qt would otherwise flip it to the far side of the point.
    if (const QScreen* screen = list.screen()) {
        const int tipWidth = QFontMetrics(QToolTip::font()).horizontalAdvance(hint) + kTipFrameWidth;
        at.setX(std::max(screen->geometry().left(),
                         std::min(at.x(), screen->geometry().right() - tipWidth - tipOffset.x())));
    }
    QToolTip::showText(at, hint, list.viewport(), rowRect, kHintHidePauseMs);
}
