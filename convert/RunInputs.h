#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "catalogue/DocumentTypes.h"
#include "convert/RunLayout.h"
#include "scheme/SchemeLine.h"
#include "workbook/SheetChoice.h"

#include <memory>
#include <string>
#include <vector>

class FileReplacement;
class RunWorkbook;

// Everything a conversion run takes from the wizard (or the command line), as
// the controls held it when the run started.
struct RunInputs {
    // The workbook, opened once by the front end, that every read of the run
    // reads; when there is none, the run opens workbookPath itself.
    std::shared_ptr<const RunWorkbook> workbook;
    std::string workbookPath; // the workbook to convert
    SheetChoice sheet;        // the sheet to read; "" the first
    RunLayout layout;         // the header row, the data rows under it and which of them are products
    std::string outputPath;   // the XML file to write; empty -> the run does nothing
    TDocumentType documentType = TDocumentType::Books;
    std::string fromSAN, fromCompany, fromPerson, toSAN, toCompany, toPerson;
    std::string messageNumber;              // the invoice's number
    std::string documentReference;          // the number of the order the invoice answers
    std::string sentDate;                   // the message's date as typed, parsed with `regional`
    std::vector<std::string> fieldCaptions; // the captions of the type's fields, in the catalogue's order
    SchemeLines scheme;                     // the lines mapping fields to columns
    std::vector<std::string> columnNames;   // the column names of the header row
    bool noSeparate15Pos = false;           // the invoice setting, read by the caller from IniStore
    Regional regional;
    // Files the run must not write over besides the workbook: the settings,
    // the scheme in use and the other files the front end writes (its log).
    std::vector<std::string> keptFiles;
    // Set by the front end to end the run early: the rows end at the next
    // batch and the run saves nothing.
    StopRequest stop;
    // The files the front end puts in place with the run's own (its log, a
    // saved scheme): the run adds its completed files and leaves the commit
    // to the front end. Without it, the run puts its files in place itself.
    FileReplacement* replacement = nullptr;
};
