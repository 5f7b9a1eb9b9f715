#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// What quarnel-convert was asked to do.
struct CommandLine {
    enum class Action { Convert, ListColumns, ListSheets, Dump, Help, Version };
    Action action = Action::Convert;

    // The positional parameters of the window's automatic mode: workbook,
    // output file, document type, then optionally invoice number and order
    // number. Kept as text: the type is read as the window read it.
    std::string workbookPath;
    std::string outputPath;
    std::string documentType;
    std::string messageNumber;
    std::string documentReference;

    std::optional<std::string> schemePath;
    std::optional<std::string> settingsPath;
    std::optional<std::string> sentDate;
    std::optional<std::string> fromSAN, fromCompany, fromPerson, toSAN, toCompany, toPerson;
    bool noSplit = false;
    // Columns named like field captions are mapped on top of the scheme.
    bool autoScheme = false;
    bool autoSchemeGuesses = false; // --auto-scheme=all: the guesses too
    // Where to keep the scheme the run used, and the conversion report.
    std::optional<std::string> saveSchemePath;
    std::optional<std::string> logPath;
    // "ru" or "system": which regional formats to use.
    std::optional<std::string> regional;
    // The sheet to read (a 1-based position or a name; the first when not
    // given) and the row of its column names (1 when not given).
    std::optional<std::string> sheet;
    int headerRow = 1;
    // "--header-row auto": the row the automatic mapping finds.
    bool findHeaderRow = false;
    // "--layout supplier": every column and every row, passing over what is
    // no product; "strict" (the default) as the wizard reads.
    bool supplierLayout = false;

    // The workbook of --list-columns, --list-sheets and --dump.
    std::string inspectedWorkbook;
};

// A command line that cannot be understood; the message is Russian.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// Options take their value as the next argument or after "=" ("--date=1.2.2024");
// "--" ends the options. Raises UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
