#pragma once

#include "base/Regional.h"

#include <ostream>
#include <string>
#include <vector>

// Exit statuses of quarnel-convert.
inline constexpr int kExitAllSaved = 0;
inline constexpr int kExitNotSaved = 1; // the run finished but a file was not saved
inline constexpr int kExitFailure = 2;  // usage, document type, or a file that could not be read or written

// quarnel-convert: the window's automatic mode without the window. Walks the
// wizard's steps 2 to 5 as the window does when started with parameters:
// reads the header row, takes the scheme (the one named, or the one the
// wizard remembered for the document type), the header texts (given, or
// remembered) and the date (given, or today), checks the mandatory fields
// (a failed check is reported and the run still goes on), and converts. It
// never writes the settings file. On request it also maps columns by their
// names (--auto-scheme, on top of the scheme it took), keeps the scheme it
// used (--save-scheme) and the conversion report (--log).
// The regional formats a run may use: the system's, and whether the system
// locale expresses a preference at all. Without one, and unless
// "--regional system" says otherwise, the run uses the Russian profile.
struct RegionalProfiles {
    Regional system;
    bool systemHasPreference = true;
};

int RunCommandLine(const std::vector<std::string>& arguments, const RegionalProfiles& profiles, std::ostream& out,
                   std::ostream& err, bool terminal);
