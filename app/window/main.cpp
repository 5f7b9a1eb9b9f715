// quarnel: the wizard window.

#include "app/common/SystemRegional.h"
#include "app/window/CommandLine.h"
#include "app/window/HintTimingStyle.h"
#include "app/window/QtUserDialogs.h"
#include "app/window/TfmQRNMain.h"
#include "settings/IniStore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quarnel"));
    QApplication::setStyle(new HintTimingStyle);

    // Qt's own dialogs (file choice, message box buttons) speak the user's
    // language where the Qt translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    const WindowCommandLine commandLine = ParseWindowCommandLine(QApplication::arguments().mid(1));
    if (!commandLine.settingsFile.isEmpty()) IniStore::SetIniFileName(commandLine.settingsFile.toStdString());

    QtUserDialogs dialogs;
    TfmQRNMain window(UsersRegional(), dialogs, commandLine.parameters);
    if (!commandLine.sheet.isEmpty() || commandLine.headerRow > 0)
        window.SetCommandLineSheet(commandLine.sheet, commandLine.headerRow);
    window.show();
    application.exec();
    // Closing the window is the only way out, and it always succeeds.
    return 0;
}
