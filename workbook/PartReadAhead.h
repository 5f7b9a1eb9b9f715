#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

class ZipArchive;

// Inflates one part of an archive on a thread of its own, a few chunks ahead
// of the thread that parses it, so that inflating and parsing a large part
// share two cores. `inspect` sees each chunk on the inflating thread first
// (a check that may raise, as reading the part may).
class PartReadAhead {
public:
    using Inspect = std::function<void(std::string_view chunk)>;

    PartReadAhead(ZipArchive& archive, std::string part, Inspect inspect);
    // Stops the inflating early when the parser did not take every chunk.
    ~PartReadAhead();
    PartReadAhead(const PartReadAhead&) = delete;
    PartReadAhead& operator=(const PartReadAhead&) = delete;

    // The next chunk, valid until the next call; empty after the last.
    // Raises what inflating or inspecting raised, after the chunks before it.
    std::string_view Next();

private:
    void Inflate(ZipArchive& archive, const std::string& part, const Inspect& inspect);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> ready_;
    std::vector<std::string> spare_;
    std::string current_;
    bool finished_ = false;
    bool stopped_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};
