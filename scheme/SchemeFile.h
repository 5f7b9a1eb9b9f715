#pragma once

#include "base/AtomicFile.h"
#include "scheme/SchemeLine.h"

#include <cstddef>
#include <string>

// A ".sch" file: one scheme line per line, windows-1251, or UTF-8 with a
// byte-order mark when a line holds a character windows-1251 has not.

// A scheme of every field of the largest document type holds a few
// kilobytes; a file many times larger is something else, and listing its
// millions of lines would freeze the window.
inline constexpr std::size_t kMaxSchemeFileBytes = 1 << 20;

// Takes CR LF, a lone CR or a lone LF as a line end and a last line without
// one; keeps empty lines; reads UTF-8 without a mark as well (DecodeEdgeFile).
// Raises FileFault naming the file when it is missing, unreadable or not a
// regular file (a FIFO or a device is never read), and EdgeFileFault when it
// is larger than kMaxSchemeFileBytes (SchemeTooLarge), starts with a UTF-16
// byte-order mark (SchemeInUtf16), is a workbook (SchemeIsWorkbook) or holds
// a NUL byte (SchemeHasNul, naming its line).
SchemeLines ReadSchemeFile(const std::string& path);

// CR LF after every line, the last one too; an empty scheme gives an empty
// file. Replaces the file atomically: a refused save leaves the previous file
// as it was, and raises FileFault naming the file.
void WriteSchemeFile(const std::string& path, const SchemeLines& lines);
// The same text into a file opened before (to know early that it can be
// written), which the caller puts in place.
void WriteSchemeText(AtomicFile& file, const SchemeLines& lines);
