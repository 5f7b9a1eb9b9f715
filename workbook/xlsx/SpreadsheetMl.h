#pragma once

#include <string_view>

// The main SpreadsheetML namespaces: transitional and strict. Any other one
// on a workbook (the pre-release Office 2007 betas had their own) is a format
// we do not read.
inline bool IsSpreadsheetMl(std::string_view uri)
{
    return uri == "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
           || uri == "http://purl.oclc.org/ooxml/spreadsheetml/main";
}

// Whether a boolean attribute is set ("1" or "true").
inline bool IsXmlTrue(std::string_view value)
{
    return value == "1" || value == "true";
}
