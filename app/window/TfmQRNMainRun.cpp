// Step 5 from the wizard's side: the one-shot timer starts the conversion of
// what the steps hold once the step's page is on the screen; what the run
// leaves for the automatic mode is said under its log.

#include "app/window/HeaderPage.h"
#include "app/window/OutputPage.h"
#include "app/window/QtText.h"
#include "app/window/RunPage.h"
#include "app/window/SchemePage.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/UserDialogs.h"
#include "app/window/WorkbookPage.h"
#include "catalogue/FieldCatalogue.h"
#include "app/window/WindowTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QPushButton>
#include <QTimer>

void TfmQRNMain::tmAutoTimer()
{
    tmAuto->stop();
    // Back is off while a run goes on, so step 5 cannot be entered twice; a
    // stray arming must not start a second run either.
    if (FRunPage->Running()) return;
    btPrev->setEnabled(false);
    FRunPage->Start(CollectRunInputs());
}

void TfmQRNMain::ConversionFinished()
{
    // The question is moot once the run has ended.
    if (FStopQuestionUp) {
        FStopQuestionUp = false;
        FContext.dialogs.WithdrawQuestion();
    }
    btPrev->setEnabled(FStep > 1);
    QStringList automaticNotes;
    if (FContext.autoMode && FSchemePage->StrictLosesRows()) automaticNotes << QStr(QRNConsts::sStrictLayoutLosesRows);
    if (FContext.autoMode && !FCriticalFieldNote.isEmpty()) automaticNotes << FCriticalFieldNote;
    FRunPage->ShowOutcome(automaticNotes);
    if (FCloseRequested) close();
}

RunInputs TfmQRNMain::CollectRunInputs() const
{
    RunInputs inputs;
    FWorkbookPage->AddRunInputs(inputs);
    FSchemePage->AddRunInputs(inputs);
    inputs.outputPath = StdStr(FOutputPage->OutputPath());
    FHeaderPage->AddRunInputs(inputs);
    inputs.noSeparate15Pos = IniStore::ReadBoolParam(kNoSeparate15Pos, false);
    inputs.regional = FContext.regional;
    // The scheme in use is the one remembered for the type (step 2 shows it,
    // opening or saving one remembers it).
    inputs.keptFiles = {IniStore::GetIniFileName(),
                        IniStore::ReadStringParam(GetCorrespondenceParamName(inputs.documentType), "")};
    return inputs;
}
