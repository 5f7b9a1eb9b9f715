#pragma once

#include <functional>
#include <string>

namespace ONIXFunctions {

// The channel through which a writer hands a bad cell value to the run in
// progress. It is per thread, so two runs in two threads never see each
// other's messages or handlers.

// The last reported message; the run's handler clears it after logging.
std::string& ONIXErrorText();

// The run's handler; empty until a run installs one, and left installed after
// the run ends (the next run replaces it).
std::function<void()>& OnONIXError();

// Sets ONIXErrorText to the check result (also when it is empty, which clears
// a leftover message), then calls the handler when the text is not empty and a
// handler is installed. The writer goes on writing either way.
void ReportONIXError(const std::string& checkResult);

} // namespace ONIXFunctions
