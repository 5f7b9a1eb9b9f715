#pragma once

#include "app/window/ConversionRunner.h"
#include "convert/RunInputs.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
struct WizardContext;

// Step 5: the conversion on its worker, its progress and its log, and the
// report of the log the user may save once the run has ended.
class RunPage : public QWidget {
    Q_OBJECT

public:
    RunPage(const WizardContext& context, QWidget* parent);
    ~RunPage() override;

    bool Running() const { return FRunner->IsRunning(); }
    bool Stopping() const { return FRunner->Stopping(); }
    // The run ends before its next row without saving; Finished follows.
    void Abandon() { FRunner->Abandon(); }

    // Starts the run of these inputs; the log is kept for the report until
    // the next one.
    void Start(RunInputs inputs);
    // Under the log of a run that ended by itself: the summary, which stays
    // the same as the command line's, and the notes of the automatic mode,
    // whose questions nobody was there to answer.
    void ShowOutcome(const QStringList& automaticNotes);

signals:
    // After a run has ended, and after the error box of a platform error that
    // ended it.
    void Finished();

private:
    void SaveLog();

    const WizardContext& FContext;
    QProgressBar* ProgressBar1;
    QPlainTextEdit* memLog;
    QPushButton* btSaveLog;
    std::unique_ptr<ConversionRunner> FRunner;
    // What the report names: the last run's workbook, type and start, and
    // its output file, whose name the report is offered under.
    RunInputs FLastRun;
    double FLastRunDateTime = 0;
};
