// Turns zip workbooks (xlsx, ods) into the part bundles the fuzzers mutate:
//   quarnel-seed-bundle OUTPUT_FOLDER WORKBOOK...
// Each workbook that is a readable zip gives OUTPUT_FOLDER/<its name>.bundle;
// others are passed over. Parts that no reader opens (pictures, themes,
// document properties, printer settings) are left out, so that the fuzzers
// spend their mutations where the readers look.
#include "PartBundle.h"

#include <algorithm>
#include <array>
#include <string_view>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

bool IsReadPart(const BundlePart& part)
{
    static constexpr std::array<std::string_view, 11> kUnread = {
        "docProps/",   "xl/theme/", "xl/media/",        "xl/drawings/", "xl/printerSettings/", "xl/customProperty",
        "Thumbnails/", "Pictures/", "Configurations2/", "meta.xml",     "settings.xml"};
    return std::none_of(kUnread.begin(), kUnread.end(),
                        [&](std::string_view prefix) { return part.name.starts_with(prefix); });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: quarnel-seed-bundle OUTPUT_FOLDER WORKBOOK...\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int written = 0;
    for (int i = 2; i < argc; ++i) {
        try {
            std::vector<BundlePart> parts = ReadZipParts(argv[i]);
            std::erase_if(parts, [](const BundlePart& part) { return !IsReadPart(part); });
            const std::string bundle = MakePartBundle(parts);
            std::ofstream out(folder / (std::filesystem::path(argv[i]).filename().string() + ".bundle"),
                              std::ios::binary);
            out << bundle;
            ++written;
        } catch (const std::runtime_error&) {
        }
    }
    std::cout << written << " bundles in " << folder.string() << "\n";
    return 0;
}
