#include "app/window/ConversionRunner.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "messages/FaultMessages.h"

#include "base/MessageFormat.h"
#include "base/TemporaryFiles.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <future>
#include <iterator>
#include <memory>

namespace {

// How long the window lets log lines and progress gather before it shows
// them: often enough for the eye, seldom enough to leave the run its
// processor.
constexpr int kWindowUpdateDelayMs = 50;
// Once the pane is full only the count of the lines it leaves out changes:
// a few times a second is enough for that.
constexpr auto kNoticeUpdateDelay = std::chrono::milliseconds(400);
// Past this many bytes of lines waiting for the window, the worker takes
// them to the spool itself: a window that falls behind then holds a few
// megabytes of the log, never the whole of it.
constexpr std::size_t kMostWaitingBytes = 1 << 20;

} // namespace

class ConversionRunner::PostingObserver final : public RunObserver {
public:
    explicit PostingObserver(ConversionRunner& runner) : runner_(runner) {}

    // Log lines reach the window in batches: one event per line would keep
    // the window busy long after a run of a hundred thousand errors ended.
    void ClearLog() override
    {
        const std::lock_guard drain(runner_.drainLock_);
        const std::lock_guard lock(runner_.arrivalLock_);
        runner_.ClearLogLocked();
        runner_.pendingClear_ = true;
        PostLogFlush();
    }

    // The worker only copies the line: the window's thread writes it into
    // the spool and the pane, beside the run rather than in its way.
    void LogLine(const std::string& line) override
    {
        bool windowBehind = false;
        {
            const std::lock_guard lock(runner_.arrivalLock_);
            runner_.arrivedLines_.Add(line);
            windowBehind = runner_.arrivedLines_.Bytes() >= kMostWaitingBytes;
            PostLogFlush();
        }
        if (windowBehind) runner_.DrainLog();
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
            runner.FlushLog(true);
            runner.dialogs_.ShowWarning(&runner.window_, text);
            seen->set_value();
        });
        // An abandoned run goes on without waiting for the box: it stops at
        // its next batch of rows.
        while (closed.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            if (runner_.abandoned_) return;
    }

private:
    // With arrivalLock_ held: one flush waits at most, a moment after the
    // first line it will show, so the window takes the lines in a few large
    // batches and leaves the processor to the run. What the window shows
    // after lines (a warning box, the run's end) flushes them first.
    void PostLogFlush()
    {
        if (runner_.flushPosted_) return;
        runner_.flushPosted_ = true;
        Post([&runner = runner_] {
            QTimer::singleShot(kWindowUpdateDelayMs, &runner, [&runner] { runner.FlushLog(false); });
        });
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
        const std::lock_guard drain(drainLock_);
        const std::lock_guard lock(arrivalLock_);
        ClearLogLocked();
        pendingClear_ = true;
        flushPosted_ = false;
    }
    FlushLog(true);
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

void ConversionRunner::ClearLogLocked()
{
    arrivedLines_.Clear();
    spool_.Clear();
    paneLinesToShow_.clear();
    paneLines_ = 0;
    hiddenLines_ = 0;
}

std::vector<std::string> ConversionRunner::LogLines() const
{
    const std::lock_guard drain(drainLock_);
    std::vector<std::string> lines = spool_.Lines();
    const std::lock_guard lock(arrivalLock_);
    for (std::string& line : arrivedLines_.FirstLines(arrivedLines_.Count())) lines.push_back(std::move(line));
    return lines;
}

void ConversionRunner::DrainLog()
{
    const std::lock_guard drain(drainLock_);
    DrainLogLocked();
}

void ConversionRunner::DrainLogLocked()
{
    RunLogBatch& lines = drainedLines_;
    {
        const std::lock_guard lock(arrivalLock_);
        std::swap(lines, arrivedLines_);
    }
    spool_.Append(lines);
    std::vector<std::string> shown = lines.FirstLines(static_cast<std::size_t>(kPaneLineLimit - paneLines_));
    paneLines_ += static_cast<int>(shown.size());
    hiddenLines_ += static_cast<int>(lines.Count() - shown.size());
    paneLinesToShow_.insert(paneLinesToShow_.end(), std::make_move_iterator(shown.begin()),
                            std::make_move_iterator(shown.end()));
    lines.Clear();
}

void ConversionRunner::FlushLog(bool noticeNow)
{
    bool clear = false;
    std::vector<std::string> lines;
    int hidden = 0;
    {
        const std::lock_guard drain(drainLock_);
        {
            const std::lock_guard lock(arrivalLock_);
            std::swap(clear, pendingClear_);
            flushPosted_ = false;
        }
        DrainLogLocked();
        lines.swap(paneLinesToShow_);
        hidden = hiddenLines_;
    }
    if (clear) {
        log_.clear();
        hiddenShown_ = 0;
    }
    if (!lines.empty()) {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines) shown.append(QShown(line));
        log_.appendPlainText(shown.join('\n'));
    }
    if (hidden == hiddenShown_) return;
    // One line under the pane's last tells how many more the log holds; it
    // is rewritten as their number grows, a few times a second.
    const auto now = std::chrono::steady_clock::now();
    const auto sinceShown = now - noticeShownAt_;
    if (hiddenShown_ != 0 && !noticeNow && sinceShown < kNoticeUpdateDelay) {
        // The count is brought up to date when it is due, also if no line
        // comes meanwhile.
        if (!noticeDue_) {
            noticeDue_ = true;
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(kNoticeUpdateDelay - sinceShown);
            QTimer::singleShot(wait, this, [this] {
                noticeDue_ = false;
                FlushLog(false);
            });
        }
        return;
    }
    const QString notice = QStr(FormatMessage(QRNConsts::sLogLinesNotShown, {std::to_string(hidden)}));
    if (hiddenShown_ == 0) {
        log_.appendPlainText(notice);
    } else {
        QTextCursor cursor(log_.document()->lastBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(notice);
    }
    hiddenShown_ = hidden;
    noticeShownAt_ = now;
}

void ConversionRunner::AddLogLine(const QString& line)
{
    // After every line the run has reported, in the spool as in the pane.
    FlushLog(true);
    {
        const std::lock_guard drain(drainLock_);
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
    FlushLog(true);
    if (result.stopped) AddLogLine(QStr(QRNConsts::sConversionStopped));
    if (abandoned_) progress_.setValue(0);
    // A run the user stopped ends without a box: the window may be closing.
    if (!lastFailure_.isEmpty() && !abandoned_) dialogs_.ShowError(&window_, lastFailure_);
    emit Finished();
}
