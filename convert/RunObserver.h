#pragma once

#include <string>

// What a run shows while it works: the window's log pane, progress bar and
// warning box, or the command line's standard output and error.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    virtual void ClearLog() = 0;
    virtual void LogLine(const std::string& line) = 0;
    virtual void ProgressMaximum(int maximum) = 0;
    virtual void ProgressPosition(int position) = 0;
    // The 250-character warning (the text of QRNConsts::sLongCellWarning filled in); returns when the user has
    // seen it. row and fieldID say where (the command line prints them).
    virtual void LongCellWarning(const std::string& message, int row, const std::string& fieldID) = 0;
};
