#include "settings/IniStore.h"

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/EdgeFileFault.h"
#include "base/FileFault.h"
#include "base/WholeFile.h"
#include "settings/IniDocument.h"
#include "settings/IniLocation.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr char kSection[] = "Params";

std::string& ExplicitIniFileName()
{
    static std::string path;
    return path;
}

[[noreturn]] void RefuseWrite(const std::string& path, int error)
{
    throw FileFault(FileFault::Action::Write, path, FileFault::Reason::SystemError, error);
}

// What the file holds, as far as it may be used: a file that is not a regular
// file or is far larger than settings ever are is not read, and one read
// with a NUL byte in it is not used.
struct SettingsFile {
    WholeFile file;
    std::string text; // when read
    int nulLine = 0;  // the line of a NUL byte in the text, 0 for none
};

SettingsFile ReadSettingsFile(const std::string& path)
{
    SettingsFile settings{ReadRegularFile(path, IniStore::kMaxIniFileBytes), {}, 0};
    if (settings.file.outcome == WholeFile::Outcome::Read) {
        settings.text = DecodeEdgeFile(settings.file.bytes);
        settings.nulLine = FirstNulLine(settings.text);
    }
    return settings;
}

EdgeFileFault NulFault(const std::string& path, int line)
{
    return EdgeFileFault(EdgeFileFault::Reason::SettingsHasNul,
                         FileFault(FileFault::Action::Read, path, FileFault::Reason::SystemError), {}, line);
}

// The document to change: the file as it is, or an empty one when there is
// none yet. A file that exists but cannot be read is never overwritten, as
// that would lose every other value in it.
IniDocument LoadForWriting(const std::string& path)
{
    const SettingsFile settings = ReadSettingsFile(path);
    const WholeFile& file = settings.file;
    switch (file.outcome) {
    case WholeFile::Outcome::Missing: return IniDocument("");
    case WholeFile::Outcome::Read: break;
    case WholeFile::Outcome::NotRegular:
    case WholeFile::Outcome::TooLarge: {
        // Such a file is refused as the target of the write, not as a read.
        FileFault fault = file.Fault(path, IniStore::kMaxIniFileBytes);
        fault.action = FileFault::Action::Write;
        throw fault;
    }
    case WholeFile::Outcome::Unreadable: throw file.Fault(path, IniStore::kMaxIniFileBytes);
    }
    if (settings.nulLine) throw NulFault(path, settings.nulLine);
    if (::access(path.c_str(), W_OK) != 0) RefuseWrite(path, errno);
    return IniDocument(settings.text);
}

std::optional<long long> IntegerValue(std::string_view text)
{
    // from_chars takes a minus sign but no plus sign.
    if (text.starts_with('+') && !text.starts_with("+-")) text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

namespace IniStore {

void SetIniFileName(const std::string& path)
{
    ExplicitIniFileName() = path;
}

std::string GetIniFileName()
{
    if (!ExplicitIniFileName().empty()) return ExplicitIniFileName();
    return DefaultIniFileName(RunningExecutablePath());
}

std::optional<EdgeFileFault> FileProblem()
{
    const std::string path = GetIniFileName();
    const SettingsFile settings = ReadSettingsFile(path);
    if (settings.nulLine) return NulFault(path, settings.nulLine);
    const WholeFile& file = settings.file;
    if (file.outcome == WholeFile::Outcome::Read || file.outcome == WholeFile::Outcome::Missing) return std::nullopt;
    return EdgeFileFault(EdgeFileFault::Reason::SettingsNotRead, file.Fault(path, kMaxIniFileBytes));
}

std::string ReadStringParam(const std::string& key, const std::string& defaultValue)
{
    try {
        const SettingsFile settings = ReadSettingsFile(GetIniFileName());
        if (settings.file.outcome != WholeFile::Outcome::Read || settings.nulLine) return defaultValue;
        return IniDocument(settings.text).Value(kSection, key).value_or(defaultValue);
    } catch (const std::exception&) {
        return defaultValue;
    }
}

bool ReadBoolParam(const std::string& key, bool defaultValue)
{
    const auto value = IntegerValue(ReadStringParam(key, ""));
    return value ? *value != 0 : defaultValue;
}

void WriteStringParam(const std::string& key, const std::string& value)
{
    const std::string path = GetIniFileName();
    // The per-user folder (or the folder of a --settings file) may not exist
    // before the first write.
    std::error_code error;
    if (const auto folder = std::filesystem::path(path).parent_path(); !folder.empty())
        std::filesystem::create_directories(folder, error);
    if (error) RefuseWrite(path, error.value());
    IniDocument document = LoadForWriting(path);
    document.SetValue(kSection, key, value);
    AtomicFile file(path);
    file.Write(EncodeEdgeFile(document.Text()));
    file.Commit();
}

} // namespace IniStore
