#pragma once

#include "convert/RunObserver.h"

#include <ostream>
#include <string>
#include <vector>

// The run shown on a console: the log line for line on standard output (as
// the window's log pane would hold it), warnings on standard error, and, when
// standard error is a terminal, a progress bar there. Asked to, it also keeps
// the log lines for the conversion report.
class ConsoleObserver : public RunObserver {
public:
    ConsoleObserver(std::ostream& out, std::ostream& err, bool progressBar, bool keepLog = false);

    void ClearLog() override;
    void LogLine(const std::string& line) override;
    void ProgressMaximum(int maximum) override;
    void ProgressPosition(int position) override;
    void LongCellWarning(const std::string& message, int row, const std::string& fieldID) override;

    // Removes the progress bar before anything else is written to the
    // terminal.
    void ClearProgressBar();

    // The lines logged since the log was last cleared; empty unless kept.
    const std::vector<std::string>& Log() const { return log_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool progressBar_;
    bool keepLog_;
    std::vector<std::string> log_;
    bool logPrinted_ = false;
    bool barShown_ = false;
    int maximum_ = 0;
    int shownPercent_ = -1;
};
