#include "workbook/xls/XlsGlobals.h"

#include "workbook/NumberFormats.h"
#include "workbook/xls/BiffCursor.h"
#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/BiffText.h"
#include "workbook/xls/BiffRecordOverrun.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::uint16_t kBiff5 = 0x0500;
constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::size_t kFontCharsetOffset = 12;

BiffVersion VersionOfBof(const BiffRecord& bof)
{
    if (bof.id != BiffId::Bof) ThrowBroken(ReadReason::WorkbookStreamDamaged);
    if (bof.body.size() < 4) ThrowBroken(ReadReason::RecordTooShort);
    const auto version = static_cast<std::uint16_t>(static_cast<unsigned char>(bof.body[0])
                                                    | static_cast<unsigned char>(bof.body[1]) << 8);
    // A writer that states another version is judged by the BOF's length:
    // sixteen bytes in BIFF8, eight before it.
    if (version == kBiff8) return BiffVersion::Biff8;
    if (version == kBiff5 || bof.body.size() < 16) return BiffVersion::Biff5;
    return BiffVersion::Biff8;
}

class GlobalsReader {
public:
    GlobalsReader(std::string_view stream, BiffVersion version) : stream_(stream) { globals_.version = version; }

    // A record that runs past its end gives what it holds up to there (the
    // shared strings before the cut) and is otherwise passed over.
    void Read(const BiffRecord& record)
    {
        try {
            ReadRecord(record);
        } catch (const BiffRecordOverrun&) {
        }
    }

    void ReadRecord(const BiffRecord& record)
    {
        BiffCursor cursor(stream_, record);
        switch (record.id) {
        case BiffId::FilePass: ThrowEncrypted();
        case BiffId::CodePage: codePageCharset_ = CharsetOfCodePage(cursor.U16()); break;
        case BiffId::DateMode: globals_.date1904 = cursor.U16() != 0; break;
        case BiffId::Font:
            if (!fontCharset_) {
                cursor.Skip(kFontCharsetOffset);
                fontCharset_ = CharsetOfFontCharset(cursor.U8());
            }
            break;
        case BiffId::Format: ReadFormat(cursor); break;
        case BiffId::Xf:
            cursor.Skip(2);
            xfFormats_.push_back(cursor.U16());
            break;
        case BiffId::BoundSheet: ReadBoundSheet(cursor); break;
        case BiffId::Sst: ReadSharedStrings(cursor); break;
        default: break;
        }
    }

    XlsGlobals Finish()
    {
        if (!sawSheet_) ThrowBroken(ReadReason::NoSheets);
        globals_.charset = codePageCharset_ ? codePageCharset_ : fontCharset_ ? fontCharset_ : kFallbackCharset;
        if (globals_.version != BiffVersion::Biff8)
            for (XlsGlobals::Sheet& sheet : globals_.sheets)
                sheet.name = DecodeByteText(sheet.name, globals_.charset.c_str());

        std::unordered_map<std::uint16_t, NumberStyle> styleOfFormat;
        for (const auto& [id, code] : formatCodes_) {
            const std::string text =
                globals_.version == BiffVersion::Biff8 ? code : DecodeByteText(code, globals_.charset.c_str());
            styleOfFormat[id] = StyleOfFormatCode(text);
        }
        globals_.xfStyles.reserve(xfFormats_.size());
        for (const std::uint16_t format : xfFormats_) {
            // The built-in date formats are dates whatever code a writer
            // repeats for them; any other format is what its code shows.
            NumberStyle style = NumberStyle::Plain;
            if (IsBuiltinDateFormat(format)) {
                style = StyleOfBuiltinFormat(format);
            } else if (const auto found = styleOfFormat.find(format); found != styleOfFormat.end()) {
                style = found->second;
            }
            globals_.xfStyles.push_back(style);
        }
        return std::move(globals_);
    }

private:
    // A hidden first sheet is still the first. The name is read last: a
    // record cut inside it still gives the sheet, without its name.
    void ReadBoundSheet(BiffCursor& cursor)
    {
        XlsGlobals::Sheet sheet;
        sheet.offset = cursor.U32();
        sheet.hidden = cursor.U8() != 0;
        sheet.type = cursor.U8();
        if (!sawSheet_) {
            sawSheet_ = true;
            globals_.firstSheetOffset = sheet.offset;
            globals_.firstSheetType = sheet.type;
        }
        globals_.sheets.push_back(sheet);
        const std::uint8_t length = cursor.U8();
        if (globals_.version != BiffVersion::Biff8) {
            globals_.sheets.back().name = cursor.Bytes(length);
            return;
        }
        const bool wide = (cursor.U8() & 0x01) != 0;
        std::u16string name;
        for (std::uint8_t i = 0; i < length; ++i) name += static_cast<char16_t>(wide ? cursor.U16() : cursor.U8());
        globals_.sheets.back().name = Utf16ToUtf8(name);
    }

    void ReadFormat(BiffCursor& cursor)
    {
        const std::uint16_t id = cursor.U16();
        // BIFF5 codes stay undecoded until the charset is known at the end.
        if (globals_.version == BiffVersion::Biff8) {
            formatCodes_.emplace_back(id, cursor.UnicodeString());
        } else {
            formatCodes_.emplace_back(id, cursor.Bytes(cursor.U8()));
        }
    }

    // Writers miscount their strings either way (0, fewer or more than the
    // table holds); the strings are what the record and its continuations
    // hold. A string the record ends inside, even inside its own count and
    // options, is kept as far as it goes: the strings before it stay usable.
    void ReadSharedStrings(BiffCursor& cursor)
    {
        cursor.Skip(4); // the count of references, which nothing needs
        const std::uint32_t unique = cursor.U32();
        std::vector<std::string>& table = globals_.sharedStrings;
        table.clear();
        globals_.cutSharedStrings.clear();
        table.reserve(std::min<std::size_t>(unique, stream_.size() / 3));
        while (!cursor.AtEnd()) {
            try {
                table.push_back(cursor.UnicodeString());
            } catch (const BiffRecordOverrun&) {
                globals_.cutSharedStrings.push_back(table.size());
                table.emplace_back();
                return;
            }
            if (cursor.TextCutShort()) globals_.cutSharedStrings.push_back(table.size() - 1);
        }
    }

    std::string_view stream_;
    XlsGlobals globals_;
    const char* codePageCharset_ = nullptr;
    const char* fontCharset_ = nullptr;
    bool sawSheet_ = false;
    std::vector<std::pair<std::uint16_t, std::string>> formatCodes_;
    std::vector<std::uint16_t> xfFormats_;
};

} // namespace

XlsGlobals ReadXlsGlobals(std::string_view stream)
{
    BiffRecordStream records(stream, 0);
    BiffRecord record;
    if (!records.Next(record)) ThrowBroken(ReadReason::FileTruncated);
    GlobalsReader reader(stream, VersionOfBof(record));
    // A stream cut before the globals' EOF ends them there.
    while (records.Next(record) && record.id != BiffId::Eof) reader.Read(record);
    return reader.Finish();
}
