#include "workbook/xls/OleWorkbookStream.h"

#include "base/Utf8Text.h"
#include "workbook/xls/OleDirectoryScan.h"
#include "workbook/xls/OleHeaderRepair.h"
#include "workbook/WorkbookFault.h"

#include <gsf/gsf.h>

#include <memory>
#include <mutex>
#include <optional>

namespace {

struct GObjectRelease {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectRelease>;

constexpr std::size_t kReadChunk = 1 << 20;
// The header repair works on a copy of the whole file in memory.
constexpr gsf_off_t kLargestRepairedFile = gsf_off_t{256} << 20;

std::string ReadWhole(GsfInput* stream, gsf_off_t limit)
{
    const gsf_off_t size = gsf_input_size(stream);
    // A stream cannot hold more than the file around it; a directory entry
    // that says so is damaged.
    if (size < 0 || size > limit) ThrowBroken(ReadReason::OleDamaged);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t chunk = std::min(kReadChunk, bytes.size() - done);
        auto* target = reinterpret_cast<guint8*>(bytes.data() + done);
        if (!gsf_input_read(stream, chunk, target)) ThrowBroken(ReadReason::OleDamaged);
        done += chunk;
    }
    return bytes;
}

GsfInfile* OpenContainer(const WorkbookFile& workbook, GObjectPtr<GsfInput>& file)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        gsf_init();
        // libgsf describes each flaw of a damaged container on standard error;
        // the reader reports the damage itself, once, naming the file.
        const auto quiet = [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {};
        // Some of it goes to the default domain.
        for (const char* domain : {"libgsf", "libgsf:msole", static_cast<const char*>(nullptr)})
            g_log_set_handler(domain, static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL), quiet,
                              nullptr);
    });

    // The container is read from a copy of the open file in memory: libgsf
    // copies any input it cannot stat anyway, and a copy keeps every read of
    // the one open file positional, whatever thread reads.
    {
        const std::string bytes = ReadWholeWorkbookFile(workbook);
        file.reset(gsf_input_memory_new_clone(reinterpret_cast<const guint8*>(bytes.data()),
                                              static_cast<gsf_off_t>(bytes.size())));
    }
    if (!file) throw WorkbookFault(WorkbookFault::Kind::Unreadable, ReadReason::LibraryError, {""});

    GsfInfile* container = gsf_infile_msole_new(file.get(), nullptr);
    const gsf_off_t size = gsf_input_size(file.get());
    if (!container && size <= kLargestRepairedFile && gsf_input_seek(file.get(), 0, G_SEEK_SET) == FALSE) {
        if (std::optional<std::string> repaired = RepairMiniFatCount(ReadWhole(file.get(), size))) {
            file.reset(gsf_input_memory_new_clone(reinterpret_cast<const guint8*>(repaired->data()),
                                                  static_cast<gsf_off_t>(repaired->size())));
            container = gsf_infile_msole_new(file.get(), nullptr);
        }
    }
    if (!container) ThrowBroken(ReadReason::OleDamaged);
    return container;
}

// Stream names are compared without regard to case, as the container's own
// directory does.
int ChildIndex(GsfInfile* container, std::string_view name)
{
    const int count = gsf_infile_num_children(container);
    for (int i = 0; i < count; ++i) {
        const char* child = gsf_infile_name_by_index(container, i);
        if (child && SameTextIgnoreCase(child, name)) return i;
    }
    return -1;
}

// The container library leaves out a stream whose entry is damaged: such
// a workbook stream is named with what is wrong with it, or the container
// holds none.
[[noreturn]] void ThrowWithoutWorkbookStream(GsfInput* file)
{
    const gsf_off_t size = gsf_input_size(file);
    if (size > 0 && size <= kLargestRepairedFile && gsf_input_seek(file, 0, G_SEEK_SET) == FALSE) {
        const std::string bytes = ReadWhole(file, size);
        if (const std::optional<OleStreamClaim> claim = FindStreamClaim(bytes, {"Workbook", "Book"})) {
            if (claim->size > bytes.size())
                ThrowBroken(ReadReason::OleStreamTooLarge,
                            {claim->name, std::to_string(claim->size), std::to_string(bytes.size())});
            ThrowBroken(ReadReason::OleDamaged);
        }
    }
    ThrowUnsupported(ReadReason::NoWorkbookStream);
}

} // namespace

std::string ReadOleWorkbookStream(const WorkbookFile& workbook)
{
    GObjectPtr<GsfInput> file;
    GObjectPtr<GsfInfile> container(OpenContainer(workbook, file));

    if (ChildIndex(container.get(), "EncryptedPackage") >= 0 || ChildIndex(container.get(), "EncryptionInfo") >= 0)
        ThrowEncrypted();

    int index = ChildIndex(container.get(), "Workbook");
    if (index < 0) index = ChildIndex(container.get(), "Book");
    if (index < 0) ThrowWithoutWorkbookStream(file.get());

    GObjectPtr<GsfInput> stream(gsf_infile_child_by_index(container.get(), index));
    if (!stream) ThrowBroken(ReadReason::OleDamaged);
    return ReadWhole(stream.get(), gsf_input_size(file.get()));
}
