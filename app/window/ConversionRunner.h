#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "app/window/RunLogSpool.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QPlainTextEdit;
class QProgressBar;
class QWidget;
class UserDialogs;

// A conversion is what the run functions of convert/ do.
using RunFunction = std::function<RunResult(const RunInputs&, RunObserver&)>;

// Runs one conversion at a time on a worker thread, so that the window keeps
// repainting its progress bar and log while the workbook is read and the rows
// are converted. The run reaches the window only through its observer, whose
// calls are carried over to the window's thread; the long-cell warning holds
// the run until the user has closed the box.
class ConversionRunner : public QObject {
    Q_OBJECT

public:
    ConversionRunner(RunFunction run, QPlainTextEdit& log, QProgressBar& progress, UserDialogs& dialogs,
                     QWidget& window);
    // Abandons a run still going and waits for its thread.
    ~ConversionRunner() override;

    bool IsRunning() const { return running_; }
    // A run is going on and has been asked to stop.
    bool Stopping() const { return running_ && abandoned_; }
    // How the last run that finished ended: its result (empty after a
    // failure) and the failure's text shown in the error box ("" for none).
    const RunResult& LastResult() const { return lastResult_; }
    const QString& LastFailure() const { return lastFailure_; }

    // Starts the run; false, and nothing happens, while another one is going.
    bool Start(RunInputs inputs);

    // Makes the run stop before its next row, through its stop request;
    // nothing more of it reaches the window until it has ended. The files it
    // was writing are not saved, and the previous files of those names stay
    // as they were; the log then ends with a line that says so.
    void Abandon();

    // Every line of the last run's log, also those past what the pane shows.
    std::vector<std::string> LogLines() const;
    // A line of the window's own under the run's, kept with them.
    void AddLogLine(const QString& line);

    // The most lines of a run the log pane shows; a line under them tells
    // how many more the log holds.
    static constexpr int kPaneLineLimit = 10000;

signals:
    // After a run has ended, and after the error box of a platform error that
    // ended it (an abandoned run shows none).
    void Finished();

private:
    class PostingObserver;

    void Finish(const QString& failure, const RunResult& result);
    // Shows the log lines the run has reported since the last flush; the
    // count of the lines past the pane's limit now, or when it is due.
    void FlushLog(bool noticeNow);
    // Hands the lines the run has reported to the spool and, the first
    // kPaneLineLimit of them, to the pane: on the window's thread as a rule,
    // on the worker when the window falls behind.
    void DrainLog();
    // The same with drainLock_ held.
    void DrainLogLocked();
    // With drainLock_ and arrivalLock_ held: a new run's log, or the run's
    // log started over.
    void ClearLogLocked();

    RunFunction run_;
    QPlainTextEdit& log_;
    QProgressBar& progress_;
    UserDialogs& dialogs_;
    QWidget& window_;
    bool running_ = false;
    RunResult lastResult_;
    QString lastFailure_;
    std::atomic<bool> abandoned_{false};
    StopRequest stop_;
    std::atomic<int> latestPosition_{0};
    std::atomic<bool> positionPosted_{false};
    // The lines the run reports wait under arrivalLock_, so that the worker
    // only copies each one; writing them into the spool is the window's work.
    mutable std::mutex arrivalLock_;
    RunLogBatch arrivedLines_;
    bool pendingClear_ = false;
    bool flushPosted_ = false;
    // Under drainLock_, taken before arrivalLock_: every line goes to the
    // spool, the first kPaneLineLimit also to the pane; the rest are counted.
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
    std::thread worker_;
};
