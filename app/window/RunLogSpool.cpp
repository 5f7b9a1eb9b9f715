#include "app/window/RunLogSpool.h"

#include <cstdint>
#include <cstring>
#include <iterator>

// Each line is written as its length and its bytes: a line may hold a line
// break of a cell's text, which the pane shows as two.

void RunLogBatch::Add(std::string_view line)
{
    const auto length = static_cast<std::uint32_t>(line.size());
    bytes_.append(reinterpret_cast<const char*>(&length), sizeof length);
    bytes_.append(line);
    ++count_;
}

void RunLogBatch::Clear()
{
    bytes_.clear();
    count_ = 0;
}

std::vector<std::string> RunLogBatch::FirstLines(std::size_t most) const
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (lines.size() < most && lines.size() < count_) {
        std::uint32_t length = 0;
        std::memcpy(&length, bytes_.data() + at, sizeof length);
        at += sizeof length;
        lines.emplace_back(bytes_, at, length);
        at += length;
    }
    return lines;
}

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
    RunLogBatch batch;
    batch.Add(line);
    Append(batch);
}

void RunLogSpool::Append(const RunLogBatch& batch)
{
    if (batch.count_ == 0) return;
    if (!file_ || std::fwrite(batch.bytes_.data(), 1, batch.bytes_.size(), file_) != batch.bytes_.size()) {
        KeepInMemory();
        std::vector<std::string> lines = batch.FirstLines(batch.count_);
        memory_.insert(memory_.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    }
    count_ += batch.count_;
}

// The disk is full or the file is gone: the lines read back so far and the
// rest stay in memory.
void RunLogSpool::KeepInMemory()
{
    if (!file_) return;
    std::vector<std::string> kept = Lines();
    kept.resize(count_);
    std::fclose(file_);
    file_ = nullptr;
    memory_ = std::move(kept);
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
