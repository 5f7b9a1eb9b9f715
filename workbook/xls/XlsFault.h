#pragma once

#include "catalogue/QRNConsts.h"

#include <stdexcept>
#include <string>

// Why the xls reader gives up. The record readers do not know the file's path,
// so they raise this and ReadXlsWorkbook turns it into the user's message.
enum class XlsFaultKind { Broken, Encrypted, Unsupported, Unreadable };

class XlsFault : public std::runtime_error {
public:
    XlsFault(XlsFaultKind kind, const std::string& reason) : std::runtime_error(reason), kind_(kind) {}

    XlsFaultKind Kind() const { return kind_; }

private:
    XlsFaultKind kind_;
};

// A record whose contents run past its own end and that of its
// continuations. Spreadsheet applications read such a record as far as it
// goes, or skip it, and keep the cells around it; so do the readers.
class BiffRecordOverrun : public XlsFault {
public:
    BiffRecordOverrun() : XlsFault(XlsFaultKind::Broken, QRNConsts::sReasonRecordTooShort) {}
};
