#pragma once

#include "app/window/ConversionRunner.h"
#include "convert/RunInputs.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
struct WizardContext;

// Step 5: the conversion on its worker, its progress and its log, the
// question before it is stopped, and the report of the log the user may save
// once the run has ended. The one-shot timer tmAuto starts the run once the
// page is on the screen.
class RunPage : public QWidget {
    Q_OBJECT

public:
    // `runInputs` gives what the steps hold when the run starts.
    RunPage(const WizardContext& context, std::function<RunInputs()> runInputs, QWidget* parent);
    ~RunPage() override;

    // A run goes on, or its end waits for the answer to the stop question.
    bool Running() const { return FRunner->IsRunning() || FStopQuestionUp; }
    // The run waits, its work done, for the stop question to be answered
    // before it puts its files in place.
    bool WaitsToSave() const { return FRunner->WaitsToSave(); }

    // On entering the step: the run starts a moment later. Leaving the step
    // before then leaves it unstarted, rather than started behind the page of
    // another step.
    void StartShortly();
    void CancelStart();
    // The timer's handler: starts the run, unless one goes on; the log is
    // kept for the report until the next one.
    void tmAutoTimer();
    // "Прервать преобразование?" while the run goes on; no file is put in
    // place until it is answered. Да stops the run with every file as it
    // was, and then closes the window when the close box asked; closing the
    // window while the question is up answers Да. Once the files are being
    // put in place nothing is asked: the run ends and its log says so.
    void AskToStop(bool thenClose);
    // Under the log of a run that ended by itself: the summary, which stays
    // the same as the command line's, and the notes of the automatic mode,
    // whose questions nobody was there to answer.
    void ShowOutcome(const QStringList& automaticNotes);

signals:
    // Just before a run starts.
    void Starting();
    // After a run has ended, and after the error box of a platform error that
    // ended it; the window closes after this when the close box asked.
    void Finished();

private:
    void StopAnswered(bool stop, bool thenClose);
    void RunEnded();
    void SaveLog();

    const WizardContext& FContext;
    std::function<RunInputs()> FRunInputs;
    QProgressBar* ProgressBar1;
    QPlainTextEdit* memLog;
    QPushButton* btSaveLog;
    QTimer* tmAuto;
    std::unique_ptr<ConversionRunner> FRunner;
    // What the report names: the last run's workbook, type and start, and
    // its output file, whose name the report is offered under.
    RunInputs FLastRun;
    double FLastRunDateTime = 0;
    bool FCloseRequested = false;
    bool FStopQuestionUp = false;
    // The run ended on its own (it failed, or kept no file) while the
    // question was up: its end is shown once the question is answered.
    bool FEndedWhileAsking = false;
    bool FStopTooLate = false;
};
