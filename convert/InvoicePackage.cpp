#include "convert/InvoicePackage.h"

namespace {

std::size_t FileNameStart(const std::string& path)
{
#ifdef _WIN32
    const auto separator = path.find_last_of("/\\:");
#else
    const auto separator = path.rfind('/');
#endif
    return separator == std::string::npos ? 0 : separator + 1;
}

} // namespace

std::string PackageFileName(const std::string& outputPath, int k)
{
    const std::size_t nameStart = FileNameStart(outputPath);
    const auto dot = outputPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::string stem = hasExtension ? outputPath.substr(0, dot) : outputPath;
    return stem + "-" + std::to_string(k) + ".xml";
}

std::string PackageInvoiceNumber(const std::string& messageNumber, int k)
{
    return messageNumber + "-" + std::to_string(k);
}
