#pragma once

#include <string>
#include <vector>

// The folders of an installed system: a program there belongs to every user,
// and a settings file beside it would be one user's settings for all.
inline const std::vector<std::string> kSystemPrefixes = {"/usr", "/usr/local", "/bin", "/sbin"};

// Where the settings live when the front end names no file.
struct IniLocation {
    std::string path;
    // A settings file beside the executable that is not used because the
    // executable lies under a system prefix; "" when there is none. The
    // front ends name it once.
    std::string ignored;
};

// $XDG_CONFIG_HOME/quarnel/quarnel.ini (by default ~/.config/quarnel/...),
// for every user, root included. A portable copy keeps its settings beside
// itself as "<executable>.ini": where that file already exists and the
// executable is not under one of `systemPrefixes`.
IniLocation DefaultIniLocation(const std::string& executablePath,
                               const std::vector<std::string>& systemPrefixes = kSystemPrefixes);

// DefaultIniLocation's path.
std::string DefaultIniFileName(const std::string& executablePath);

// The running executable's full path; "" when the system does not tell.
std::string RunningExecutablePath();
