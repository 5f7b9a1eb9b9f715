#include "settings/IniLocation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string ConfigHome()
{
    // Relative values are to be ignored, like an unset variable.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return std::string(home) + "/.config";
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return std::string(user->pw_dir) + "/.config";
    return ".config";
}

} // namespace

std::string RunningExecutablePath()
{
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error) return {};
    // An executable replaced while it runs (a rebuild, an upgrade) still
    // names its settings by its file name.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted)) path.resize(path.size() - kDeleted.size());
    return path;
}

IniLocation DefaultIniLocation(const std::string& executablePath, const std::vector<std::string>& systemPrefixes)
{
    IniLocation location{ConfigHome() + "/quarnel/quarnel.ini", {}};
    if (executablePath.empty()) return location;
    const std::string beside = executablePath + ".ini";
    if (::access(beside.c_str(), F_OK) != 0) return location;
    const bool installed = std::any_of(systemPrefixes.begin(), systemPrefixes.end(), [&](const std::string& prefix) {
        return executablePath.starts_with(prefix.ends_with('/') ? prefix : prefix + "/");
    });
    if (installed) location.ignored = beside;
    else location.path = beside;
    return location;
}

std::string DefaultIniFileName(const std::string& executablePath)
{
    return DefaultIniLocation(executablePath).path;
}
