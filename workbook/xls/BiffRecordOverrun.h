#pragma once

#include "workbook/WorkbookFault.h"

// A record whose contents run past its own end and that of its
// continuations. Spreadsheet applications read such a record as far as it
// goes, or skip it, and keep the cells around it; so do the readers.
class BiffRecordOverrun : public WorkbookFault {
public:
    BiffRecordOverrun() : WorkbookFault(Kind::Broken, ReadReason::RecordTooShort) {}
};
