#include "app/common/InterruptHandlers.h"

#include "base/MessageFormat.h"
#include "base/TemporaryFiles.h"
#include "catalogue/QRNConsts.h"

void InstallRunInterruptHandlers()
{
    InstallInterruptHandlers(FormatMessage(QRNConsts::sInterruptedBySignal, {"SIGINT"}),
                             FormatMessage(QRNConsts::sInterruptedBySignal, {"SIGTERM"}));
}
