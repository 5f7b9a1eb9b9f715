#pragma once

#include "workbook/xls/XlsGlobals.h"

#include <string_view>

// An Excel 2.x-4.0 file: a bare BIFF2, BIFF3 or BIFF4 stream (no OLE2
// container) holding one worksheet, or a BIFF4 workbook whose globals list
// its sheets. Gives what reading the first sheet needs: where its BOF record
// is, its code page, date system and number formats (by XF, and for BIFF2 by
// format index). Raises WorkbookFault: broken when the stream has no BOF of these
// versions, its records run past its end, or no sheet is found.
XlsGlobals ReadOldBiffGlobals(std::string_view stream);
