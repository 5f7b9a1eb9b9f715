#include "workbook/ZipArchive.h"

#include "workbook/WorkbookFault.h"

#include <zip.h>

#include <memory>
#include <vector>

namespace {

std::string AsciiFolded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

ZipArchive::ZipArchive(const std::string& path) : path_(path)
{
    int error = 0;
    archive_ = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive_) ThrowBroken(ReadReason::ZipDamaged);

    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
        if (!name) continue;
        const auto index = static_cast<std::uint64_t>(i);
        if (!exact_.emplace(name, index).second) {
            // The name belongs to the archive: keep it past the discard.
            const std::string duplicate = name;
            zip_discard(archive_);
            archive_ = nullptr;
            ThrowBroken(ReadReason::DuplicateEntry, {duplicate});
        }
        folded_.emplace(AsciiFolded(name), index);
    }
}

ZipArchive::~ZipArchive()
{
    if (archive_) zip_discard(archive_);
}

std::optional<std::uint64_t> ZipArchive::Locate(std::string_view part) const
{
    if (auto found = exact_.find(std::string(part)); found != exact_.end()) return found->second;
    if (auto found = folded_.find(AsciiFolded(part)); found != folded_.end()) return found->second;
    return std::nullopt;
}

bool ZipArchive::Contains(std::string_view part) const
{
    return Locate(part).has_value();
}

void ZipArchive::Read(std::string_view part, const std::function<bool(const char*, std::size_t)>& sink)
{
    const std::string name(part);
    const auto index = Locate(part);
    if (!index) ThrowBroken(ReadReason::PartMissing, {name});

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, *index, 0, &stat) != 0) ThrowBroken(ReadReason::PartDamaged, {name});
    const std::uint64_t compressed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;

    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive_, *index, 0));
    if (!file) ThrowBroken(ReadReason::PartDamaged, {name});

    std::vector<char> buffer(256 * 1024);
    std::uint64_t inflated = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), buffer.data(), buffer.size());
        if (got < 0) ThrowBroken(ReadReason::PartDamaged, {name});
        if (got == 0) break;
        inflated += static_cast<std::uint64_t>(got);
        inflatedTotal_ += static_cast<std::uint64_t>(got);
        if (inflatedTotal_ > kMaxInflatedTotal || (inflated > kRatioFreeSize && inflated / kMaxRatio > compressed))
            ThrowBroken(ReadReason::PartTooLarge, {name});
        if (!sink(buffer.data(), static_cast<std::size_t>(got))) return;
    }
}

std::uint64_t ZipArchive::PartSize(std::string_view part) const
{
    const auto index = Locate(part);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (!index || zip_stat_index(archive_, *index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) return 0;
    return stat.size;
}

std::string ZipArchive::ReadAll(std::string_view part)
{
    std::string out;
    Read(part, [&out](const char* data, std::size_t size) {
        out.append(data, size);
        return true;
    });
    return out;
}
