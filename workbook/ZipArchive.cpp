#include "workbook/ZipArchive.h"

#include "workbook/WorkbookFault.h"

#include <zip.h>

#include <cerrno>
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

// libzip reads the archive through this source: at positions of its own in
// the one open file, so that two archives over it, on two threads, never move
// each other's place.
struct PositionalSource {
    std::shared_ptr<const OpenedFile> file;
    std::uint64_t position = 0;
    zip_error_t error{};
};

zip_int64_t ReadSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* source = static_cast<PositionalSource*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN: source->position = 0; return 0;
    case ZIP_SOURCE_READ: {
        const long long got = source->file->ReadAt(source->position, static_cast<char*>(data), length);
        if (got < 0) {
            zip_error_set(&source->error, ZIP_ER_READ, errno);
            return -1;
        }
        source->position += static_cast<std::uint64_t>(got);
        return got;
    }
    case ZIP_SOURCE_CLOSE: return 0;
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = source->file->Size();
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR: return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&source->error);
        delete source;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t position =
            zip_source_seek_compute_offset(source->position, source->file->Size(), data, length, &source->error);
        if (position < 0) return -1;
        source->position = static_cast<std::uint64_t>(position);
        return 0;
    }
    case ZIP_SOURCE_TELL: return static_cast<zip_int64_t>(source->position);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default: zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0); return -1;
    }
}

zip* OpenArchive(const WorkbookFile& workbook)
{
    auto* state = new PositionalSource{workbook.file};
    zip_error_init(&state->error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_function_create(ReadSource, state, &error);
    if (!source) {
        zip_error_fini(&state->error);
        delete state;
        zip_error_fini(&error);
        return nullptr;
    }
    zip* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) zip_source_free(source);
    zip_error_fini(&error);
    return archive;
}

} // namespace

ZipArchive::ZipArchive(const WorkbookFile& workbook) : workbook_(workbook)
{
    archive_ = OpenArchive(workbook);
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
