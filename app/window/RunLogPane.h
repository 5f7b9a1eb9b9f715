#pragma once

#include "app/window/RunLogSpool.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

class QPlainTextEdit;

// The log pane of step 5 as a run fills it. The run's worker thread only
// hands its lines over; the window's thread shows them in a few large
// batches: the first kLineLimit of them, and under them one line that tells
// how many more the log holds. Every line is kept in a spool, so that
// "Сохранить протокол..." writes the whole log.
class RunLogPane : public QObject {
    Q_OBJECT

public:
    // Once the run is abandoned its worker no longer asks the window to show
    // its lines: they are shown when the run has ended.
    RunLogPane(QPlainTextEdit& pane, const std::atomic<bool>& runAbandoned);

    // The most lines of a run the pane shows.
    static constexpr int kLineLimit = 10000;
    // How long the window lets log lines gather before it shows them: often
    // enough for the eye, seldom enough to leave the run its processor.
    static constexpr int kUpdateDelayMs = 50;

    // On the window's thread.
    // A new run's log: the pane and the kept lines start empty.
    void StartOver();
    // Shows the lines the run has reported since the last flush; the count
    // of the lines past the pane's limit now, or when it is due.
    void Flush(bool noticeNow);
    // A line of the window's own under the run's, kept with them.
    void AddLine(const QString& line);
    // Every line of the log, also those past what the pane shows.
    std::vector<std::string> Lines() const;

    // On the run's worker thread.
    // The run's log starts over.
    void RunStartsOver();
    void RunAdds(const std::string& line);

private:
    // With arrivalLock_ held: asks the window for a flush, unless one is
    // coming already.
    void PostFlush();
    // Hands the lines the run has reported to the spool and, the first
    // kLineLimit of them, to the pane: on the window's thread as a rule, on
    // the worker when the window falls behind.
    void Drain();
    // The same with drainLock_ held.
    void DrainLocked();
    // With drainLock_ and arrivalLock_ held.
    void ClearLocked();

    QPlainTextEdit& pane_;
    const std::atomic<bool>& runAbandoned_;
    // The lines the run reports wait under arrivalLock_, so that the worker
    // only copies each one; writing them into the spool is the window's work.
    mutable std::mutex arrivalLock_;
    RunLogBatch arrivedLines_;
    bool pendingClear_ = false;
    bool flushPosted_ = false;
    // Under drainLock_, taken before arrivalLock_: every line goes to the
    // spool, the first kLineLimit also to the pane; the rest are counted.
    mutable std::mutex drainLock_;
    RunLogSpool spool_;
    // The lines being drained; its memory serves the next arrivals.
    RunLogBatch drainedLines_;
    std::vector<std::string> paneLinesToShow_;
    int paneLines_ = 0;
    int hiddenLines_ = 0;
    // How many hidden lines the pane's last line tells of, when it last
    // changed, and whether its next change waits on a timer (window thread).
    int hiddenShown_ = 0;
    std::chrono::steady_clock::time_point noticeShownAt_;
    bool noticeDue_ = false;
};
