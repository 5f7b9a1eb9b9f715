// quarnel: the wizard window.

#include "app/common/DocumentTypeParameter.h"
#include "app/common/FrontEndTexts.h"
#include "app/common/InterruptHandlers.h"
#include "app/common/SystemRegional.h"
#include "app/window/CommandLine.h"
#include "app/window/HintTimingStyle.h"
#include "app/window/QtUserDialogs.h"
#include "app/window/TfmQRNMain.h"
#include "app/window/WindowTexts.h"
#include "base/MemoryArena.h"
#include "base/MessageFormat.h"
#include "settings/IniLocation.h"
#include "settings/IniStore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <iostream>

namespace {

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Qt ends a program that has no display to show on with an English abort
// (status 134); this says it in Russian and ends with status 2. Only while
// the application is made: a fatal message then is the platform's.
void NoDisplayHandler(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg) return;
    std::cerr << QRNConsts::sNoDisplay << std::flush;
    std::_Exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    UseOneMemoryArena();
    InstallRunInterruptHandlers();
    // Asked for a text only: printed with no window and no display needed.
    const WindowCommandLine::Request request = ParseWindowCommandLine(ArgumentsOf(argc, argv)).request;
    if (request == WindowCommandLine::Request::Help) {
        std::cout << FormatMessage(QRNConsts::sWindowUsage, {DocumentTypeHelpLines()});
        return 0;
    }
    if (request == WindowCommandLine::Request::Version) {
        std::cout << FormatMessage(QRNConsts::sWindowVersion, {QRNConsts::sVersion});
        return 0;
    }

    const QtMessageHandler qtHandler = qInstallMessageHandler(NoDisplayHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    QApplication::setApplicationName(QStringLiteral("quarnel"));
    // The menu entry's id: a desktop matches the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.quarnel.quarnel"));
    QApplication::setStyle(new HintTimingStyle);

    // Qt's own dialogs (file choice, message box buttons) speak Russian, as
    // the wizard does, whatever the locale: a fresh system's C.UTF-8 would
    // show "Look in" and "Cancel" beside Russian texts.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // Qt has taken its own options (-platform, -style, ...) out by now.
    const WindowCommandLine commandLine = ParseWindowCommandLine(QApplication::arguments().mid(1));
    if (!commandLine.settingsFile.isEmpty()) {
        IniStore::SetIniFileName(commandLine.settingsFile.toStdString());
    } else {
        const IniLocation location = DefaultIniLocation(RunningExecutablePath());
        IniStore::SetIniFileName(location.path);
        if (!location.ignored.empty())
            std::cerr << FormatMessage(QRNConsts::sSettingsBesideIgnored, {location.ignored, location.path}) << '\n';
    }

    QtUserDialogs dialogs;
    TfmQRNMain window(UsersRegional(), dialogs, commandLine.parameters);
    if (commandLine.supplierLayout) window.SetCommandLineLayout(*commandLine.supplierLayout);
    if (!commandLine.sheet.isEmpty() || commandLine.headerRow > 0 || commandLine.findHeaderRow)
        window.SetCommandLineSheet(commandLine.sheet,
                                   commandLine.findHeaderRow ? TfmQRNMain::kFindHeaderRow : commandLine.headerRow);
    window.show();
    application.exec();
    // Closing the window is the only way out, and it always succeeds.
    return 0;
}
