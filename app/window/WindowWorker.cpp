#include "app/window/WindowWorker.h"

#include "app/window/QtText.h"

#include "app/window/WindowTexts.h"
#include "messages/FaultMessages.h"

WindowWorker::~WindowWorker()
{
    stop_.Request();
    if (thread_.joinable()) thread_.join();
}

bool WindowWorker::Start(Work work, std::function<void(const QString& failure)> failed)
{
    if (busy_) return false;
    if (thread_.joinable()) thread_.join();
    busy_ = true;
    stop_ = StopRequest();
    thread_ = std::thread([this, work = std::move(work), failed = std::move(failed), stop = stop_] {
        Continuation then;
        try {
            then = work(stop);
        } catch (const std::exception& error) {
            then = [failed, text = QShown(UserMessage(error))] { failed(text); };
        } catch (...) {
            then = [failed] { failed(QString::fromUtf8(QRNConsts::sUnexpectedRunError)); };
        }
        // Posted to the worker itself: when it is gone, so is this.
        QMetaObject::invokeMethod(
            this,
            [this, then = std::move(then)] {
                busy_ = false;
                then();
            },
            Qt::QueuedConnection);
    });
    return true;
}
