#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

// A parameterised case's test name from its label. gtest takes only ASCII
// letters, digits and '_' there, so each run of anything else (Cyrillic,
// blanks, punctuation) becomes one '_'; the case's index at the end keeps
// two labels apart that read the same once mapped.
inline std::string CaseName(std::string_view label, std::size_t index)
{
    std::string name;
    for (const char c : label) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) name += c;
        else if (!name.empty() && name.back() != '_') name += '_';
    }
    if (!name.empty() && name.back() != '_') name += '_';
    return name + std::to_string(index);
}

// A case's text for its PrintTo, quoted and on one line: the test list that
// CTest reads has one test a line. Cyrillic letters are kept, so they read as
// written; every other byte outside printable ASCII is escaped, so that a
// no-break space or a stray byte shows and two such texts print apart.
inline std::string CaseText(std::string_view text)
{
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool cyrillic = byte >= 0xD0 && byte <= 0xD3 && i + 1 < text.size()
                              && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (cyrillic) {
            quoted += text.substr(i, 2);
            ++i;
        } else if (byte == '\n') {
            quoted += "\\n";
        } else if (byte == '\r') {
            quoted += "\\r";
        } else if (byte == '\t') {
            quoted += "\\t";
        } else if (byte == '"' || byte == '\\') {
            quoted += '\\';
            quoted += text[i];
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            quoted += escaped;
        } else {
            quoted += text[i];
        }
    }
    return quoted + "\"";
}
