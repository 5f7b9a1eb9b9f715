#include "app/window/CommandLine.h"

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
