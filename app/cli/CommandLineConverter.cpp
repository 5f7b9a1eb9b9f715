#include "app/cli/CommandLineConverter.h"

#include "app/cli/CommandLine.h"
#include "app/cli/CommandLineTexts.h"
#include "app/cli/ConsoleObserver.h"
#include "app/common/DocumentTypeParameter.h"
#include "app/common/FrontEndTexts.h"
#include "base/DateTime.h"
#include "base/FilePlace.h"
#include "base/FileReplacement.h"
#include "base/MessageFormat.h"
#include "messages/QuarnelError.h"
#include "base/ShownText.h"
#include "base/TemporaryFiles.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/ConversionReport.h"
#include "convert/Convert.h"
#include "convert/RunSummary.h"
#include "convert/ReadWorkbook.h"
#include "convert/WriteGuard.h"
#include "messages/FaultMessages.h"
#include "convert/SchemeType.h"
#include "scheme/AutoMapping.h"
#include "scheme/HeaderRow.h"
#include "scheme/SchemeFile.h"
#include "settings/IniLocation.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <filesystem>

namespace {

// A line that may quote a file (a cell, a sheet or column name, a path): its
// control characters shown, never acted on by the terminal.
void PrintLine(std::ostream& stream, std::string_view line)
{
    stream << ShownText(line) << '\n';
}

bool UsesRussianProfile(const CommandLine& line, const RegionalProfiles& profiles)
{
    if (line.regional) return *line.regional == "ru";
    return !profiles.systemHasPreference;
}

Regional ChosenRegional(const CommandLine& line, const RegionalProfiles& profiles)
{
    return UsesRussianProfile(line, profiles) ? Regional::Russian() : profiles.system;
}

std::string UsageText(const CommandLine& line, const RegionalProfiles& profiles)
{
    const Regional regional = ChosenRegional(line, profiles);
    const std::string inUse = FormatMessage(
        QRNConsts::sCliRegionalInUse,
        {UsesRussianProfile(line, profiles) ? QRNConsts::sCliRegionalRussian : QRNConsts::sCliRegionalSystem,
         regional.shortDateFormat, regional.longTimeFormat, regional.decimalSeparator});
    return FormatMessage(QRNConsts::sCliUsage, {DocumentTypeHelpLines(), inUse});
}

// Without --settings the converter reads what the wizard remembered: the
// user's settings, or those of a portable window program "quarnel" beside
// this executable. A file that cannot be used is read as empty, and said so
// once.
void ChooseSettingsFile(const CommandLine& line, std::ostream& err)
{
    if (line.settingsPath) {
        IniStore::SetIniFileName(*line.settingsPath);
    } else {
        const std::string executable = RunningExecutablePath();
        const std::filesystem::path window =
            executable.empty() ? std::filesystem::path() : std::filesystem::path(executable).parent_path() / "quarnel";
        const IniLocation location = DefaultIniLocation(window.string());
        IniStore::SetIniFileName(location.path);
        if (!location.ignored.empty())
            PrintLine(err, FormatMessage(QRNConsts::sSettingsBesideIgnored, {location.ignored, location.path}));
    }
    if (const std::optional<EdgeFileFault> problem = IniStore::FileProblem()) PrintLine(err, UserMessage(*problem));
}

std::string GivenOrRemembered(const std::optional<std::string>& given, const char* key)
{
    return given ? *given : IniStore::ReadStringParam(key, "");
}

// The scheme of the run and the file it came from ("" for none).
struct SchemeInUse {
    SchemeLines lines;
    std::string path;
};

// The scheme named, else the one the wizard remembered, else none. Mapping
// by column names may still map fields, so the warnings that no field is
// mapped are left to the count it prints.
SchemeInUse ChooseScheme(const CommandLine& line, TDocumentType type, std::ostream& err)
{
    if (line.schemePath) return {ReadSchemeFile(*line.schemePath), *line.schemePath};
    const std::string remembered = IniStore::ReadStringParam(GetCorrespondenceParamName(type), "");
    if (remembered.empty()) {
        if (!line.autoScheme) err << QRNConsts::sCliNoScheme << '\n';
        return {};
    }
    // A remembered file that is there but cannot be read stops the run, as a
    // named one does, with the reason.
    if (IsMissing(remembered)) {
        if (!line.autoScheme) PrintLine(err, FormatMessage(QRNConsts::sCliSchemeMissing, {remembered}));
        return {};
    }
    return {ReadSchemeFile(remembered), remembered};
}

SchemeInUse SchemeOfTheRun(const CommandLine& line, const RunInputs& inputs, std::ostream& err)
{
    SchemeInUse scheme = ChooseScheme(line, inputs.documentType, err);
    if (const auto otherType = SchemeForOtherTypeLine(scheme.path, scheme.lines, inputs.documentType))
        PrintLine(err, *otherType);
    if (line.autoScheme) {
        // Only the confident pairs unless asked for all: a guess waits for a
        // person to confirm it, and is named so that one can.
        std::size_t added = 0;
        const auto rows = ReadMappingRows(*inputs.workbook, inputs.sheet, inputs.layout.FirstDataRow());
        for (const ProposedMapping& mapping :
             ProposeMappings(scheme.lines, inputs.documentType, inputs.columnNames, rows)) {
            if (!mapping.Confident() && !line.autoSchemeGuesses) {
                PrintLine(err, FormatMessage(QRNConsts::sCliGuessNotAdded, {mapping.caption, mapping.column}));
                continue;
            }
            DropColumnOnField(scheme.lines, mapping.caption, mapping.column);
            PrintLine(err, FormatMessage(QRNConsts::sCliMapped, {mapping.caption, mapping.column}));
            ++added;
        }
        err << FormatMessage(QRNConsts::sFieldsMapped, {std::to_string(added)}) << '\n';
    }
    return scheme;
}

// The header row the automatic mapping finds in the first rows, said on
// standard error; row 1 when none gives a confident pair.
int FoundHeaderRow(const RunWorkbook& workbook, const SheetChoice& sheet, std::optional<TDocumentType> type,
                   SheetLayout layout, std::ostream& err)
{
    const int row = workbook.FindHeaderRow(sheet, type);
    // A supplier's list often comes without a header at all: its columns are
    // then told by what they hold. The strict layout needs the names.
    if (row == 0 && layout == SheetLayout::Supplier) {
        err << FormatMessage(QRNConsts::sCliNoHeaderRow, {std::to_string(kHeaderRowSearchRows)}) << '\n';
        return 0;
    }
    if (row == 0) {
        err << FormatMessage(QRNConsts::sCliHeaderRowNotFound, {std::to_string(kHeaderRowSearchRows)}) << '\n';
        return 1;
    }
    err << FormatMessage(QRNConsts::sCliHeaderRowFound, {std::to_string(row)}) << '\n';
    return row;
}

// Every file the command will write, checked before the first of them is:
// none may be the workbook, the settings, the scheme in use or another of
// them, but the scheme may be saved over itself. The files of an invoice run
// depend on its row count, which only reading the rows tells: the run claims
// each as it names it, against these files too.
void GuardFilesOfTheRun(const CommandLine& line, const RunInputs& inputs, const std::string& schemePath)
{
    WriteGuard guard;
    guard.Keep(inputs.workbookPath);
    guard.Keep(IniStore::GetIniFileName());
    guard.Keep(schemePath);
    if (inputs.documentType != kInvoiceType) guard.Claim(inputs.outputPath);
    guard.Claim(line.logPath.value_or(""));
    guard.Claim(line.saveSchemePath.value_or(""), schemePath);
}

// The short date format as a user types a date: "dd.MM.yyyy" is
// "дд.мм.гггг", "M/d/yy" is "м/д/гг"; quoted text stands as it is.
std::string DateFormatHint(std::string_view pattern)
{
    std::string hint;
    bool quoted = false;
    for (const char c : pattern) {
        if (c == '\'') quoted = !quoted;
        else if (quoted) hint += c;
        else if (c == 'd') hint += QRNConsts::sCliDayLetter;
        else if (c == 'M') hint += QRNConsts::sCliMonthLetter;
        else if (c == 'y') hint += QRNConsts::sCliYearLetter;
        else hint += c;
    }
    return hint;
}

// The report ends with the run's summary, or with the failure of a run that
// failed, as the user saw them; the caller puts it in place.
void WriteReport(AtomicFile& report, const RunInputs& inputs, double runDateTime, const ConsoleObserver& observer,
                 const std::vector<std::string>& ending)
{
    std::vector<std::string> lines = observer.Log();
    lines.insert(lines.end(), ending.begin(), ending.end());
    report.Write(ConversionReportText(inputs.workbookPath, inputs.documentType, runDateTime, inputs.regional, lines));
}

// The report of a run that saved nothing, alone.
void SaveFailureReport(AtomicFile* report, const RunInputs& inputs, double runDateTime, const ConsoleObserver& observer,
                       const std::string& failure)
{
    if (!report) return;
    WriteReport(*report, inputs, runDateTime, observer, {failure});
    report->Commit();
}

// The window's check of step 4, naming what it found empty and where the
// command line takes it from: "ИНН отправителя (--from-san), ...".
std::string MissingMandatoryFields(const RunInputs& inputs)
{
    const bool invoice = inputs.documentType == kInvoiceType;
    const std::pair<bool, const char*> fields[] = {
        {inputs.fromSAN.empty(), QRNConsts::sCliMissingFromSAN},
        {inputs.sentDate.empty(), QRNConsts::sCliMissingSentDate},
        {invoice && inputs.messageNumber.empty(), QRNConsts::sCliMissingMessageNumber},
        {invoice && inputs.documentReference.empty(), QRNConsts::sCliMissingDocumentReference},
    };
    std::string missing;
    for (const auto& [isMissing, name] : fields) {
        if (!isMissing) continue;
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
    return missing;
}

int ConvertFromCommandLine(const CommandLine& line, const Regional& regional, std::ostream& out, std::ostream& err,
                           bool terminal)
{
    // Ctrl-C from here on interrupts a conversion, and is told so.
    const InterruptNotice notice;
    RunInputs inputs;
    inputs.documentType = ReadDocumentTypeParameter(line.documentType);
    inputs.workbookPath = line.workbookPath;
    inputs.outputPath = line.outputPath;
    inputs.messageNumber = line.messageNumber;
    inputs.documentReference = line.documentReference;
    inputs.regional = regional;
    ChooseSettingsFile(line, err);

    // Step 2: the header row, the field list and the scheme, all read from
    // the workbook opened here, which the run reads too.
    if (inputs.workbookPath.empty()) throw QuarnelError(QRNConsts::sNoExcelFile);
    inputs.workbook = std::make_shared<const RunWorkbook>(inputs.workbookPath, regional);
    inputs.sheet = inputs.workbook->ResolveSheet(line.sheet.value_or(""));
    const SheetLayout layout = line.supplierLayout ? SheetLayout::Supplier : SheetLayout::Strict;
    const int headerRow = line.findHeaderRow
                              ? FoundHeaderRow(*inputs.workbook, inputs.sheet, inputs.documentType, layout, err)
                              : line.headerRow;
    inputs.layout = RunLayout::Read(*inputs.workbook, inputs.sheet, headerRow, layout);
    inputs.columnNames = inputs.layout.ColumnNames();
    inputs.fieldCaptions = FieldCaptions(inputs.documentType);
    const SchemeInUse scheme = SchemeOfTheRun(line, inputs, err);
    inputs.scheme = scheme.lines;
    inputs.noSeparate15Pos = line.noSplit || IniStore::ReadBoolParam(kNoSeparate15Pos, false);
    GuardFilesOfTheRun(line, inputs, scheme.path);
    inputs.keptFiles = {IniStore::GetIniFileName(), scheme.path, line.logPath.value_or(""),
                        line.saveSchemePath.value_or("")};

    // Step 3: the header texts and the date.
    inputs.sentDate = line.sentDate ? *line.sentDate : regional.FormatDate(TodayDateTime());
    inputs.fromSAN = GivenOrRemembered(line.fromSAN, kFromSAN);
    inputs.fromCompany = GivenOrRemembered(line.fromCompany, kFromCompany);
    inputs.fromPerson = GivenOrRemembered(line.fromPerson, kFromPerson);
    inputs.toSAN = GivenOrRemembered(line.toSAN, kToSAN);
    inputs.toCompany = GivenOrRemembered(line.toCompany, kToCompany);
    inputs.toPerson = GivenOrRemembered(line.toPerson, kToPerson);

    // Step 4: as in the window's automatic mode, a failed check is shown and
    // the conversion still starts.
    if (const std::string missing = MissingMandatoryFields(inputs); !missing.empty())
        err << QRNConsts::sMandatoryFieldsEmpty << ": " << missing << '\n';
    for (const std::string& line : SchemeWarningLines(inputs)) PrintLine(err, line);

    // Step 5.
    if (inputs.outputPath.empty()) throw QuarnelError(QRNConsts::sNoXmlFile);

    // The report's folder is known to take it before any file is written; the
    // report and the saved scheme replace their files with the run's own,
    // all together or none.
    std::unique_ptr<AtomicFile> report = line.logPath ? BeginConversionReport(*line.logPath) : nullptr;
    std::unique_ptr<AtomicFile> savedScheme =
        line.saveSchemePath ? std::make_unique<AtomicFile>(*line.saveSchemePath) : nullptr;
    FileReplacement filesOfTheRun;
    inputs.replacement = &filesOfTheRun;
    ConsoleObserver observer(out, err, terminal, line.logPath.has_value());
    const double runDateTime = NowDateTime();
    RunResult result;
    // The message date is the one --date gave (today's always reads): one
    // that does not read names the parameter, in the report too. The
    // window's step 3 keeps its own text.
    if (!inputs.sentDate.empty() && !regional.ParseDateTime(inputs.sentDate)) {
        const std::string message =
            FormatMessage(QRNConsts::sCliInvalidDate, {inputs.sentDate, DateFormatHint(regional.shortDateFormat)});
        SaveFailureReport(report.get(), inputs, runDateTime, observer, message);
        throw QuarnelError(message);
    }
    try {
        result = ConvertWorkbook(inputs, observer);
    } catch (const std::exception& failure) {
        observer.ClearProgressBar();
        // The rows logged before the failure are still worth keeping; the
        // failure itself is what the caller reports.
        try {
            SaveFailureReport(report.get(), inputs, runDateTime, observer, UserMessage(failure));
        } catch (const std::exception& error) {
            PrintLine(err, UserMessage(error));
        }
        throw;
    }
    observer.ClearProgressBar();
    // Standard output keeps the window's log; the summary of what the run did
    // goes here and to the end of the report.
    const std::vector<std::string> summary = RunSummaryLines(inputs, result, QRNConsts::sCliSupplierLayoutAdvice);
    if (report) WriteReport(*report, inputs, runDateTime, observer, summary);
    if (savedScheme) WriteSchemeText(*savedScheme, inputs.scheme);
    filesOfTheRun.Add(std::move(report));
    filesOfTheRun.Add(std::move(savedScheme));
    filesOfTheRun.Commit(inputs.stop);
    for (const std::string& line : summary) PrintLine(err, line);
    // A message without a row is saved, as the window saves it, but is no
    // success.
    return result.allSaved && result.rowsConverted > 0 ? kExitAllSaved : kExitNotSaved;
}

int Inspect(const CommandLine& line, const Regional& regional, std::ostream& out, std::ostream& err)
{
    const RunWorkbook workbook(line.inspectedWorkbook, regional);
    const SheetChoice sheet =
        line.action == CommandLine::Action::ListSheets ? SheetChoice() : workbook.ResolveSheet(line.sheet.value_or(""));
    switch (line.action) {
    case CommandLine::Action::Dump:
        workbook.Dump(sheet, out, [&] { err << QRNConsts::sCliDumpStartsOver << '\n'; });
        break;
    case CommandLine::Action::ListSheets:
        for (const SheetEntry& entry : workbook.Sheets())
            PrintLine(out, entry.name + (entry.hidden ? QRNConsts::sHiddenSheetMark : ""));
        break;
    default: {
        // Without a document type the header row is scored over them all.
        const SheetLayout layout = line.supplierLayout ? SheetLayout::Supplier : SheetLayout::Strict;
        const int headerRow =
            line.findHeaderRow ? FoundHeaderRow(workbook, sheet, std::nullopt, layout, err) : line.headerRow;
        for (const std::string& name : RunLayout::Read(workbook, sheet, headerRow, layout).SheetColumnNames())
            PrintLine(out, name);
        break;
    }
    }
    return kExitAllSaved;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& arguments, const RegionalProfiles& profiles, std::ostream& out,
                   std::ostream& err, bool terminal)
{
    try {
        const CommandLine line = ParseCommandLine(arguments);
        const Regional regional = ChosenRegional(line, profiles);
        switch (line.action) {
        case CommandLine::Action::Help: out << UsageText(line, profiles); return kExitAllSaved;
        case CommandLine::Action::Version:
            out << FormatMessage(QRNConsts::sCliVersion, {QRNConsts::sVersion});
            return kExitAllSaved;
        case CommandLine::Action::ListColumns:
        case CommandLine::Action::ListSheets:
        case CommandLine::Action::Dump: return Inspect(line, regional, out, err);
        case CommandLine::Action::Convert: break;
        }
        return ConvertFromCommandLine(line, regional, out, err, terminal);
    } catch (const UsageError& error) {
        PrintLine(err, error.what());
        err << QRNConsts::sCliHelpHint << '\n';
    } catch (const std::exception& error) {
        PrintLine(err, UserMessage(error));
    }
    return kExitFailure;
}
