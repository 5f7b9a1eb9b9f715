#include "convert/RunOutputs.h"

#include "base/FileReplacement.h"

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

bool PutRunFilesInPlace(const RunInputs& inputs, std::vector<std::unique_ptr<AtomicFile>> files)
{
    FileReplacement own;
    FileReplacement& replacement = inputs.replacement ? *inputs.replacement : own;
    for (std::unique_ptr<AtomicFile>& file : files) replacement.Add(std::move(file));
    if (inputs.replacement) return !inputs.stop.Requested();
    return own.Commit(inputs.stop) == FileReplacement::Outcome::Replaced;
}
