#include "writers/ONIXErrorChannel.h"

namespace ONIXFunctions {

std::string& ONIXErrorText()
{
    thread_local std::string text;
    return text;
}

std::function<void()>& OnONIXError()
{
    thread_local std::function<void()> handler;
    return handler;
}

void ReportONIXError(const std::string& checkResult)
{
    ONIXErrorText() = checkResult;
    if (!ONIXErrorText().empty() && OnONIXError()) OnONIXError()();
}

} // namespace ONIXFunctions
