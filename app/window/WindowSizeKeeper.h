#pragma once

#include <QObject>
#include <QSize>

class QWidget;

// The wizard opens at its classic size, or at the larger size the user last
// left it at; it may be enlarged, never made smaller than the classic size.
// The size is remembered in the settings as the window closes, when it
// changed.
class WindowSizeKeeper : public QObject {
public:
    WindowSizeKeeper(QWidget& window, QSize least);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QSize remembered_;
};
