#include "ScratchFiles.h"

#include "PartBundle.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

std::string MakeScratchFolder()
{
    std::error_code error;
    std::filesystem::path base = "/dev/shm";
    if (!std::filesystem::is_directory(base, error) || ::access(base.c_str(), W_OK) != 0)
        base = std::filesystem::temp_directory_path();
    std::string pattern = (base / "quarnel-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder in " + base.string());
    return pattern;
}

const std::string& ScratchFolder()
{
    // Never destroyed: the exit handler that removes the folder runs after
    // the destructors of statics made later than it was registered.
    static const std::string* const folder = [] {
        const auto* path = new std::string(MakeScratchFolder());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

} // namespace

std::string ScratchPath(std::string_view name)
{
    return ScratchFolder() + "/" + std::string(name);
}

void WriteScratchFile(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ScratchWorkbook(std::string_view input)
{
    const std::string path = ScratchPath("workbook");
    if (IsPartBundle(input)) WriteBundleZip(path, ParsePartBundle(input));
    else WriteScratchFile(path, input);
    return path;
}
