#pragma once

#include "base/StopRequest.h"

#include <QObject>
#include <QString>

#include <functional>
#include <thread>

// One piece of reading at a time on a thread of its own, so that the window
// stays responsive while a large workbook is read. The work returns what is
// to be done with its result, which is then done on the window's thread; a
// failure comes back as its text. Destroyed while the work goes on, the
// worker asks it to stop and waits for it, and nothing of it reaches the
// window.
class WindowWorker : public QObject {
    Q_OBJECT

public:
    using Continuation = std::function<void()>;
    using Work = std::function<Continuation(const StopRequest& stop)>;

    ~WindowWorker() override;

    bool Busy() const { return busy_; }
    // Starts the work; false, and nothing happens, while earlier work goes on.
    bool Start(Work work, std::function<void(const QString& failure)> failed);

private:
    bool busy_ = false;
    StopRequest stop_;
    std::thread thread_;
};
