#pragma once

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
