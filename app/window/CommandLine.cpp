#include "app/window/CommandLine.h"

#include "base/MessageFormat.h"
#include "base/QuarnelError.h"
#include "catalogue/QRNConsts.h"

#include <charconv>

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments)
{
    static const QString kSettings = QStringLiteral("--settings");
    static const QString kSettingsAssign = QStringLiteral("--settings=");
    WindowCommandLine commandLine;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kSettings) {
            if (i + 1 < arguments.size()) commandLine.settingsFile = arguments[++i];
        } else if (argument.startsWith(kSettingsAssign)) {
            commandLine.settingsFile = argument.mid(kSettingsAssign.size());
        } else {
            commandLine.parameters << argument;
        }
    }
    return commandLine;
}

int ParseIntegerParameter(const std::string& text)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes a minus but no plus.
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw QuarnelError(FormatMessage(QRNConsts::sNotValidInteger, {text}));
    return value;
}
