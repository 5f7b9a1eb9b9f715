#include "workbook/xls/BiffRecordStream.h"

#include "workbook/xls/BiffRecordIds.h"
#include "workbook/WorkbookFault.h"

#include <algorithm>

namespace {

constexpr std::size_t kHeaderSize = 4;

std::uint16_t LittleEndian16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at])
                                      | static_cast<unsigned char>(bytes[at + 1]) << 8);
}

} // namespace

std::optional<BiffRecord> BiffRecordAt(std::string_view stream, std::size_t offset)
{
    if (offset > stream.size()) ThrowBroken(ReadReason::FileTruncated);
    // Less than a header left: the stream ends there.
    if (stream.size() - offset < kHeaderSize) return std::nullopt;
    const std::size_t length = LittleEndian16(stream, offset + 2);
    const std::size_t bodyStart = offset + kHeaderSize;
    // A record cut by the end of the stream is what is left of it.
    const std::size_t kept = std::min(length, stream.size() - bodyStart);
    return BiffRecord{LittleEndian16(stream, offset), stream.substr(bodyStart, kept), bodyStart + kept};
}

BiffRecordStream::BiffRecordStream(std::string_view stream, std::size_t offset) : stream_(stream), offset_(offset) {}

bool BiffRecordStream::Next(BiffRecord& record)
{
    for (;;) {
        const std::optional<BiffRecord> found = BiffRecordAt(stream_, offset_);
        if (!found) return false;
        offset_ = found->next;
        if (found->id != BiffId::Continue) {
            record = *found;
            return true;
        }
    }
}
