#pragma once

#include "convert/RunObserver.h"

#include <string>
#include <vector>

// Keeps everything a run shows, as the window would have shown it.
class RecordingObserver : public RunObserver {
public:
    struct Warning {
        std::string message;
        int row;
        std::string fieldID;
    };

    void ClearLog() override
    {
        log.clear();
        ++clears;
    }
    void LogLine(const std::string& line) override { log.push_back(line); }
    void ProgressMaximum(int value) override { maximum = value; }
    void ProgressPosition(int value) override { positions.push_back(value); }
    void LongCellWarning(const std::string& message, int row, const std::string& fieldID) override
    {
        warnings.push_back({message, row, fieldID});
    }

    std::vector<std::string> log;
    int clears = 0;
    int maximum = -1;
    std::vector<int> positions;
    std::vector<Warning> warnings;
};
