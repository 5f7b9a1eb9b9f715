#include "app/window/RunLogPane.h"

#include "app/window/QtText.h"
#include "app/window/WindowTexts.h"

#include "base/MessageFormat.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <iterator>
#include <utility>

namespace {

// Once the pane is full only the count of the lines it leaves out changes:
// a few times a second is enough for that.
constexpr auto kNoticeUpdateDelay = std::chrono::milliseconds(400);
// Past this many bytes of lines waiting for the window, the worker takes
// them to the spool itself: a window that falls behind then holds a few
// megabytes of the log, never the whole of it.
constexpr std::size_t kMostWaitingBytes = 1 << 20;

} // namespace

RunLogPane::RunLogPane(QPlainTextEdit& pane, const std::atomic<bool>& runAbandoned)
    : pane_(pane), runAbandoned_(runAbandoned)
{
    // Nobody undoes a log: an undo record of every batch appended would cost
    // time and memory on a long run.
    pane_.setUndoRedoEnabled(false);
}

void RunLogPane::StartOver()
{
    {
        const std::lock_guard drain(drainLock_);
        const std::lock_guard lock(arrivalLock_);
        ClearLocked();
        pendingClear_ = true;
        flushPosted_ = false;
    }
    Flush(true);
}

// Log lines reach the window in batches: one event per line would keep the
// window busy long after a run of a hundred thousand errors ended.
void RunLogPane::RunStartsOver()
{
    const std::lock_guard drain(drainLock_);
    const std::lock_guard lock(arrivalLock_);
    ClearLocked();
    pendingClear_ = true;
    PostFlush();
}

// The worker only copies the line: the window's thread writes it into the
// spool and the pane, beside the run rather than in its way.
void RunLogPane::RunAdds(const std::string& line)
{
    bool windowBehind = false;
    {
        const std::lock_guard lock(arrivalLock_);
        arrivedLines_.Add(line);
        windowBehind = arrivedLines_.Bytes() >= kMostWaitingBytes;
        PostFlush();
    }
    if (windowBehind) Drain();
}

// One flush waits at most, a moment after the first line it will show, so
// the window takes the lines in a few large batches and leaves the processor
// to the run. What the window shows after lines (a warning box, the run's
// end) flushes them first.
void RunLogPane::PostFlush()
{
    if (flushPosted_) return;
    flushPosted_ = true;
    if (runAbandoned_) return;
    QMetaObject::invokeMethod(
        this, [this] { QTimer::singleShot(kUpdateDelayMs, this, [this] { Flush(false); }); }, Qt::QueuedConnection);
}

void RunLogPane::ClearLocked()
{
    arrivedLines_.Clear();
    spool_.Clear();
    paneLinesToShow_.clear();
    paneLines_ = 0;
    hiddenLines_ = 0;
}

std::vector<std::string> RunLogPane::Lines() const
{
    const std::lock_guard drain(drainLock_);
    std::vector<std::string> lines = spool_.Lines();
    const std::lock_guard lock(arrivalLock_);
    for (std::string& line : arrivedLines_.FirstLines(arrivedLines_.Count())) lines.push_back(std::move(line));
    return lines;
}

void RunLogPane::Drain()
{
    const std::lock_guard drain(drainLock_);
    DrainLocked();
}

void RunLogPane::DrainLocked()
{
    RunLogBatch& lines = drainedLines_;
    {
        const std::lock_guard lock(arrivalLock_);
        std::swap(lines, arrivedLines_);
    }
    spool_.Append(lines);
    std::vector<std::string> shown = lines.FirstLines(static_cast<std::size_t>(kLineLimit - paneLines_));
    paneLines_ += static_cast<int>(shown.size());
    hiddenLines_ += static_cast<int>(lines.Count() - shown.size());
    paneLinesToShow_.insert(paneLinesToShow_.end(), std::make_move_iterator(shown.begin()),
                            std::make_move_iterator(shown.end()));
    lines.Clear();
}

void RunLogPane::Flush(bool noticeNow)
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
        DrainLocked();
        lines.swap(paneLinesToShow_);
        hidden = hiddenLines_;
    }
    if (clear) {
        pane_.clear();
        hiddenShown_ = 0;
    }
    if (!lines.empty()) {
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines) shown.append(QShown(line));
        pane_.appendPlainText(shown.join('\n'));
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
                Flush(false);
            });
        }
        return;
    }
    const QString notice = QStr(FormatMessage(QRNConsts::sLogLinesNotShown,
                                              {std::to_string(hidden), CountedNoun(hidden, QRNConsts::sLineForms)}));
    if (hiddenShown_ == 0) {
        pane_.appendPlainText(notice);
    } else {
        QTextCursor cursor(pane_.document()->lastBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(notice);
    }
    hiddenShown_ = hidden;
    noticeShownAt_ = now;
}

void RunLogPane::AddLine(const QString& line)
{
    // After every line the run has reported, in the spool as in the pane.
    Flush(true);
    {
        const std::lock_guard drain(drainLock_);
        spool_.Append(StdStr(line));
    }
    pane_.appendPlainText(QShown(StdStr(line)));
}
