// Step 5: the conversion, started by the one-shot timer once the step's page
// is on the screen, and the report of its log.

#include "app/window/ListBoxes.h"
#include "app/window/QtText.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "base/DateTime.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/ConversionReport.h"
#include "convert/RunSummary.h"
#include "convert/WriteGuard.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <filesystem>

void TfmQRNMain::StartConversion()
{
    tmAuto->start();
}

void TfmQRNMain::tmAutoTimer()
{
    tmAuto->stop();
    // Back is off while a run goes on, so step 5 cannot be entered twice; a
    // stray arming must not start a second run either.
    if (FRunner->IsRunning()) return;
    btPrev->setEnabled(false);
    btSaveLog->setEnabled(false);
    FLastRun = CollectRunInputs();
    FLastRunDateTime = NowDateTime();
    FRunner->Start(FLastRun);
}

void TfmQRNMain::ConversionFinished()
{
    // The question is moot once the run has ended.
    if (FStopQuestionUp) {
        FStopQuestionUp = false;
        FDialogs.WithdrawQuestion();
    }
    btPrev->setEnabled(FStep > 1);
    btSaveLog->setEnabled(true);
    // Under the run's log, which stays the same as the command line's: the
    // summary of a run that ended by itself.
    const RunResult& result = FRunner->LastResult();
    if (FRunner->LastFailure().isEmpty() && !result.stopped) {
        for (const std::string& line : RunSummaryLines(FLastRun, result)) FRunner->AddLogLine(QStr(line));
        if (result.rowsConverted == 0) {
            if (FAutoMode) FRunner->AddLogLine(QStr(QRNConsts::sNoRowsConverted));
            else FDialogs.ShowWarning(this, QStr(QRNConsts::sNoRowsConverted));
        }
        if (FAutoMode && FStrictLosesRows) FRunner->AddLogLine(QStr(QRNConsts::sStrictLayoutLosesRows));
        if (FAutoMode && !FCriticalFieldNote.isEmpty()) FRunner->AddLogLine(FCriticalFieldNote);
    }
    if (FCloseRequested) close();
}

void TfmQRNMain::btSaveLogClick()
{
    const std::string proposed = std::filesystem::path(FLastRun.outputPath).replace_extension(".log").string();
    const FileDialogRequest request{QStr(QRNConsts::sLogSaveDialogTitle), QStr(QRNConsts::sLogFilter),
                                    QStringLiteral("log"), QStr(proposed)};
    const auto path = FDialogs.ChooseSaveFile(this, request);
    if (!path) return;
    FSaveDialogFileName = *path;
    WriteGuard guard;
    guard.Keep(FLastRun.workbookPath);
    for (const std::string& kept : FLastRun.keptFiles) guard.Keep(kept);
    guard.Keep(FLastRun.outputPath);
    for (const std::string& saved : FRunner->LastResult().savedFiles) guard.Keep(saved);
    guard.Claim(StdStr(*path));
    // The report of a run that failed ends with the failure, as the error box
    // showed it.
    std::vector<std::string> lines = FRunner->LogLines();
    if (!FRunner->LastFailure().isEmpty()) lines.push_back(StdStr(FRunner->LastFailure()));
    WriteConversionReport(StdStr(*path), ConversionReportText(FLastRun.workbookPath, FLastRun.documentType,
                                                              FLastRunDateTime, FRegional, lines));
}

RunInputs TfmQRNMain::CollectRunInputs() const
{
    RunInputs inputs;
    inputs.workbookPath = StdStr(edExcelFile->text());
    inputs.sheet = ChosenSheet();
    inputs.headerRow = seHeaderRow->value();
    inputs.layout = Layout();
    inputs.firstDataRow = FFirstDataRow;
    inputs.outputPath = StdStr(edXMLFile->text());
    inputs.documentType = DocumentType();
    inputs.fromSAN = StdStr(edFromSAN->text());
    inputs.fromCompany = StdStr(edFromCompany->text());
    inputs.fromPerson = StdStr(edFromPerson->text());
    inputs.toSAN = StdStr(edToSAN->text());
    inputs.toCompany = StdStr(edToCompany->text());
    inputs.toPerson = StdStr(edToPerson->text());
    inputs.messageNumber = StdStr(edMessageNumber->text());
    inputs.documentReference = StdStr(edDocumentReference->text());
    inputs.sentDate = StdStr(edSentDate->text());
    inputs.fieldCaptions = ItemTexts(*listOnix);
    inputs.scheme = ItemTexts(*listCorresp);
    inputs.columnNames = ItemTexts(*listExcel);
    inputs.noSeparate15Pos = IniStore::ReadBoolParam(kNoSeparate15Pos, false);
    inputs.regional = FRegional;
    // The scheme in use is the one remembered for the type (step 2 shows it,
    // opening or saving one remembers it).
    inputs.keptFiles = {IniStore::GetIniFileName(),
                        IniStore::ReadStringParam(GetCorrespondenceParamName(inputs.documentType), "")};
    return inputs;
}
