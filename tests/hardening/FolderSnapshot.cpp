#include "FolderSnapshot.h"

#include <filesystem>
#include <fstream>
#include <iterator>

FolderSnapshot SnapshotOf(const std::string& folder)
{
    FolderSnapshot snapshot;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::string name = it->path().lexically_relative(folder).string();
        if (it->is_symlink()) {
            snapshot[name] = "<link to " + std::filesystem::read_symlink(it->path()).string() + ">";
            continue;
        }
        if (it->is_directory()) {
            snapshot[name] = "<folder>";
            continue;
        }
        if (!it->is_regular_file()) { // reading a FIFO would wait for a writer
            snapshot[name] = "<special>";
            continue;
        }
        std::ifstream in(it->path(), std::ios::binary);
        snapshot[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return snapshot;
}

int TemporaryFilesIn(const std::string& folder)
{
    int count = 0;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (const std::string name = it->path().filename().string();
            name.find(".tmp-") != std::string::npos || name.starts_with(".quarnel-replace"))
            ++count;
    return count;
}
