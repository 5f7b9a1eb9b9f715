#include "app/cli/CommandLine.h"

#include "app/cli/CommandLineTexts.h"
#include "base/MessageFormat.h"

#include <optional>

namespace {

using TextOption = std::optional<std::string> CommandLine::*;

struct ValueOption {
    const char* name;
    TextOption target;
};

constexpr ValueOption kValueOptions[] = {
    {"--scheme", &CommandLine::schemePath},
    {"--settings", &CommandLine::settingsPath},
    {"--date", &CommandLine::sentDate},
    {"--from-san", &CommandLine::fromSAN},
    {"--from-company", &CommandLine::fromCompany},
    {"--from-person", &CommandLine::fromPerson},
    {"--to-san", &CommandLine::toSAN},
    {"--to-company", &CommandLine::toCompany},
    {"--to-person", &CommandLine::toPerson},
    {"--save-scheme", &CommandLine::saveSchemePath},
    {"--log", &CommandLine::logPath},
    {"--regional", &CommandLine::regional},
    {"--sheet", &CommandLine::sheet},
};

// --list-columns, --list-sheets and --dump name the workbook to look into.
struct InspectOption {
    const char* name;
    CommandLine::Action action;
};

constexpr InspectOption kInspectOptions[] = {
    {"--list-columns", CommandLine::Action::ListColumns},
    {"--list-sheets", CommandLine::Action::ListSheets},
    {"--dump", CommandLine::Action::Dump},
};

// A row number of a sheet: 1 to 1,048,576.
int HeaderRow(const std::string& text)
{
    constexpr long kMaxRow = 1048576;
    long row = 0;
    std::size_t used = 0;
    try {
        row = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || row < 1 || row > kMaxRow)
        throw UsageError(FormatMessage(QRNConsts::sCliBadHeaderRow, {text}));
    return static_cast<int>(row);
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // "-1" is a (bad) document type, not an option.
        const bool negativeNumber =
            argument.size() >= 2 && argument[0] == '-' && argument[1] >= '0' && argument[1] <= '9';
        if (optionsEnded || argument.size() < 2 || argument[0] != '-' || negativeNumber) {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto value = [&]() -> std::string {
            if (equals != std::string::npos) return argument.substr(equals + 1);
            if (i + 1 >= arguments.size()) throw UsageError(FormatMessage(QRNConsts::sCliMissingValue, {name}));
            return arguments[++i];
        };
        bool known = false;
        for (const ValueOption& option : kValueOptions) {
            if (name == option.name) {
                line.*option.target = value();
                known = true;
            }
        }
        for (const InspectOption& option : kInspectOptions) {
            if (name == option.name) {
                line.action = option.action;
                line.inspectedWorkbook = value();
                known = true;
            }
        }
        if (known) continue;
        if (name == "--header-row") {
            const std::string row = value();
            line.findHeaderRow = row == "auto";
            if (!line.findHeaderRow) line.headerRow = HeaderRow(row);
        } else if (name == "--layout") {
            const std::string layout = value();
            if (layout != "strict" && layout != "supplier")
                throw UsageError(FormatMessage(QRNConsts::sCliBadLayout, {layout}));
            line.supplierLayout = layout == "supplier";
        } else if (argument == "--no-split") {
            line.noSplit = true;
        } else if (argument == "--auto-scheme" || argument == "--auto-scheme=all") {
            line.autoScheme = true;
            line.autoSchemeGuesses = argument == "--auto-scheme=all";
        } else if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
        } else if (argument == "--version") {
            line.action = CommandLine::Action::Version;
        } else {
            throw UsageError(FormatMessage(QRNConsts::sCliUnknownOption, {argument}));
        }
    }

    if (line.regional && *line.regional != "ru" && *line.regional != "system")
        throw UsageError(FormatMessage(QRNConsts::sCliBadRegional, {*line.regional}));
    if (line.action != CommandLine::Action::Convert) {
        if (!positional.empty() && line.action != CommandLine::Action::Help
            && line.action != CommandLine::Action::Version)
            throw UsageError(FormatMessage(QRNConsts::sCliExtraArgument, {positional.front()}));
        return line;
    }
    if (positional.size() < 3) throw UsageError(QRNConsts::sCliMissingArguments);
    if (positional.size() > 5) throw UsageError(FormatMessage(QRNConsts::sCliExtraArgument, {positional[5]}));
    positional.resize(5);
    line.workbookPath = positional[0];
    line.outputPath = positional[1];
    line.documentType = positional[2];
    line.messageNumber = positional[3];
    line.documentReference = positional[4];
    return line;
}
