#include "workbook/xls/OleHeaderRepair.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kSectorShift = 0x1E;
constexpr std::size_t kFirstMiniFat = 0x3C;
constexpr std::size_t kMiniFatCount = 0x40;
constexpr std::size_t kFirstDifat = 0x44;
constexpr std::size_t kDifatCount = 0x48;
constexpr std::size_t kHeaderDifat = 0x4C;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;

class CompoundFile {
public:
    explicit CompoundFile(const std::string& bytes) : bytes_(bytes) {}

    bool ReadLayout()
    {
        if (bytes_.size() < kHeaderSize) return false;
        const std::uint32_t shift = U16(kSectorShift);
        if (shift != 9 && shift != 12) return false;
        sectorSize_ = std::size_t{1} << shift;
        sectorCount_ = (bytes_.size() - std::min(bytes_.size(), sectorSize_)) / sectorSize_;

        for (std::size_t i = 0; i < kHeaderDifatEntries; ++i) fatSectors_.push_back(U32(kHeaderDifat + 4 * i));
        // Further FAT sector numbers live in a chain of DIFAT sectors, each
        // ending with the number of the next.
        const std::size_t perDifat = sectorSize_ / 4 - 1;
        std::uint32_t difat = U32(kFirstDifat);
        for (std::uint32_t n = U32(kDifatCount); n > 0 && difat != kEndOfChain; --n) {
            if (difat >= sectorCount_ || fatSectors_.size() > sectorCount_ + kHeaderDifatEntries) return false;
            const std::size_t at = SectorOffset(difat);
            for (std::size_t i = 0; i < perDifat; ++i) fatSectors_.push_back(U32(at + 4 * i));
            difat = U32(at + 4 * perDifat);
        }
        return true;
    }

    // The length of the chain starting at the sector; nullopt when it leaves
    // the file or comes back on itself.
    std::optional<std::uint32_t> ChainLength(std::uint32_t sector) const
    {
        std::uint32_t length = 0;
        while (sector != kEndOfChain) {
            if (sector >= sectorCount_ || length >= sectorCount_) return std::nullopt;
            ++length;
            const std::optional<std::uint32_t> next = FatEntry(sector);
            if (!next) return std::nullopt;
            sector = *next;
        }
        return length;
    }

    std::uint32_t U32(std::size_t at) const
    {
        return static_cast<std::uint32_t>(Byte(at)) | static_cast<std::uint32_t>(Byte(at + 1)) << 8
               | static_cast<std::uint32_t>(Byte(at + 2)) << 16 | static_cast<std::uint32_t>(Byte(at + 3)) << 24;
    }

private:
    std::uint32_t Byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
    std::uint32_t U16(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8; }
    std::size_t SectorOffset(std::uint32_t sector) const
    {
        return (static_cast<std::size_t>(sector) + 1) * sectorSize_;
    }

    std::optional<std::uint32_t> FatEntry(std::uint32_t sector) const
    {
        const std::size_t perSector = sectorSize_ / 4;
        const std::size_t index = sector / perSector;
        if (index >= fatSectors_.size() || fatSectors_[index] >= sectorCount_) return std::nullopt;
        return U32(SectorOffset(fatSectors_[index]) + 4 * (sector % perSector));
    }

    const std::string& bytes_;
    std::size_t sectorSize_ = 0;
    std::size_t sectorCount_ = 0;
    std::vector<std::uint32_t> fatSectors_;
};

} // namespace

std::optional<std::string> RepairMiniFatCount(std::string file)
{
    CompoundFile compound(file);
    if (!compound.ReadLayout()) return std::nullopt;
    const std::optional<std::uint32_t> length = compound.ChainLength(compound.U32(kFirstMiniFat));
    if (!length || *length == compound.U32(kMiniFatCount)) return std::nullopt;
    for (int i = 0; i < 4; ++i) file[kMiniFatCount + i] = static_cast<char>(*length >> (8 * i));
    return file;
}
