// Step 3: the message header. The six party texts are remembered in the
// settings; the sent date starts at today on every entry.

#include "app/window/QtText.h"
#include "app/window/TfmInputDateTime.h"
#include "app/window/TfmQRNMain.h"
#include "base/DateTime.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QLineEdit>

#include <utility>

namespace {

// The party fields with their settings keys, in the order they are read and
// written.
std::pair<const char*, QLineEdit*> PartyFields(const TfmQRNMain& window, int index)
{
    switch (index) {
    case 0: return {kFromSAN, window.edFromSAN};
    case 1: return {kFromCompany, window.edFromCompany};
    case 2: return {kFromPerson, window.edFromPerson};
    case 3: return {kToSAN, window.edToSAN};
    case 4: return {kToCompany, window.edToCompany};
    default: return {kToPerson, window.edToPerson};
    }
}

constexpr int kPartyFieldCount = 6;

} // namespace

void TfmQRNMain::LoadHeaderParams()
{
    for (int index = 0; index < kPartyFieldCount; ++index) {
        const auto [key, edit] = PartyFields(*this, index);
        SetTextFromStart(*edit, QStr(IniStore::ReadStringParam(key, "")));
    }
}

void TfmQRNMain::SaveHeaderParams()
{
    for (int index = 0; index < kPartyFieldCount; ++index) {
        const auto [key, edit] = PartyFields(*this, index);
        IniStore::WriteStringParam(key, StdStr(edit->text()));
    }
}

void TfmQRNMain::btSelectDateClick()
{
    double value = FContext.regional.ParseDateTime(StdStr(edSentDate->text())).value_or(TodayDateTime());
    TfmInputDateTime dialog(FContext.regional, this);
    if (dialog.EditDateTime(value)) edSentDate->setText(QStr(FContext.regional.FormatDateTime(value)));
}
