#include "app/cli/CommandLineConverter.h"
#include "app/common/InterruptHandlers.h"
#include "app/common/SystemRegional.h"
#include "base/MemoryArena.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    UseOneMemoryArena();
    InstallRunInterruptHandlers();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const RegionalProfiles profiles{SystemRegional(), SystemLocaleHasRegionalPreference()};
    return RunCommandLine(arguments, profiles, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
