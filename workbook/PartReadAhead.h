#pragma once

#include "base/BoundedQueue.h"

#include <functional>
#include <string>
#include <string_view>
#include <thread>

class ZipArchive;

// Inflates one part of an archive on a thread of its own, a few chunks ahead
// of the thread that parses it, so that inflating and parsing a large part
// share two cores. `inspect` sees each chunk on the inflating thread first
// (a check that may raise, as reading the part may).
class PartReadAhead {
public:
    using Inspect = std::function<void(std::string_view chunk)>;

    PartReadAhead(ZipArchive& archive, std::string part, Inspect inspect);
    // Ends the inflating early when the parser did not take every chunk.
    ~PartReadAhead();
    PartReadAhead(const PartReadAhead&) = delete;
    PartReadAhead& operator=(const PartReadAhead&) = delete;

    // The next chunk, valid until the next call; empty after the last.
    // Raises what inflating or inspecting raised, after the chunks before it.
    std::string_view Next();

private:
    void Inflate(ZipArchive& archive, const std::string& part, const Inspect& inspect);

    // Chunks inflated ahead of the parser, and the parsed ones handed back
    // for their memory: a few megabytes at most.
    BoundedQueue<std::string> ready_{8};
    BoundedQueue<std::string> spare_{10};
    std::string current_;
    std::thread thread_;
};
