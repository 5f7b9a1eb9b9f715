#pragma once

#include "base/EdgeFileFault.h"

#include <cstddef>
#include <optional>
#include <string>

// The few values remembered between runs, in section "Params" of an INI file.
// Every call opens the file, does one read or write and closes it again, so
// two copies of the program share the file (the last write wins).
namespace IniStore {

// The file the front end was told to use (--settings FILE); "" restores the
// default rule of DefaultIniFileName. Set it once at start-up, before any
// other thread exists.
void SetIniFileName(const std::string& path);
std::string GetIniFileName();

// Settings hold a few hundred bytes; a file far larger is something else.
inline constexpr std::size_t kMaxIniFileBytes = std::size_t{4} << 20;

// What keeps the settings file from being used (EdgeFileFault::Reason::
// SettingsNotRead): a file that is not a regular file (a FIFO, a device), is
// larger than kMaxIniFileBytes or cannot be read; or (SettingsHasNul) one that
// holds a NUL byte. Such a file is read as empty and never rewritten; a
// missing file is no problem. The front ends say it once, at start. The file
// is read as DecodeEdgeFile reads it (UTF-8 or UTF-16 after a byte-order
// mark, UTF-8 without one, windows-1251).
std::optional<EdgeFileFault> FileProblem();

// Never fail: a missing, unusable or unreadable file, or a missing key, gives
// the default. Keys are matched without regard to case; blanks around a stored
// value are not part of it.
std::string ReadStringParam(const std::string& key, const std::string& defaultValue);
// An integer text reads as whether it is non-zero; anything else gives the
// default.
bool ReadBoolParam(const std::string& key, bool defaultValue);

// Creates or replaces the key's line, keeping every other line of the file,
// and replaces the file atomically; the file and its folder are created when
// missing. The file is windows-1251, or UTF-8 with a byte-order mark when some
// value needs a character windows-1251 has not. Raises FileFault naming the file when
// the file or its folder may not be written, or the file there cannot be read,
// and EdgeFileFault (SettingsHasNul) when it holds a NUL byte.
void WriteStringParam(const std::string& key, const std::string& value);

} // namespace IniStore
