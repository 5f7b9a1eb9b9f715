#include "workbook/xls/OldBiffGlobals.h"

#include "workbook/NumberFormats.h"
#include "workbook/xls/BiffCursor.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/BiffText.h"
#include "workbook/xls/BiffRecordOverrun.h"

#include <vector>

namespace {

constexpr std::size_t kRecordHeaderSize = 4;

BiffVersion VersionOfBof(std::uint16_t id)
{
    switch (id) {
    case BiffId::Biff2Bof: return BiffVersion::Biff2;
    case BiffId::Biff3Bof: return BiffVersion::Biff3;
    case BiffId::Biff4Bof: return BiffVersion::Biff4;
    default: ThrowBroken(ReadReason::WorkbookStreamDamaged);
    }
}

// What an old file's records say of its cells' formats. A single-sheet file
// holds them in its one substream; a BIFF4 workbook in each sheet's own.
class FormatRecords {
public:
    // The code page and date system only: a BIFF4 workbook's globals.
    void ReadWorkbookSettings(std::string_view stream, const BiffRecord& record)
    {
        if (record.id == BiffId::CodePage || record.id == BiffId::DateMode) Read(stream, record);
    }

    // A record that runs past its end is passed over.
    void Read(std::string_view stream, const BiffRecord& record)
    {
        try {
            ReadRecord(stream, record);
        } catch (const BiffRecordOverrun&) {
        }
    }

private:
    void ReadRecord(std::string_view stream, const BiffRecord& record)
    {
        BiffCursor cursor(stream, record);
        switch (record.id) {
        case BiffId::CodePage: codePageCharset_ = CharsetOfCodePage(cursor.U16()); break;
        case BiffId::DateMode: date1904_ = cursor.U16() != 0; break;
        // Every version numbers its formats in the order they come; BIFF4's
        // record opens with two bytes that no reader uses, whatever they hold.
        case BiffId::Biff2Format: codes_.push_back(cursor.Bytes(cursor.U8())); break;
        case BiffId::Format:
            cursor.Skip(2);
            codes_.push_back(cursor.Bytes(cursor.U8()));
            break;
        // Font index, then the number format's index.
        case BiffId::Biff3Xf:
        case BiffId::Biff4Xf:
            cursor.Skip(1);
            xfFormats_.push_back(cursor.U8());
            break;
        default: break;
        }
    }

public:
    void Fill(XlsGlobals& globals) const
    {
        globals.date1904 = date1904_;
        // Fonts of these versions name no character set.
        globals.charset = codePageCharset_ ? codePageCharset_ : kFallbackCharset;
        for (const std::string& code : codes_)
            globals.formatStyles.push_back(StyleOfFormatCode(DecodeByteText(code, globals.charset.c_str())));
        for (const std::uint8_t format : xfFormats_)
            globals.xfStyles.push_back(format < globals.formatStyles.size() ? globals.formatStyles[format]
                                                                            : NumberStyle::Plain);
    }

private:
    const char* codePageCharset_ = nullptr;
    bool date1904_ = false;
    std::vector<std::string> codes_;
    std::vector<std::uint8_t> xfFormats_;
};

// The records of the substream whose BOF is at the offset, up to its EOF.
template <typename Visit>
void ForEachRecordOf(std::string_view stream, std::size_t bofOffset, Visit visit)
{
    const std::optional<BiffRecord> bof = BiffRecordAt(stream, bofOffset);
    if (!bof) ThrowBroken(ReadReason::SheetNotFound);
    ForEachSubstreamRecord(stream, bof->next, visit);
}

// A BIFF4 workbook: its globals list the sheets, the first of which is read.
std::size_t FirstSheetOfWorkbook(std::string_view stream, FormatRecords& formats)
{
    std::optional<std::size_t> listed;
    std::size_t end = 0;
    ForEachRecordOf(stream, 0, [&](const BiffRecord& record) {
        end = record.next;
        if (record.id == BiffId::BundleSheet && !listed) {
            BiffCursor cursor(stream, record);
            listed = cursor.U32();
        } else {
            formats.ReadWorkbookSettings(stream, record);
        }
    });
    if (listed && *listed < stream.size()) {
        if (const auto bof = BiffRecordAt(stream, *listed); bof && IsBof(bof->id)) return *listed;
    }
    // Without a usable list the sheets follow the globals in their order:
    // the first BOF after the globals' EOF.
    BiffRecordStream records(stream, end);
    BiffRecord record;
    while (records.Next(record))
        if (IsBof(record.id)) return record.next - record.body.size() - kRecordHeaderSize;
    ThrowBroken(ReadReason::NoSheets);
}

} // namespace

XlsGlobals ReadOldBiffGlobals(std::string_view stream)
{
    const std::optional<BiffRecord> bof = BiffRecordAt(stream, 0);
    if (!bof) ThrowBroken(ReadReason::FileTruncated);
    XlsGlobals globals;
    globals.version = VersionOfBof(bof->id);
    BiffCursor cursor(stream, *bof);
    cursor.Skip(2);
    FormatRecords formats;
    if (cursor.U16() == BiffSubstream::Biff4Workbook) globals.firstSheetOffset = FirstSheetOfWorkbook(stream, formats);
    ForEachRecordOf(stream, globals.firstSheetOffset, [&](const BiffRecord& record) { formats.Read(stream, record); });
    formats.Fill(globals);
    return globals;
}
