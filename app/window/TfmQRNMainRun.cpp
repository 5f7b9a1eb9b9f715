// Step 5: the conversion, started by the one-shot timer once the step's page
// is on the screen.

#include "app/window/ListBoxes.h"
#include "app/window/QtText.h"
#include "app/window/TfmQRNMain.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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
    FRunner->Start(CollectRunInputs());
}

void TfmQRNMain::ConversionFinished()
{
    btPrev->setEnabled(FStep > 1);
    if (FCloseRequested) close();
}

RunInputs TfmQRNMain::CollectRunInputs() const
{
    RunInputs inputs;
    inputs.workbookPath = StdStr(edExcelFile->text());
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
    return inputs;
}
