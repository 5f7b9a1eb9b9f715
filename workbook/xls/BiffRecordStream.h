#pragma once

#include "workbook/xls/BiffRecordIds.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// One record of a BIFF stream: a two-byte identifier, a two-byte length and
// that many bytes of body.
struct BiffRecord {
    std::uint16_t id = 0;
    std::string_view body;
    std::size_t next = 0; // stream offset of the record after this one
};

// The record whose header starts at the offset; nullopt where less than a
// header is left. A body cut by the end of the stream is what is left of it,
// as spreadsheet applications read it; an offset past the end is a broken
// workbook.
std::optional<BiffRecord> BiffRecordAt(std::string_view stream, std::size_t offset);

// Walks a substream record by record. CONTINUE records are passed over here:
// they belong to the record before them, which reads them through BiffCursor.
class BiffRecordStream {
public:
    BiffRecordStream(std::string_view stream, std::size_t offset);

    // False at the end of the stream.
    bool Next(BiffRecord& record);

    std::string_view Stream() const { return stream_; }

private:
    std::string_view stream_;
    std::size_t offset_;
};

// Visits the records of the substream whose BOF ends at `offset` up to its
// EOF, passing over the substreams of embedded charts inside it; a stream cut
// before that EOF ends the substream there. False when not one record
// followed the BOF.
template <typename Visit>
bool ForEachSubstreamRecord(std::string_view stream, std::size_t offset, Visit visit)
{
    BiffRecordStream records(stream, offset);
    BiffRecord record;
    int nested = 0;
    bool anyRecord = false;
    while (records.Next(record)) {
        anyRecord = true;
        if (IsBof(record.id)) {
            ++nested;
        } else if (record.id == BiffId::Eof) {
            if (nested == 0) break;
            --nested;
        } else if (nested == 0) {
            visit(record);
        }
    }
    return anyRecord;
}
