#pragma once

#include <QObject>

class QWidget;

// How long the tooltips of the wizard's controls stay up: a fixed pause
// rather than Qt's measure by the length of the text. A tooltip goes to the
// widget under the pointer, so once the window has first been active the
// whole application's events pass here.
class HintDuration : public QObject {
public:
    explicit HintDuration(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& FWindow;
    bool FInstalled = false;
};
