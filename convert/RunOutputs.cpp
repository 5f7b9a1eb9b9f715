#include "convert/RunOutputs.h"

WriteGuard RunOutputsGuard(const RunInputs& inputs)
{
    WriteGuard guard;
    guard.Keep(inputs.workbookPath);
    for (const std::string& kept : inputs.keptFiles) guard.Keep(kept);
    return guard;
}

void GuardRunOutputs(const RunInputs& inputs, const std::vector<std::string>& outputs)
{
    WriteGuard guard = RunOutputsGuard(inputs);
    for (const std::string& output : outputs) guard.Claim(output);
}
