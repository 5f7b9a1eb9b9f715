#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Log lines on their way into the spool, already in the spool's own form:
// gathering one costs a copy of its bytes, not an allocation of its own.
class RunLogBatch {
public:
    void Add(std::string_view line);
    std::size_t Count() const { return count_; }
    std::size_t Bytes() const { return bytes_.size(); }
    // Empty again, its memory kept for the next lines.
    void Clear();
    // The batch's lines from its first, at most `most` of them.
    std::vector<std::string> FirstLines(std::size_t most) const;

private:
    friend class RunLogSpool;
    std::string bytes_;
    std::size_t count_ = 0;
};

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
    void Append(const RunLogBatch& batch);
    std::size_t LineCount() const { return count_; }
    // Every line appended since the last Clear, in order.
    std::vector<std::string> Lines() const;

private:
    // The file cannot take more: the lines it holds move into memory.
    void KeepInMemory();

    std::FILE* file_ = nullptr;
    std::vector<std::string> memory_;
    std::size_t count_ = 0;
};
