#include "app/window/CommandLine.h"

#include <algorithm>
#include <optional>

namespace {

// The value of "--name VALUE" or "--name=VALUE" at arguments[i] (moving i past
// a separate value); nullopt when the argument is another.
std::optional<QString> OptionValue(const QStringList& arguments, qsizetype& i, const QString& name)
{
    const QString& argument = arguments[i];
    if (argument == name) return i + 1 < arguments.size() ? arguments[++i] : QString();
    if (argument.startsWith(name + QLatin1Char('='))) return argument.mid(name.size() + 1);
    return std::nullopt;
}

} // namespace

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments)
{
    WindowCommandLine commandLine;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (const auto settings = OptionValue(arguments, i, QStringLiteral("--settings"))) {
            commandLine.settingsFile = *settings;
        } else if (const auto sheet = OptionValue(arguments, i, QStringLiteral("--sheet"))) {
            commandLine.sheet = *sheet;
        } else if (const auto row = OptionValue(arguments, i, QStringLiteral("--header-row"))) {
            // A row that is no number is row 1, as the spin box would take it.
            commandLine.findHeaderRow = *row == QStringLiteral("auto");
            commandLine.headerRow = commandLine.findHeaderRow ? 0 : std::max(1, row->toInt());
        } else if (const auto layout = OptionValue(arguments, i, QStringLiteral("--layout"))) {
            // Anything but "supplier" is the strict layout, the default.
            commandLine.supplierLayout = *layout == QStringLiteral("supplier");
        } else if (arguments[i] == QStringLiteral("--help") || arguments[i] == QStringLiteral("-h")) {
            commandLine.request = WindowCommandLine::Request::Help;
        } else if (arguments[i] == QStringLiteral("--version")) {
            if (commandLine.request == WindowCommandLine::Request::Window)
                commandLine.request = WindowCommandLine::Request::Version;
        } else {
            commandLine.parameters << arguments[i];
        }
    }
    return commandLine;
}
