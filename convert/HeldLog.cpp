#include "convert/HeldLog.h"

void HeldLog::LogLine(const std::string& line)
{
    if (holding_) held_.push_back({line, false});
    else shown_.LogLine(line);
}

void HeldLog::LogSavedLine(const std::string& line)
{
    holding_ = true;
    held_.push_back({line, true});
}

void HeldLog::Release()
{
    ShowHeld(true);
}

void HeldLog::ReleaseUnsaved()
{
    ShowHeld(false);
}

void HeldLog::ShowHeld(bool withSaving)
{
    std::vector<Line> lines;
    lines.swap(held_);
    holding_ = false;
    for (const Line& line : lines)
        if (withSaving || !line.aboutSaving) shown_.LogLine(line.text);
}
