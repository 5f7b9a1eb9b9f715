#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of an INI file held as its lines, so that changing one value
// leaves every other line (other sections and keys, comments, blank lines and
// line ends) exactly as the user or another program left it.
//
// Section names and keys are matched without regard to case, like the
// profile functions the file format comes from; the first matching section
// and, within it, the first matching key count. Blanks around a key or value
// are not part of it.
class IniDocument {
public:
    explicit IniDocument(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the key's line in place, or adds it at the end of its section,
    // or adds the section at the end. A value is one line: line breaks and NUL
    // characters in it are stored as blanks, so that a value can never forge
    // other keys.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    // One line, or a run of equal lines that are neither a section header
    // nor a key (blank lines, comments): a file of millions of blank lines
    // is then a few entries, not millions.
    struct Line {
        std::string text;
        std::string ending; // "\r\n", "\n", "\r", or "" for a last line without one
        std::size_t repeat = 1;
        bool plain = false; // neither a section header nor a key
    };

    void AddLine(std::string_view text, std::string_view ending);

    // [begin, end) of the lines of the first section of that name, the header
    // included; nullopt when there is none.
    std::optional<std::pair<std::size_t, std::size_t>> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(std::size_t begin, std::size_t end, std::string_view key) const;
    std::string NewLineEnding() const;
    void InsertLine(std::size_t index, std::string text);

    std::vector<Line> lines_;
};
