#include "app/window/ListItemHint.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace {

// The room an item's text has: the row across the client area, less the
// margins the style keeps on either side of the text.
int TextRoom(const QListWidget& list)
{
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return list.viewport()->width() - 2 * margin;
}

// The full text of a list item, shown right over the item. Qt's own tooltip
// cannot lie under the pointer: it takes the pointer from the list, and Qt
// hides it at once. This one lets the pointer through to the list, and goes
// when the pointer leaves the item's row, a button is pressed, or its time is
// up.
class ItemHint : public QLabel {
public:
    ItemHint() : QLabel(nullptr, Qt::ToolTip | Qt::WindowTransparentForInput)
    {
        setObjectName(QStringLiteral("itemHint"));
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setAutoFillBackground(true);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setMargin(2);
        expiry_.setSingleShot(true);
        connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
    }

    void Show(QWidget& viewport, const QRect& row, const QString& text, QPoint at)
    {
        if (viewport_ && viewport_ != &viewport) viewport_->removeEventFilter(this);
        viewport_ = &viewport;
        row_ = row;
        viewport.installEventFilter(this);
        setText(text);
        adjustSize();
        // Moved left just enough where it would run off the screen.
        if (const QScreen* screen = viewport.screen())
            at.setX(std::max(screen->geometry().left(), std::min(at.x(), screen->geometry().right() - width())));
        move(at);
        show();
        raise();
        expiry_.start(kHintHidePauseMs);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == viewport_ && isVisible()) {
            switch (event->type()) {
            case QEvent::MouseMove:
            // Where the window system hands the pointer to the hint after
            // all, the list hears it leave while it is still on the row.
            case QEvent::Leave: HideOffRow(); break;
            case QEvent::MouseButtonPress:
            case QEvent::Wheel:
            case QEvent::Hide: hide(); break;
            default: break;
            }
        }
        return QLabel::eventFilter(watched, event);
    }

    // The pointer on the hint itself, where it does get it.
    void mouseMoveEvent(QMouseEvent*) override { HideOffRow(); }
    void leaveEvent(QEvent*) override { HideOffRow(); }
    void mousePressEvent(QMouseEvent*) override { hide(); }

private:
    void HideOffRow()
    {
        if (!viewport_ || !row_.contains(viewport_->mapFromGlobal(QCursor::pos()))) hide();
    }

    QPointer<QWidget> viewport_;
    QRect row_;
    QTimer expiry_;
};

ItemHint& TheItemHint()
{
    static ItemHint* hint = new ItemHint;
    return *hint;
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
        TheItemHint().hide();
        return;
    }
    const QString hint = fits ? note : note.isEmpty() ? item->text() : item->text() + QLatin1Char('\n') + note;
    const QRect itemRect = list.visualItemRect(item);
    const QRect rowRect(0, itemRect.top(), list.viewport()->width(), itemRect.height());
    // The hint's text starts where the item's does.
    TheItemHint().Show(*list.viewport(), rowRect, hint, list.viewport()->mapToGlobal(rowRect.topLeft()));
}

QWidget* ListItemHintWindow()
{
    return &TheItemHint();
}
