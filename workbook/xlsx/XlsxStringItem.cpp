#include "workbook/xlsx/XlsxStringItem.h"

#include "workbook/ReadBudget.h"
#include "workbook/xlsx/OoxmlEscapes.h"

void XlsxStringItem::Begin()
{
    raw_.clear();
    phoneticDepth_ = 0;
    inText_ = false;
}

void XlsxStringItem::StartElement(std::string_view name)
{
    if (name == "rPh") ++phoneticDepth_;
    else if (name == "t") inText_ = phoneticDepth_ == 0;
}

void XlsxStringItem::EndElement(std::string_view name)
{
    if (name == "rPh") --phoneticDepth_;
    else if (name == "t") inText_ = false;
}

void XlsxStringItem::Characters(std::string_view text)
{
    if (!inText_) return;
    RequireCellTextRoom(raw_.size(), text.size());
    raw_.append(text);
}

std::string XlsxStringItem::Text() const
{
    return DecodeOoxmlEscapes(raw_);
}
