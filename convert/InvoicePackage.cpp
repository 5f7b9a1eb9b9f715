#include "convert/InvoicePackage.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <unordered_set>

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

namespace {

// N of a name "<prefix>N.xml", N written as the run writes it (no leading
// zero); 0 for any other name.
int PackageNumberOf(const std::string& name, const std::string& prefix)
{
    constexpr std::string_view kSuffix = ".xml";
    if (name.size() <= prefix.size() + kSuffix.size() || !name.starts_with(prefix) || !name.ends_with(kSuffix))
        return 0;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
    if (digits.size() > 9 || digits.front() == '0'
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(digits);
}

} // namespace

std::vector<std::string> StalePackageFiles(const std::string& outputPath, const std::vector<std::string>& written)
{
    // "out/inv-1.xml" without its "1.xml": the folder and the name's prefix.
    const std::string first = PackageFileName(outputPath, 1);
    const std::filesystem::path prefix = first.substr(0, first.size() - 5);
    const std::filesystem::path folder = prefix.has_parent_path() ? prefix.parent_path() : ".";
    const std::unordered_set<std::string> saved(written.begin(), written.end());
    std::map<int, std::string> stale;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const int k = PackageNumberOf(entry->path().filename().string(), prefix.filename().string());
        std::error_code ignored;
        if (k == 0 || !entry->is_regular_file(ignored)) continue;
        const std::string file = PackageFileName(outputPath, k);
        if (!saved.contains(file)) stale.emplace(k, file);
    }
    std::vector<std::string> files;
    for (const auto& [k, file] : stale) files.push_back(file);
    return files;
}
