#pragma once

#include <string>
#include <vector>

// How a run ended, for callers that cannot read the log (the command line's
// exit status, tests).
struct RunResult {
    int errorCount = 0;
    bool criticalError = false;
    std::vector<std::string> savedFiles;
    bool allSaved = false;
};
