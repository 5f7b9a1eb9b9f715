#include "app/common/InterruptHandlers.h"

#include "app/common/FrontEndTexts.h"
#include "base/MessageFormat.h"
#include "base/TemporaryFiles.h"

void InstallRunInterruptHandlers()
{
    InstallInterruptHandlers(FormatMessage(QRNConsts::sInterruptedBySignal, {"SIGINT"}),
                             FormatMessage(QRNConsts::sInterruptedBySignal, {"SIGTERM"}));
}
