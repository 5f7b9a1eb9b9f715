#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "workbook/WorkbookFile.h"

struct zip;
struct zip_file;
class ZipPartStream;

// A zip container (xlsx, xlsm, ods) opened for reading its parts. Refuses, as
// damaged, an archive that libzip cannot open, one that holds two entries of
// the same name (which of them a reader takes would be arbitrary), and parts
// whose checksum does not match. Inflating is capped in total and by
// compression ratio, so that a small file cannot make us inflate gigabytes.
class ZipArchive {
public:
    static constexpr std::uint64_t kMaxInflatedTotal = 4ULL << 30;
    // A part may inflate past this size only at an ordinary compression ratio.
    static constexpr std::uint64_t kRatioFreeSize = 16ULL << 20;
    static constexpr std::uint64_t kMaxRatio = 250;

    explicit ZipArchive(const WorkbookFile& workbook);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Part names compare exactly first and then, as the package format
    // allows, without regard to ASCII case.
    bool Contains(std::string_view part) const;

    // The file, for a second reader of other parts at the same time (one
    // archive is read by one thread).
    const WorkbookFile& File() const { return workbook_; }

    // Streams the inflated bytes of a part to `sink`, which returns false to
    // end the read early; WorkbookFault when the part is missing, damaged or
    // too large.
    void Read(std::string_view part, const std::function<bool(const char*, std::size_t)>& sink);
    std::string ReadAll(std::string_view part);
    // The inflated size the archive records for a part (0 when unknown), for
    // telling how far a read of it has come.
    std::uint64_t PartSize(std::string_view part) const;

private:
    friend class ZipPartStream;

    std::optional<std::uint64_t> Locate(std::string_view part) const;

    WorkbookFile workbook_;
    zip* archive_ = nullptr;
    std::unordered_map<std::string, std::uint64_t> exact_;
    std::unordered_map<std::string, std::uint64_t> folded_;
    std::uint64_t inflatedTotal_ = 0;
};

// The inflated bytes of one part taken piece by piece, for a reader that
// takes only as much of a part as it needs at a time; checked as
// ZipArchive::Read checks them. Several parts of one archive may be open at
// once, on the archive's one thread.
class ZipPartStream {
public:
    // WorkbookFault when the part is missing or cannot be opened.
    ZipPartStream(ZipArchive& archive, std::string_view part);
    ~ZipPartStream();
    ZipPartStream(const ZipPartStream&) = delete;
    ZipPartStream& operator=(const ZipPartStream&) = delete;

    // The next piece, valid until the next call; empty after the last.
    // WorkbookFault when the part is damaged or too large.
    std::string_view Next();

private:
    ZipArchive& archive_;
    std::string name_;
    zip_file* file_ = nullptr;
    std::uint64_t compressed_ = 0;
    std::uint64_t inflated_ = 0;
    std::vector<char> buffer_;
};
