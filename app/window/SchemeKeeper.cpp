#include "app/window/SchemeKeeper.h"

#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WizardContext.h"
#include "catalogue/FieldCatalogue.h"
#include "app/window/WindowTexts.h"
#include "convert/SchemeType.h"
#include "convert/WriteGuard.h"
#include "scheme/SchemeFile.h"
#include "settings/IniStore.h"

#include <filesystem>

namespace {

bool IsExistingFile(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

} // namespace

SchemeKeeper::SchemeKeeper(const WizardContext& context) : FContext(context) {}

void SchemeKeeper::SayOtherType(const std::string& file, const SchemeLines& lines, TDocumentType type)
{
    // Nobody to show a box to in the automatic mode: its run's log says it.
    FAutomaticNote.clear();
    const std::optional<std::string> said = SchemeForOtherTypeLine(file, lines, type);
    if (!said) return;
    if (FContext.autoMode) FAutomaticNote = QShown(*said);
    else FContext.dialogs.ShowWarning(&FContext.window, QShown(*said));
}

SchemeLines SchemeKeeper::LoadRemembered(TDocumentType type)
{
    FType = type;
    FBaseline.clear();
    const std::string remembered = IniStore::ReadStringParam(GetCorrespondenceParamName(type), "");
    if (remembered.empty() || !IsExistingFile(remembered)) return {};
    // A remembered file that is no scheme is said; the path stays
    // remembered, and the scheme starts empty.
    FContext.Guarded([&] { FBaseline = ReadSchemeFile(remembered); });
    SayOtherType(remembered, FBaseline, type);
    return FBaseline;
}

bool SchemeKeeper::SaveUnsaved(const SchemeLines& lines, const QString& workbookPath)
{
    if (FContext.autoMode || !Unsaved(lines)) return true;
    const std::optional<bool> save =
        FContext.dialogs.ConfirmOrCancel(&FContext.window, QStr(QRNConsts::sAskSaveScheme));
    if (!save) return false;
    if (!*save) return true;
    bool saved = false;
    FContext.Guarded([&] { saved = Save(lines, workbookPath); });
    return saved;
}

bool SchemeKeeper::Save(const SchemeLines& lines, const QString& workbookPath, std::optional<TDocumentType> type)
{
    const std::string key = GetCorrespondenceParamName(type.value_or(FType));
    const FileDialogRequest request{QStr(QRNConsts::sSchemeSaveDialogTitle), QStr(QRNConsts::sSchemeFilter),
                                    QStringLiteral("sch"), QStr(IniStore::ReadStringParam(key, ""))};
    const auto path = FContext.dialogs.ChooseSaveFile(&FContext.window, request);
    if (!path) return false;
    WriteGuard guard;
    guard.Keep(StdStr(workbookPath));
    guard.Keep(IniStore::GetIniFileName());
    guard.Claim(StdStr(*path));
    WriteSchemeFile(StdStr(*path), lines);
    IniStore::WriteStringParam(key, StdStr(*path));
    FBaseline = lines;
    return true;
}

std::optional<SchemeLines> SchemeKeeper::Open(TDocumentType type)
{
    // The type's own scheme file, never the workbook the shared dialog
    // chose last: one Enter would have read it as lines.
    const std::string key = GetCorrespondenceParamName(type);
    const FileDialogRequest request{QStr(QRNConsts::sSchemeOpenDialogTitle), QStr(QRNConsts::sSchemeFilter), QString(),
                                    QStr(IniStore::ReadStringParam(key, ""))};
    const auto path = FContext.dialogs.ChooseOpenFile(&FContext.window, request);
    if (!path) return std::nullopt;
    SchemeLines lines = ReadSchemeFile(StdStr(*path));
    SayOtherType(StdStr(*path), lines, type);
    FBaseline = lines;
    IniStore::WriteStringParam(key, StdStr(*path));
    return lines;
}
