#pragma once

#include <string>
#include <string_view>

// Collects the text of an ods cell from its paragraphs: paragraphs joined with
// a line feed, the characters of a paragraph kept as they are (spreadsheet
// applications do not collapse blanks inside cells), <text:s> giving its count
// of blanks, <text:tab> a tab and <text:line-break> a line feed.
class OdsCellText {
public:
    void Begin();
    void StartParagraph();
    void EndParagraph();
    void AddCharacters(std::string_view text);
    void AddSpaces(std::size_t count);
    void AddTab();
    void AddLineBreak();

    bool InParagraph() const { return paragraphDepth_ > 0; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    int paragraphs_ = 0;
    int paragraphDepth_ = 0;
};
