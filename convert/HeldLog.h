#pragma once

#include "convert/RunObserver.h"

#include <string>
#include <vector>

// A run's log with lines held back from the first one that says a file is
// saved, so that the log says so only once the file is in place. The lines
// after it wait too, to keep their order; everything but log lines passes
// straight through.
class HeldLog final : public RunObserver {
public:
    explicit HeldLog(RunObserver& shown) : shown_(shown) {}

    // A line that holds only once the file it speaks of is saved.
    void LogSavedLine(const std::string& line);
    // The files are saved: shows every held line.
    void Release();
    // The files were not saved: shows the held lines but those about saving.
    void ReleaseUnsaved();

    void ClearLog() override { shown_.ClearLog(); }
    void LogLine(const std::string& line) override;
    void ProgressMaximum(int maximum) override { shown_.ProgressMaximum(maximum); }
    void ProgressPosition(int position) override { shown_.ProgressPosition(position); }
    void LongCellWarning(const std::string& message, int row, const std::string& fieldID) override
    {
        shown_.LongCellWarning(message, row, fieldID);
    }

private:
    struct Line {
        std::string text;
        bool aboutSaving;
    };
    void ShowHeld(bool withSaving);

    RunObserver& shown_;
    std::vector<Line> held_;
    bool holding_ = false;
};
