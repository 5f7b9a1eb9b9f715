#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "convert/RunResult.h"
#include "app/window/RunLogPane.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <string>
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

    // Holds the run's files back before they are put in place, while the
    // user is asked whether to stop; false when it is too late: they are
    // being put in place. ReleaseFiles lets them go on after a Нет.
    bool HoldFiles() { return running_ && stop_.Hold(); }
    void ReleaseFiles() { stop_.Release(); }
    // The run has done its work and waits for its files to be let go.
    bool WaitsToSave() const { return running_ && stop_.Waiting(); }

    // Makes the run stop before its next row, through its stop request;
    // nothing more of it reaches the window until it has ended. The files it
    // was writing are not saved, and the previous files of those names stay
    // as they were; the log then ends with a line that says so.
    void Abandon();

    // Every line of the last run's log, also those past what the pane shows.
    std::vector<std::string> LogLines() const { return log_.Lines(); }
    // A line of the window's own under the run's, kept with them.
    void AddLogLine(const QString& line) { log_.AddLine(line); }

signals:
    // After a run has ended, and after the error box of a platform error that
    // ended it (an abandoned run shows none).
    void Finished();

private:
    class PostingObserver;

    void Finish(const QString& failure, const RunResult& result);

    RunFunction run_;
    QProgressBar& progress_;
    UserDialogs& dialogs_;
    QWidget& window_;
    bool running_ = false;
    RunResult lastResult_;
    QString lastFailure_;
    std::atomic<bool> abandoned_{false};
    StopRequest stop_;
    RunLogPane log_;
    std::atomic<int> latestPosition_{0};
    std::atomic<bool> positionPosted_{false};
    std::thread worker_;
};
