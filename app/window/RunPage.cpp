#include "app/window/RunPage.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "app/window/WizardControls.h"
#include "base/DateTime.h"
#include "app/window/WindowTexts.h"
#include "convert/ConversionReport.h"
#include "convert/Convert.h"
#include "convert/RunSummary.h"
#include "convert/WriteGuard.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

RunPage::RunPage(const WizardContext& context, std::function<RunInputs()> runInputs, QWidget* parent)
    : QWidget(parent), FContext(context), FRunInputs(std::move(runInputs))
{
    setObjectName(QStringLiteral("pn5"));
    QLabel* progressLabel = NewLabel(this, QRNConsts::sProgressLabel);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedHeight(13);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    QLabel* logLabel = NewLabel(this, QRNConsts::sLogLabel);
    memLog = new QPlainTextEdit(this);
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setMinimumHeight(245);
    memLog->setReadOnly(true);
    memLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    btSaveLog = NewButton(this, "btSaveLog", QRNConsts::sSaveLog, 160);
    btSaveLog->setToolTip(QStr(QRNConsts::sSaveLogHint));
    // Until a run has ended there is no log of it to keep.
    btSaveLog->setEnabled(false);
    connect(btSaveLog, &QPushButton::clicked, this, [this] { FContext.Guarded([this] { SaveLog(); }); });

    // The bar and the log 609 pixels wide in the middle of the classic
    // window, the button under the log's right edge; the log takes what an
    // enlarged window adds.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(48, 16, 48, 0);
    page->setSpacing(0);
    // The bar is no field: its label leads nowhere.
    page->addWidget(progressLabel);
    page->addSpacing(1);
    page->addWidget(ProgressBar1);
    page->addSpacing(13);
    page->addLayout(LabelOver(logLabel, memLog), 1);
    page->addSpacing(8);
    page->addWidget(btSaveLog, 0, Qt::AlignRight);

    tmAuto = new QTimer(this);
    tmAuto->setObjectName(QStringLiteral("tmAuto"));
    tmAuto->setInterval(100);
    tmAuto->setSingleShot(true);
    connect(tmAuto, &QTimer::timeout, this, &RunPage::tmAutoTimer);
    FRunner = std::make_unique<ConversionRunner>(
        [](const RunInputs& inputs, RunObserver& observer) { return ConvertWorkbook(inputs, observer); }, *memLog,
        *ProgressBar1, FContext.dialogs, FContext.window);
    connect(FRunner.get(), &ConversionRunner::Finished, this, &RunPage::RunEnded);
}

RunPage::~RunPage() = default;

void RunPage::StartShortly()
{
    tmAuto->start();
}

void RunPage::CancelStart()
{
    tmAuto->stop();
}

void RunPage::tmAutoTimer()
{
    tmAuto->stop();
    // Back is off while a run goes on, so step 5 cannot be entered twice; a
    // stray arming must not start a second run either.
    if (Running()) return;
    emit Starting();
    RunInputs inputs = FRunInputs();
    btSaveLog->setEnabled(false);
    FLastRun = std::move(inputs);
    FLastRunDateTime = NowDateTime();
    FRunner->Start(FLastRun);
}

void RunPage::AskToStop(bool thenClose)
{
    if (FStopQuestionUp) {
        if (!thenClose) return;
        FContext.dialogs.WithdrawQuestion();
        StopAnswered(true, true);
        return;
    }
    // Already stopping, or past stopping: closing then needs no answer.
    if (FRunner->Stopping() || FStopTooLate) {
        FCloseRequested = FCloseRequested || thenClose;
        return;
    }
    if (!FRunner->HoldFiles()) {
        FStopTooLate = true;
        FCloseRequested = FCloseRequested || thenClose;
        return;
    }
    FStopQuestionUp = true;
    FContext.dialogs.AskMeanwhile(&FContext.window, QStr(QRNConsts::sAskStopConversion),
                                  [this, thenClose](bool stop) { StopAnswered(stop, thenClose); });
}

void RunPage::StopAnswered(bool stop, bool thenClose)
{
    FStopQuestionUp = false;
    if (stop) {
        FCloseRequested = thenClose;
        if (FRunner->IsRunning()) FRunner->Abandon();
    }
    FRunner->ReleaseFiles();
    if (FEndedWhileAsking) RunEnded();
}

void RunPage::RunEnded()
{
    FEndedWhileAsking = FStopQuestionUp;
    if (FEndedWhileAsking) return;
    if (FStopTooLate) FRunner->AddLogLine(QStr(QRNConsts::sStoppedAfterReplacing));
    FStopTooLate = false;
    emit Finished();
    if (FCloseRequested) FContext.window.close();
}

void RunPage::ShowOutcome(const QStringList& automaticNotes)
{
    btSaveLog->setEnabled(true);
    const RunResult& result = FRunner->LastResult();
    const QString& failure = FRunner->LastFailure();
    // Whatever ended the run, its log ends with the summary; a run that
    // saved no file says so and why before it. A stopped run's line says so.
    const QString unsaved = !failure.isEmpty()                             ? failure
                            : result.savedFiles.empty() && !result.stopped ? QStr(QRNConsts::sCriticalErrorsKept)
                                                                           : QString();
    if (!unsaved.isEmpty()) FRunner->AddLogLine(QStr(QRNConsts::sNoFileSaved) + QLatin1Char(' ') + unsaved);
    for (const std::string& line : RunSummaryLines(FLastRun, result, QRNConsts::sSupplierLayoutAdvice))
        FRunner->AddLogLine(QStr(line));
    // The log's own lines say it; the clerk is also shown it, the automatic
    // mode has no one to show it to. A failure had its error box.
    if (failure.isEmpty() && !result.stopped && !FContext.autoMode) {
        if (!unsaved.isEmpty())
            FContext.dialogs.ShowWarning(&FContext.window, QStr(QRNConsts::sNoFileSaved) + QLatin1Char('\n') + unsaved);
        else if (result.rowsConverted == 0)
            FContext.dialogs.ShowWarning(&FContext.window, QStr(NoRowConvertedLine(result)));
    }
    for (const QString& note : automaticNotes) FRunner->AddLogLine(note);
}

void RunPage::SaveLog()
{
    const std::string proposed = std::filesystem::path(FLastRun.outputPath).replace_extension(".log").string();
    const FileDialogRequest request{QStr(QRNConsts::sLogSaveDialogTitle), QStr(QRNConsts::sLogFilter),
                                    QStringLiteral("log"), QStr(proposed)};
    const auto path = FContext.dialogs.ChooseSaveFile(&FContext.window, request);
    if (!path) return;
    WriteGuard guard;
    guard.Keep(FLastRun.workbookPath);
    for (const std::string& kept : FLastRun.keptFiles) guard.Keep(kept);
    guard.Keep(FLastRun.outputPath);
    for (const std::string& saved : FRunner->LastResult().savedFiles) guard.Keep(saved);
    guard.Claim(StdStr(*path));
    // The failure of a run that failed is among its lines, as the error box
    // showed it.
    WriteConversionReport(StdStr(*path),
                          ConversionReportText(FLastRun.workbookPath, FLastRun.documentType, FLastRunDateTime,
                                               FContext.regional, FRunner->LogLines()));
}
