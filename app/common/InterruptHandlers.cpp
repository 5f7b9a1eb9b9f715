#include "app/common/InterruptHandlers.h"

#include "app/common/FrontEndTexts.h"
#include "base/MessageFormat.h"
#include "base/TemporaryFiles.h"

#include <csignal>

namespace {

std::string InterruptedMessage(int signal, bool filesReplaced)
{
    const char* name = signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "SIGHUP";
    return FormatMessage(filesReplaced ? QRNConsts::sInterruptedAfterReplacing : QRNConsts::sInterruptedBySignal,
                         {name});
}

} // namespace

void InstallRunInterruptHandlers()
{
    InstallInterruptHandlers(InterruptedMessage);
}
