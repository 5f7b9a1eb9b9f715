#pragma once

#include "base/Regional.h"

// The user's regional formats from Qt's system locale (on Unix the LC_ALL,
// LC_NUMERIC, LC_TIME and LANG variables, whether or not the C library has
// that locale installed): decimal separator, short date format and long time
// format, the time-zone part of the latter dropped since a date-time value
// carries no zone.
Regional SystemRegional();

// Whether the system locale says anything of regional formats: C, POSIX and
// C.UTF-8 (servers, containers, minimal installs) say nothing.
bool SystemLocaleHasRegionalPreference();

// The profile the programs use unless told otherwise: the system's, or the
// Russian profile, which this program's users and their partners expect,
// when the system locale has no preference.
Regional UsersRegional();
