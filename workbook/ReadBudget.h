#pragma once

#include <cstddef>
#include <cstdint>

enum class ReadReason;

// What one read of a workbook may produce, measured in what the reader makes
// rather than in what the file holds: a few kilobytes of zip or of repeat
// counts can claim billions of cells or gigabytes of text. Each limit grows
// with the file's size, has a floor for small files and a ceiling for any.
//
// The numbers: the benchmark's book price list of 100,000 rows x 25 columns
// is a 16 MB xlsx with 2.5 million cells and 33 MB of shared strings, so a
// genuine sheet of 1,048,576 rows takes ~6 bytes of file per cell and under
// 0.5 GB of text: well inside every limit (a compressed ods needs more than
// 1/2 byte per cell). The hostile files of the tests (a few KB to 4 MB) each
// reach a limit in under 0.3 s and 110 MB.
struct ReadBudget {
    // Cells: 4 million, plus 2 per byte of the file; never over 40 million.
    std::size_t maxCells;
    // Decoded text, each shared string counted once: 64 times the file, at
    // least 64 MiB, never over 2 GiB.
    std::size_t maxTextBytes;
    // Shared strings: a million, plus one per 2 bytes of the file.
    std::size_t maxSharedStrings;

    static ReadBudget ForFileSize(std::uintmax_t bytes);
    // The ceilings, for a sheet read without a file behind it.
    static ReadBudget Ceiling();
};

// One cell's text, whatever the file: 16 MiB.
inline constexpr std::size_t kMaxCellTextBytes = std::size_t{16} << 20;

// A read that produced more than its budget allows: WorkbookFault, too large,
// naming what and the limit.
[[noreturn]] void ThrowOverBudget(ReadReason reason, std::size_t limit);

// For the readers that gather a cell's text piece by piece: refuses the
// piece that would take it past kMaxCellTextBytes, before it is gathered.
void RequireCellTextRoom(std::size_t current, std::size_t more);

// Attributes on one XML element. libxml2 compares every attribute with every
// other before any callback, so they are counted in the bytes before the
// parser sees them: 80,000 attributes already take seconds.
inline constexpr std::size_t kMaxAttributesPerElement = 10'000;
