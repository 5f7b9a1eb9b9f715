#pragma once

#include "workbook/xls/BiffRecordStream.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads a record's body and the CONTINUE records that extend it as one run of
// bytes. The one seam that is not transparent: when a BIFF8 string's characters
// go on in a CONTINUE record, that record opens with a fresh option byte saying
// whether they are one or two bytes wide. Reading past the last continuation is
// a broken workbook, so no record length can make the reader run off its data.
class BiffCursor {
public:
    BiffCursor(std::string_view stream, const BiffRecord& record);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    double F64();
    void Skip(std::size_t count);
    std::string Bytes(std::size_t count);

    // No byte left in the record and its continuations.
    bool AtEnd() const;

    // A BIFF8 string: its 16-bit character count, option flags, then the
    // characters; rich-text runs and phonetic data are passed over.
    std::string UnicodeString();

    // A BIFF5 string: its 16-bit character count, then 8-bit characters of
    // the given charset.
    std::string ByteString(const char* charset);

    // `count` bytes, or as many as the record and its continuations hold.
    std::string BytesUpTo(std::size_t count);

    // Whether the last string read lost characters to the end of the record
    // or to half a two-byte character: it holds the characters it kept.
    bool TextCutShort() const { return textCutShort_; }

private:
    void Read(unsigned char* out, std::size_t count);
    // Moves into the following CONTINUE record; false when there is none.
    bool EnterContinuation();
    std::size_t Left() const { return segment_.size() - pos_; }
    // Passes over up to `count` bytes, fewer where the record ends.
    void SkipUpTo(std::size_t count);

    std::string_view stream_;
    std::string_view segment_;
    std::size_t pos_ = 0;
    std::size_t next_; // stream offset after the current segment
    bool textCutShort_ = false;
};
