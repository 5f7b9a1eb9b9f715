#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The window's command line: "--settings FILE" (or "--settings=FILE") names
// the settings file, "--sheet ЛИСТ", "--header-row N|auto" and "--layout
// strict|supplier" where and how the columns are read, as for
// quarnel-convert; "--help" and "--version" ask for a text
// instead of the window; every other argument is a positional parameter: the
// workbook alone, or those of the automatic mode (workbook, output file,
// document type, invoice number, order number).
struct WindowCommandLine {
    enum class Request { Window, Help, Version };
    Request request = Request::Window;
    QString settingsFile;
    QString sheet;
    int headerRow = 0;                  // 0 when not given
    bool findHeaderRow = false;         // "--header-row auto"
    std::optional<bool> supplierLayout; // "--layout supplier" or "strict"
    QStringList parameters;
};

// The arguments without the program name.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);
