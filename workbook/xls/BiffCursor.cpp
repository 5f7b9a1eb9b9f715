#include "workbook/xls/BiffCursor.h"

#include "workbook/xls/BiffRecordIds.h"
#include "workbook/xls/BiffText.h"
#include "workbook/xls/BiffRecordOverrun.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kHighByte = 0x01;
constexpr std::uint8_t kPhonetic = 0x04;
constexpr std::uint8_t kRichText = 0x08;
constexpr std::size_t kRunSize = 4;

[[noreturn]] void ThrowTooShort()
{
    throw BiffRecordOverrun();
}

} // namespace

BiffCursor::BiffCursor(std::string_view stream, const BiffRecord& record)
    : stream_(stream), segment_(record.body), next_(record.next)
{
}

bool BiffCursor::EnterContinuation()
{
    // A CONTINUE without bytes carries nothing, not even the option byte of
    // a string going on.
    for (;;) {
        if (next_ >= stream_.size()) return false;
        const std::optional<BiffRecord> following = BiffRecordAt(stream_, next_);
        if (!following || following->id != BiffId::Continue) return false;
        next_ = following->next;
        if (following->body.empty()) continue;
        segment_ = following->body;
        pos_ = 0;
        return true;
    }
}

bool BiffCursor::AtEnd() const
{
    if (Left() > 0) return false;
    for (std::size_t offset = next_; offset < stream_.size();) {
        const std::optional<BiffRecord> following = BiffRecordAt(stream_, offset);
        if (!following || following->id != BiffId::Continue) return true;
        if (!following->body.empty()) return false;
        offset = following->next;
    }
    return true;
}

void BiffCursor::Read(unsigned char* out, std::size_t count)
{
    while (count > 0) {
        if (Left() == 0 && !EnterContinuation()) ThrowTooShort();
        const std::size_t take = std::min(count, Left());
        if (out) {
            std::memcpy(out, segment_.data() + pos_, take);
            out += take;
        }
        pos_ += take;
        count -= take;
    }
}

std::uint8_t BiffCursor::U8()
{
    unsigned char byte;
    Read(&byte, 1);
    return byte;
}

std::uint16_t BiffCursor::U16()
{
    unsigned char bytes[2];
    Read(bytes, 2);
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t BiffCursor::U32()
{
    unsigned char bytes[4];
    Read(bytes, 4);
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
           | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

double BiffCursor::F64()
{
    unsigned char bytes[8];
    Read(bytes, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void BiffCursor::Skip(std::size_t count)
{
    Read(nullptr, count);
}

std::string BiffCursor::UnicodeString()
{
    textCutShort_ = false;
    std::size_t count = U16();
    const std::uint8_t flags = U8();
    const std::size_t runs = (flags & kRichText) ? U16() : 0;
    const std::size_t phonetic = (flags & kPhonetic) ? U32() : 0;

    bool wide = flags & kHighByte;
    std::u16string units;
    units.reserve(std::min<std::size_t>(count, stream_.size()));
    while (count > 0) {
        if (Left() == 0) {
            if (!EnterContinuation()) {
                textCutShort_ = true;
                return Utf16ToUtf8(units);
            }
            // A CONTINUE that holds this byte alone carries no character:
            // the next one opens with its own.
            wide = U8() & kHighByte;
            continue;
        }
        const std::size_t width = wide ? 2 : 1;
        // Half a two-byte character at the end of a record is lost; the
        // characters after it go on in the continuation.
        if (Left() < width) {
            textCutShort_ = true;
            pos_ = segment_.size();
            --count;
            continue;
        }
        const std::size_t take = std::min(count, Left() / width);
        const auto* bytes = reinterpret_cast<const unsigned char*>(segment_.data() + pos_);
        for (std::size_t i = 0; i < take; ++i)
            units.push_back(wide ? static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8) : bytes[i]);
        pos_ += take * width;
        count -= take;
    }
    // Formatting runs and phonetic text cut by the end of the record take
    // nothing from the characters.
    SkipUpTo(runs * kRunSize + phonetic);
    return Utf16ToUtf8(units);
}

std::string BiffCursor::Bytes(std::size_t count)
{
    std::string bytes(count, '\0');
    Read(reinterpret_cast<unsigned char*>(bytes.data()), count);
    return bytes;
}

void BiffCursor::SkipUpTo(std::size_t count)
{
    while (count > 0 && (Left() > 0 || EnterContinuation())) {
        const std::size_t take = std::min(count, Left());
        pos_ += take;
        count -= take;
    }
}

std::string BiffCursor::BytesUpTo(std::size_t count)
{
    textCutShort_ = false;
    std::string bytes;
    while (bytes.size() < count) {
        if (Left() == 0 && !EnterContinuation()) {
            textCutShort_ = true;
            break;
        }
        const std::size_t take = std::min(count - bytes.size(), Left());
        bytes.append(segment_.substr(pos_, take));
        pos_ += take;
    }
    return bytes;
}

std::string BiffCursor::ByteString(const char* charset)
{
    return DecodeByteText(BytesUpTo(U16()), charset);
}
