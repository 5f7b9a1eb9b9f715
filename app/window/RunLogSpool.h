#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The whole log of a run, kept in an unnamed temporary file: the window's
// pane shows only its first lines, while "Сохранить протокол..." writes all
// of them. Where no temporary file can be made the lines stay in memory, so
// none is lost either way.
class RunLogSpool {
public:
    RunLogSpool();
    ~RunLogSpool();
    RunLogSpool(const RunLogSpool&) = delete;
    RunLogSpool& operator=(const RunLogSpool&) = delete;

    void Clear();
    void Append(const std::string& line);
    std::size_t LineCount() const { return count_; }
    // Every line appended since the last Clear, in order.
    std::vector<std::string> Lines() const;

private:
    std::FILE* file_ = nullptr;
    std::vector<std::string> memory_;
    std::size_t count_ = 0;
};
