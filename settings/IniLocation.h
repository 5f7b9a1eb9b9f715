#pragma once

#include <string>

// Where the settings live when the front end names no file: beside the
// executable as "<executable>.ini" (the program's traditional place), when
// that file exists or its folder may be written; otherwise, as for an
// installed program whose folder belongs to root,
// $XDG_CONFIG_HOME/quarnel/quarnel.ini (by default ~/.config/quarnel/...).
std::string DefaultIniFileName(const std::string& executablePath);

// The running executable's full path; "" when the system does not tell.
std::string RunningExecutablePath();
