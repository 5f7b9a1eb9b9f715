#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

struct zip;

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

    explicit ZipArchive(const std::string& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Part names compare exactly first and then, as the package format
    // allows, without regard to ASCII case.
    bool Contains(std::string_view part) const;

    // The file, for a second reader of other parts at the same time (one
    // archive is read by one thread).
    const std::string& Path() const { return path_; }

    // Streams the inflated bytes of a part to `sink`, which returns false to
    // end the read early; WorkbookFault when the part is missing, damaged or
    // too large.
    void Read(std::string_view part, const std::function<bool(const char*, std::size_t)>& sink);
    std::string ReadAll(std::string_view part);
    // The inflated size the archive records for a part (0 when unknown), for
    // telling how far a read of it has come.
    std::uint64_t PartSize(std::string_view part) const;

private:
    std::optional<std::uint64_t> Locate(std::string_view part) const;

    std::string path_;
    zip* archive_ = nullptr;
    std::unordered_map<std::string, std::uint64_t> exact_;
    std::unordered_map<std::string, std::uint64_t> folded_;
    std::uint64_t inflatedTotal_ = 0;
};
