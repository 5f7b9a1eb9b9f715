#include "app/window/RunLogSpool.h"

#include <cstdint>

// Each line is written as its length and its bytes: a line may hold a line
// break of a cell's text, which the pane shows as two.

RunLogSpool::RunLogSpool() : file_(std::tmpfile()) {}

RunLogSpool::~RunLogSpool()
{
    if (file_) std::fclose(file_);
}

void RunLogSpool::Clear()
{
    if (file_) std::fclose(file_);
    file_ = std::tmpfile();
    memory_.clear();
    count_ = 0;
}

void RunLogSpool::Append(const std::string& line)
{
    ++count_;
    const auto length = static_cast<std::uint32_t>(line.size());
    if (file_ && std::fwrite(&length, sizeof length, 1, file_) == 1
        && std::fwrite(line.data(), 1, line.size(), file_) == line.size())
        return;
    // The disk is full or the file is gone: the lines read back so far and
    // the rest stay in memory.
    if (file_) {
        std::vector<std::string> kept = Lines();
        kept.resize(count_ - 1);
        std::fclose(file_);
        file_ = nullptr;
        memory_ = std::move(kept);
    }
    memory_.push_back(line);
}

std::vector<std::string> RunLogSpool::Lines() const
{
    if (!file_) return memory_;
    std::vector<std::string> lines;
    lines.reserve(count_);
    std::fflush(file_);
    std::rewind(file_);
    std::uint32_t length = 0;
    while (lines.size() < count_ && std::fread(&length, sizeof length, 1, file_) == 1) {
        std::string line(length, '\0');
        if (std::fread(line.data(), 1, length, file_) != length) break;
        lines.push_back(std::move(line));
    }
    std::fseek(file_, 0, SEEK_END);
    return lines;
}
