#pragma once

#include <string>
#include <string_view>

// Collects the text of a string item (a shared string <si> or an inline
// <is>): the <t> of the item itself or of its rich-text runs, leaving out
// phonetic runs (<rPh>), with the "_xHHHH_" escapes decoded.
class XlsxStringItem {
public:
    void Begin();
    void StartElement(std::string_view name);
    void EndElement(std::string_view name);
    void Characters(std::string_view text);
    std::string Text() const;

private:
    std::string raw_;
    int phoneticDepth_ = 0;
    bool inText_ = false;
};
