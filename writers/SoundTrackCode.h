#pragma once

#include <string>

// The sound-track cell as the writer gets it: a spelling of mono, stereo,
// stereo 2.1, surround 4.1 or surround 5.1 (any case of ASCII letters, blanks
// anywhere) becomes its code "A410" ... "A451"; any other text is handed on
// as it stands.
std::string SoundTrackCode(const std::string& cellText);
