#include "app/window/ConversionRunner.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "messages/FaultMessages.h"

#include "base/TemporaryFiles.h"

#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

class ConversionRunner::PostingObserver final : public RunObserver {
public:
    explicit PostingObserver(ConversionRunner& runner) : runner_(runner) {}

    // The pane gathers the lines into batches for the window.
    void ClearLog() override { runner_.log_.RunStartsOver(); }
    void LogLine(const std::string& line) override { runner_.log_.RunAdds(line); }

    void ProgressMaximum(int maximum) override
    {
        // A maximum of 0 would make the bar a busy animation: a bar over no
        // rows stands empty.
        Post([&progress = runner_.progress_, maximum] { progress.setMaximum(std::max(maximum, 1)); });
    }

    // One step per row would flood the window's queue on a large workbook;
    // the window shows the latest position a moment later, as the log's lines.
    void ProgressPosition(int position) override
    {
        runner_.latestPosition_ = position;
        if (runner_.positionPosted_.exchange(true)) return;
        Post([&runner = runner_] {
            QTimer::singleShot(RunLogPane::kUpdateDelayMs, &runner, [&runner] {
                runner.positionPosted_ = false;
                runner.progress_.setValue(runner.latestPosition_);
            });
        });
    }

    void LongCellWarning(const std::string& message, int, const std::string&) override
    {
        auto seen = std::make_shared<std::promise<void>>();
        std::future<void> closed = seen->get_future();
        Post([&runner = runner_, seen, text = QShown(message)] {
            runner.log_.Flush(true);
            runner.dialogs_.ShowWarning(&runner.window_, text);
            seen->set_value();
        });
        // An abandoned run goes on without waiting for the box: it stops at
        // its next batch of rows.
        while (closed.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (runner_.abandoned_) return;
    }

private:
    // Nothing of an abandoned run reaches the window any more. The observer
    // never throws: the run is stopped by its stop request, which every
    // reading loop heeds, and cleans up as it returns.
    template <typename Call>
    void Post(Call&& call)
    {
        if (runner_.abandoned_) return;
        QMetaObject::invokeMethod(&runner_, std::forward<Call>(call), Qt::QueuedConnection);
    }

    ConversionRunner& runner_;
};

ConversionRunner::ConversionRunner(RunFunction run, QPlainTextEdit& log, QProgressBar& progress, UserDialogs& dialogs,
                                   QWidget& window)
    : run_(std::move(run)), progress_(progress), dialogs_(dialogs), window_(window), log_(log, abandoned_)
{
}

ConversionRunner::~ConversionRunner()
{
    Abandon();
    if (worker_.joinable()) worker_.join();
}

bool ConversionRunner::Start(RunInputs inputs)
{
    if (running_) return false;
    if (worker_.joinable()) worker_.join();
    running_ = true;
    abandoned_ = false;
    positionPosted_ = false;
    log_.StartOver();
    // A stop request of its own: an earlier run's must not stop this one.
    inputs.stop = StopRequest();
    stop_ = inputs.stop;
    worker_ = std::thread([this, inputs = std::move(inputs)] {
        QString failure;
        RunResult result;
        try {
            const InterruptNotice notice;
            PostingObserver observer(*this);
            result = run_(inputs, observer);
        } catch (const std::exception& error) {
            failure = QShown(UserMessage(error));
        } catch (...) {
            failure = QStr(QRNConsts::sUnexpectedRunError);
        }
        QMetaObject::invokeMethod(
            this, [this, failure, result = std::move(result)] { Finish(failure, result); }, Qt::QueuedConnection);
    });
    return true;
}

void ConversionRunner::Abandon()
{
    abandoned_ = true;
    stop_.Request();
    stop_.Release();
}

void ConversionRunner::Finish(const QString& failure, const RunResult& result)
{
    if (worker_.joinable()) worker_.join();
    running_ = false;
    lastResult_ = result;
    lastFailure_ = failure;
    // What the run reported after the stop request is shown too: it may have
    // ended before it looked at the request.
    log_.Flush(true);
    if (result.stopped) AddLogLine(QStr(QRNConsts::sConversionStopped));
    else if (abandoned_ && !result.savedFiles.empty()) AddLogLine(QStr(QRNConsts::sStoppedAfterReplacing));
    if (abandoned_) progress_.setValue(0);
    // A run that read every row ends with its bar full, whatever position
    // it last reported.
    if (failure.isEmpty() && !result.stopped && !abandoned_) {
        latestPosition_ = progress_.maximum();
        progress_.setValue(progress_.maximum());
    }
    // A run the user stopped ends without a box: the window may be closing.
    if (!lastFailure_.isEmpty() && !abandoned_)
        dialogs_.ShowError(&window_, QStr(QRNConsts::sNoFileSaved) + QLatin1Char('\n') + lastFailure_);
    emit Finished();
}
