// A settings file edited by hand, by another program or half written: reading
// never fails, and writing one value changes that value and no other.
#include "FuzzTargets.h"
#include "ScratchFiles.h"

#include "base/Cp1251.h"
#include "base/EdgeFileFault.h"
#include "catalogue/DocumentTypes.h"
#include "catalogue/FieldCatalogue.h"
#include "settings/IniDocument.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <map>
#include <stdexcept>

namespace {

constexpr char kSection[] = "Params";
constexpr char kAbsent[] = "\x01"
                           "absent";

std::vector<std::string> EveryKey()
{
    std::vector<std::string> keys = {kFromSAN,   kFromCompany, kFromPerson,     kToSAN,
                                     kToCompany, kToPerson,    kNoSeparate15Pos};
    for (int type = 0; type < kDocumentTypeCount; ++type)
        keys.push_back(GetCorrespondenceParamName(static_cast<TDocumentType>(type)));
    return keys;
}

std::map<std::string, std::string> StoredValues(const std::vector<std::string>& keys)
{
    std::map<std::string, std::string> values;
    for (const std::string& key : keys) values[key] = IniStore::ReadStringParam(key, kAbsent);
    return values;
}

} // namespace

void FuzzTargets::SettingsFile(std::string_view input)
{
    const std::string path = ScratchPath("quarnel.ini");
    WriteScratchFile(path, input);
    IniStore::SetIniFileName(path);
    static const std::vector<std::string> keys = EveryKey();

    const std::string text = DecodeEdgeFile(input);
    if (FirstNulLine(text) != 0) {
        // Not used: every value absent, and the file never written over.
        for (const auto& [key, value] : StoredValues(keys))
            if (value != kAbsent) throw std::logic_error("a settings file with a NUL read for " + key);
        try {
            IniStore::WriteStringParam(keys.front(), "1");
        } catch (const EdgeFileFault&) {
            IniStore::SetIniFileName("");
            return;
        }
        throw std::logic_error("a settings file with a NUL written over");
    }
    const IniDocument document(text);
    const auto before = StoredValues(keys);
    for (const std::string& key : keys) {
        if (before.at(key) != document.Value(kSection, key).value_or(kAbsent))
            throw std::logic_error("the store and the document read " + key + " differently");
        (void)IniStore::ReadBoolParam(key, false);
    }

    const std::string& changed = keys[input.size() % keys.size()];
    const std::string value = "ООО «Книга» = №1";
    IniStore::WriteStringParam(changed, value);
    const auto after = StoredValues(keys);
    for (const std::string& key : keys) {
        const std::string& expected = key == changed ? value : before.at(key);
        if (after.at(key) != expected) throw std::logic_error("writing " + changed + " left " + key + " wrong");
    }
    IniStore::SetIniFileName("");
}
