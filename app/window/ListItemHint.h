#pragma once

#include <QPoint>

class QListWidget;

// How long a tooltip stays up, and how long the pointer must rest before one
// appears, while the wizard is the active window.
inline constexpr int kHintHidePauseMs = 5000;
inline constexpr int kHintPauseMs = 300;

// Whether the list shows the whole text of its item, or cuts it off.
bool ListItemTextFits(const QListWidget& list, int row);

// The tooltip request of a list at a point of its client area: an item whose
// text is cut off shows its full text right over itself, in a window of its own
// that lets the pointer through to the list,, valid while the
// pointer stays on that row; an item that fits, or no item, shows nothing
// (the lists have no tooltip of their own).
void ShowListItemHint(QListWidget& list, const QPoint& clientPosition);

// The window that shows those texts (for a test to look at).
class QWidget* ListItemHintWindow();
