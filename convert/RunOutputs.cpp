#include "convert/RunOutputs.h"

#include "convert/InvoicePackage.h"
#include "convert/WriteGuard.h"

#include <climits>

std::vector<std::string> OutputFilesOfRun(const RunInputs& inputs, int rowCount)
{
    if (inputs.outputPath.empty()) return {};
    if (inputs.documentType != kInvoiceType) return {inputs.outputPath};
    return InvoiceFileNames(inputs.outputPath, rowCount, inputs.noSeparate15Pos ? INT_MAX : kPositionsPerInvoice);
}

void GuardRunOutputs(const RunInputs& inputs, const std::vector<std::string>& outputs)
{
    WriteGuard guard;
    guard.Keep(inputs.workbookPath);
    for (const std::string& kept : inputs.keptFiles) guard.Keep(kept);
    for (const std::string& output : outputs) guard.Claim(output);
}
