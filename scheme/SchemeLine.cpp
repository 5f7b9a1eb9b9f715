#include "scheme/SchemeLine.h"

#include "base/Utf8Text.h"

std::string SchemeLineFor(const std::string& caption, const std::string& columnName)
{
    return caption + " = " + columnName;
}

std::string SchemeNamePart(const std::string& line)
{
    return line.substr(0, line.find('='));
}

std::optional<std::string> SchemeValuePart(const std::string& line)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return line.substr(equals + 1);
}

int FindSchemeLine(const SchemeLines& lines, const std::string& caption)
{
    const std::string wanted = caption + " ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find('=') != std::string::npos && SameTextIgnoreCase(SchemeNamePart(lines[i]), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

void DropColumnOnField(SchemeLines& lines, const std::string& caption, const std::string& columnName)
{
    const int index = FindSchemeLine(lines, caption);
    if (index >= 0) lines[static_cast<std::size_t>(index)] = SchemeLineFor(caption, columnName);
    else lines.push_back(SchemeLineFor(caption, columnName));
}
