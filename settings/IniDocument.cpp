#include "settings/IniDocument.h"

#include "base/Utf8Text.h"

#include <algorithm>

namespace {

std::optional<std::string> SectionName(std::string_view line)
{
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    return Trim(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

bool IsComment(std::string_view line)
{
    const std::string trimmed = Trim(line);
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The key and value of a "key=value" line.
std::optional<std::pair<std::string, std::string>> KeyValue(std::string_view line)
{
    if (IsComment(line) || SectionName(line)) return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return std::make_pair(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
}

std::string SingleLine(std::string_view value)
{
    std::string line(value);
    for (char& c : line)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return line;
}

} // namespace

IniDocument::IniDocument(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            AddLine(text.substr(start), "");
            break;
        }
        const std::size_t endingSize = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        AddLine(text.substr(start, end - start), text.substr(end, endingSize));
        start = end + endingSize;
        // Empty lines ending in "\n" are taken a run at a time: a file of
        // millions of them is read on every look at the settings.
        if (const Line& last = lines_.back(); last.plain && last.text.empty() && last.ending == "\n") {
            const std::size_t runEnd = std::min(text.find_first_not_of('\n', start), text.size());
            lines_.back().repeat += runEnd - start;
            start = runEnd;
        }
    }
}

void IniDocument::AddLine(std::string_view text, std::string_view ending)
{
    if (!lines_.empty()) {
        Line& last = lines_.back();
        if (last.plain && last.text == text && last.ending == ending) {
            ++last.repeat;
            return;
        }
    }
    lines_.push_back({std::string(text), std::string(ending), 1, !SectionName(text) && !KeyValue(text)});
}

std::optional<std::pair<std::size_t, std::size_t>> IniDocument::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (!name || !SameTextIgnoreCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end].text)) ++end;
        return std::make_pair(i, end);
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(std::size_t begin, std::size_t end, std::string_view key) const
{
    for (std::size_t i = begin; i < end; ++i) {
        const auto pair = KeyValue(lines_[i].text);
        if (pair && SameTextIgnoreCase(pair->first, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const
{
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto index = FindKey(range->first + 1, range->second, key);
    if (!index) return std::nullopt;
    return KeyValue(lines_[*index].text)->second;
}

std::string IniDocument::NewLineEnding() const
{
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\r\n";
}

void IniDocument::InsertLine(std::size_t index, std::string text)
{
    const std::string ending = NewLineEnding();
    if (index > 0 && lines_[index - 1].ending.empty()) lines_[index - 1].ending = ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), ending});
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + "=" + SingleLine(value);
    const auto range = FindSection(section);
    if (!range) {
        InsertLine(lines_.size(), "[" + std::string(section) + "]");
        InsertLine(lines_.size(), std::move(line));
        return;
    }
    if (const auto index = FindKey(range->first + 1, range->second, key)) {
        lines_[*index].text = std::move(line);
        return;
    }
    // After the section's last non-blank line, so that the blank line that
    // usually separates it from the next section stays where it was.
    std::size_t insertAt = range->second;
    while (insertAt > range->first + 1 && Trim(lines_[insertAt - 1].text).empty()) --insertAt;
    InsertLine(insertAt, std::move(line));
}

std::string IniDocument::Text() const
{
    std::string text;
    for (const Line& line : lines_)
        for (std::size_t i = 0; i < line.repeat; ++i) {
            text += line.text;
            text += line.ending;
        }
    return text;
}
