#include "app/window/ConversionRunner.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "catalogue/QRNConsts.h"
#include "messages/FaultMessages.h"

#include "base/MessageFormat.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

namespace {

// How long the window lets log lines and progress gather before it shows
// them: often enough for the eye, seldom enough to leave the run its
// processor.
constexpr int kWindowUpdateDelayMs = 50;
// Once the pane is full only the count of the lines it leaves out changes:
// a few times a second is enough for that.
constexpr int kNoticeUpdateDelayMs = 400;

} // namespace

class ConversionRunner::PostingObserver final : public RunObserver {
public:
    explicit PostingObserver(ConversionRunner& runner) : runner_(runner) {}

    // Log lines reach the window in batches: one event per line would keep
    // the window busy long after a run of a hundred thousand errors ended.
    void ClearLog() override
    {
        const std::lock_guard lock(runner_.pendingLock_);
        runner_.ClearPendingLog();
        runner_.pendingClear_ = true;
        PostLogFlush(kWindowUpdateDelayMs);
    }

    // The pane takes the first lines only; the spool keeps every one, and the
    // window learns how many it does not show.
    void LogLine(const std::string& line) override
    {
        const std::lock_guard lock(runner_.pendingLock_);
        runner_.spool_.Append(line);
        if (runner_.paneLines_ < kPaneLineLimit) {
            runner_.pendingLines_.append(QShown(line));
            ++runner_.paneLines_;
        } else {
            ++runner_.hiddenLines_;
        }
        PostLogFlush(runner_.paneLines_ < kPaneLineLimit ? kWindowUpdateDelayMs : kNoticeUpdateDelayMs);
    }

    void ProgressMaximum(int maximum) override
    {
        // A maximum of 0 would make the bar a busy animation: a bar over no
        // rows stands empty.
        Post([&progress = runner_.progress_, maximum] { progress.setMaximum(std::max(maximum, 1)); });
    }

    // One step per row would flood the window's queue on a large workbook;
    // the window shows the latest position a moment later, as for the log.
    void ProgressPosition(int position) override
    {
        runner_.latestPosition_ = position;
        if (runner_.positionPosted_.exchange(true)) return;
        Post([&runner = runner_] {
            QTimer::singleShot(kWindowUpdateDelayMs, &runner, [&runner] {
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
            runner.FlushLog();
            runner.dialogs_.ShowWarning(&runner.window_, text);
            seen->set_value();
        });
        // An abandoned run goes on without waiting for the box: it stops at
        // its next batch of rows.
        while (closed.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (runner_.abandoned_) return;
    }

private:
    // With the pending lines locked: one flush waits at most, a moment after
    // the first line it will show, so the window takes the lines in a few
    // large batches and leaves the processor to the run. What the window
    // shows after lines (a warning box, the run's end) flushes them first.
    void PostLogFlush(int delayMs)
    {
        if (runner_.flushPosted_) return;
        runner_.flushPosted_ = true;
        Post([&runner = runner_, delayMs] { QTimer::singleShot(delayMs, &runner, [&runner] { runner.FlushLog(); }); });
    }

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
    : run_(std::move(run)), log_(log), progress_(progress), dialogs_(dialogs), window_(window)
{
    // Nobody undoes a log: an undo record of every batch appended would cost
    // time and memory on a long run.
    log_.setUndoRedoEnabled(false);
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
    {
        const std::lock_guard lock(pendingLock_);
        ClearPendingLog();
        pendingClear_ = true;
        flushPosted_ = false;
    }
    FlushLog();
    // A stop request of its own: an earlier run's must not stop this one.
    inputs.stop = StopRequest();
    stop_ = inputs.stop;
    worker_ = std::thread([this, inputs = std::move(inputs)] {
        QString failure;
        RunResult result;
        try {
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

void ConversionRunner::ClearPendingLog()
{
    spool_.Clear();
    pendingLines_.clear();
    paneLines_ = 0;
    hiddenLines_ = 0;
}

std::vector<std::string> ConversionRunner::LogLines() const
{
    const std::lock_guard lock(pendingLock_);
    return spool_.Lines();
}

void ConversionRunner::FlushLog()
{
    QStringList lines;
    bool clear = false;
    int hidden = 0;
    {
        const std::lock_guard lock(pendingLock_);
        lines.swap(pendingLines_);
        std::swap(clear, pendingClear_);
        hidden = hiddenLines_;
        flushPosted_ = false;
    }
    if (clear) {
        log_.clear();
        hiddenShown_ = 0;
    }
    if (!lines.isEmpty()) log_.appendPlainText(lines.join('\n'));
    if (hidden == hiddenShown_) return;
    // One line under the pane's last tells how many more the log holds; it
    // is rewritten as their number grows.
    const QString notice = QStr(FormatMessage(QRNConsts::sLogLinesNotShown, {std::to_string(hidden)}));
    if (hiddenShown_ == 0) {
        log_.appendPlainText(notice);
    } else {
        QTextCursor cursor(log_.document()->lastBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(notice);
    }
    hiddenShown_ = hidden;
}

void ConversionRunner::AddLogLine(const QString& line)
{
    {
        const std::lock_guard lock(pendingLock_);
        spool_.Append(StdStr(line));
    }
    log_.appendPlainText(QShown(StdStr(line)));
}

void ConversionRunner::Abandon()
{
    abandoned_ = true;
    stop_.Request();
}

void ConversionRunner::Finish(const QString& failure, const RunResult& result)
{
    if (worker_.joinable()) worker_.join();
    running_ = false;
    lastResult_ = result;
    lastFailure_ = failure;
    // What the run reported after the stop request is shown too: it may have
    // ended before it looked at the request.
    FlushLog();
    if (result.stopped) AddLogLine(QStr(QRNConsts::sConversionStopped));
    if (abandoned_) progress_.setValue(0);
    // A run the user stopped ends without a box: the window may be closing.
    if (!lastFailure_.isEmpty() && !abandoned_) dialogs_.ShowError(&window_, lastFailure_);
    emit Finished();
}
