#include "PartBundle.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr std::string_view kPartMark = "@@ ";
constexpr std::string_view kNextPart = "\n@@ ";

struct ArchiveDiscarder {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using OpenArchive = std::unique_ptr<zip_t, ArchiveDiscarder>;

} // namespace

bool IsPartBundle(std::string_view input)
{
    return input.starts_with(kPartMark);
}

std::vector<BundlePart> ParsePartBundle(std::string_view input)
{
    std::vector<BundlePart> parts;
    if (!IsPartBundle(input)) return parts;
    std::size_t pos = 0;
    while (pos < input.size()) {
        pos += kPartMark.size();
        const auto lineEnd = input.find('\n', pos);
        BundlePart part;
        part.name =
            std::string(input.substr(pos, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - pos));
        if (lineEnd == std::string_view::npos) {
            parts.push_back(std::move(part));
            break;
        }
        const std::size_t contentStart = lineEnd + 1;
        // The line feed before the next mark may be the one that ends the
        // name line: then the content is empty.
        const auto next = input.find(kNextPart, lineEnd);
        const std::size_t contentEnd = next == std::string_view::npos ? input.size() : std::max(next, contentStart);
        part.content = std::string(input.substr(contentStart, contentEnd - contentStart));
        parts.push_back(std::move(part));
        if (next == std::string_view::npos) break;
        pos = next + 1;
    }
    return parts;
}

std::string MakePartBundle(const std::vector<BundlePart>& parts)
{
    std::string bundle;
    for (const BundlePart& part : parts) {
        if (!bundle.empty()) bundle += '\n';
        bundle.append(kPartMark).append(part.name).append("\n").append(part.content);
    }
    return bundle;
}

void WriteBundleZip(const std::string& path, const std::vector<BundlePart>& parts)
{
    int error = 0;
    OpenArchive archive(zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive) throw std::runtime_error("cannot create " + path);
    for (const BundlePart& part : parts) {
        // The buffer must live until zip_close: the parts outlive the archive.
        zip_source_t* source = zip_source_buffer(archive.get(), part.content.data(), part.content.size(), 0);
        if (!source) continue;
        const zip_int64_t index = zip_file_add(archive.get(), part.name.c_str(), source, ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            continue;
        }
        zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive.get()) != 0) throw std::runtime_error("cannot write " + path);
    (void)archive.release();
}

std::vector<BundlePart> ReadZipParts(const std::string& path)
{
    int error = 0;
    OpenArchive archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
    if (!archive) throw std::runtime_error("not a zip: " + path);
    std::vector<BundlePart> parts;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) continue;
        BundlePart part{stat.name, {}};
        if (part.name.ends_with('/')) continue;
        zip_file_t* file = zip_fopen_index(archive.get(), index, 0);
        if (!file) throw std::runtime_error("unreadable part " + part.name + " in " + path);
        char buffer[1 << 16];
        zip_int64_t got = 0;
        while ((got = zip_fread(file, buffer, sizeof buffer)) > 0)
            part.content.append(buffer, static_cast<std::size_t>(got));
        zip_fclose(file);
        if (got < 0) throw std::runtime_error("damaged part " + part.name + " in " + path);
        parts.push_back(std::move(part));
    }
    return parts;
}
