#include "workbook/PartReadAhead.h"

#include "workbook/ZipArchive.h"

PartReadAhead::PartReadAhead(ZipArchive& archive, std::string part, Inspect inspect)
    : thread_(
        [this, &archive, part = std::move(part), inspect = std::move(inspect)] { Inflate(archive, part, inspect); })
{
}

PartReadAhead::~PartReadAhead()
{
    ready_.Stop();
    thread_.join();
}

void PartReadAhead::Inflate(ZipArchive& archive, const std::string& part, const Inspect& inspect)
{
    try {
        archive.Read(part, [&](const char* data, std::size_t size) {
            inspect({data, size});
            std::string chunk = spare_.TryPop().value_or(std::string());
            chunk.assign(data, size);
            return ready_.Push(std::move(chunk));
        });
        ready_.Close();
    } catch (...) {
        ready_.Close(std::current_exception());
    }
}

std::string_view PartReadAhead::Next()
{
    if (!current_.empty()) spare_.TryPush(std::move(current_));
    std::optional<std::string> chunk = ready_.Pop();
    current_ = chunk ? std::move(*chunk) : std::string();
    return current_;
}
