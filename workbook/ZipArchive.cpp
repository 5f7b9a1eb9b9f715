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
    ZipPartStream stream(*this, part);
    for (std::string_view piece = stream.Next(); !piece.empty(); piece = stream.Next())
        if (!sink(piece.data(), piece.size())) return;
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

ZipPartStream::ZipPartStream(ZipArchive& archive, std::string_view part) : archive_(archive), name_(part)
{
    const auto index = archive.Locate(part);
    if (!index) ThrowBroken(ReadReason::PartMissing, {name_});
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.archive_, *index, 0, &stat) != 0) ThrowBroken(ReadReason::PartDamaged, {name_});
    // An entry under a password would read as damage: say what it is.
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) ThrowEncrypted();
    compressed_ = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;
    file_ = zip_fopen_index(archive.archive_, *index, 0);
    if (!file_) ThrowBroken(ReadReason::PartDamaged, {name_});
    buffer_.resize(256 * 1024);
}

ZipPartStream::~ZipPartStream()
{
    zip_fclose(file_);
}

std::string_view ZipPartStream::Next()
{
    const zip_int64_t got = zip_fread(file_, buffer_.data(), buffer_.size());
    if (got < 0) ThrowBroken(ReadReason::PartDamaged, {name_});
    const auto size = static_cast<std::uint64_t>(got);
    inflated_ += size;
    archive_.inflatedTotal_ += size;
    if (archive_.inflatedTotal_ > ZipArchive::kMaxInflatedTotal
        || (inflated_ > ZipArchive::kRatioFreeSize && inflated_ / ZipArchive::kMaxRatio > compressed_))
        ThrowBroken(ReadReason::PartTooLarge, {name_});
    return {buffer_.data(), static_cast<std::size_t>(size)};
}
