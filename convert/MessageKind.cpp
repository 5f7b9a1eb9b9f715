#include "convert/MessageKind.h"

#include "base/WholeFile.h"
#include "convert/InvoicePackage.h"

#include <filesystem>
#include <string_view>

namespace {

// The first element's name: after the XML declaration, comments and
// processing instructions, which the first few kilobytes hold.
std::string RootElement(const std::string& path)
{
    constexpr std::size_t kHeadBytes = 4096;
    const WholeFile head = ReadRegularFileStart(path, kHeadBytes);
    if (head.outcome != WholeFile::Outcome::Read) return {};
    const std::string_view text = head.bytes;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = text.substr(at + 1);
        if (rest.starts_with('?') || rest.starts_with('!')) {
            ++at;
            continue;
        }
        const std::size_t end = rest.find_first_of(" \t\r\n/>");
        return end == std::string_view::npos ? std::string() : std::string(rest.substr(0, end));
    }
    return {};
}

bool Exists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

} // namespace

std::vector<std::string> OtherKindOfMessage(const std::string& outputPath, TDocumentType type)
{
    const bool invoice = type == kInvoiceType;
    const std::string otherRoot = invoice ? kPriceListRoot : kInvoiceRoot;
    std::vector<std::string> replaced{outputPath};
    if (invoice)
        for (int k = 1; Exists(PackageFileName(outputPath, k)); ++k) replaced.push_back(PackageFileName(outputPath, k));
    std::vector<std::string> other;
    for (const std::string& path : replaced)
        if (RootElement(path) == otherRoot) other.push_back(path);
    return other;
}
