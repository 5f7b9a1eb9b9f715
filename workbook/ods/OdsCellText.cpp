#include "workbook/ods/OdsCellText.h"

#include "workbook/ReadBudget.h"

void OdsCellText::Begin()
{
    text_.clear();
    paragraphs_ = 0;
    paragraphDepth_ = 0;
}

void OdsCellText::StartParagraph()
{
    // A paragraph nested in another (inside a text box, say) continues it.
    if (paragraphDepth_++ > 0) return;
    if (paragraphs_++ > 0) text_ += '\n';
}

void OdsCellText::EndParagraph()
{
    --paragraphDepth_;
}

void OdsCellText::AddCharacters(std::string_view text)
{
    RequireCellTextRoom(text_.size(), text.size());
    text_.append(text);
}

void OdsCellText::AddSpaces(std::size_t count)
{
    RequireCellTextRoom(text_.size(), count);
    text_.append(count, ' ');
}

void OdsCellText::AddTab()
{
    text_ += '\t';
}

void OdsCellText::AddLineBreak()
{
    text_ += '\n';
}
