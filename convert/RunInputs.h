#pragma once

#include "base/Regional.h"
#include "base/StopRequest.h"
#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"
#include "workbook/SheetChoice.h"

#include <memory>
#include <string>
#include <vector>

// How a sheet's rows are read. Strict: the column names up to the first
// empty header cell, the data rows up to the first row whose column-1 cell is
// empty. Supplier: every column (SupplierHeader), every row under the header
// to the last, passing over what is no product (SupplierRowSorter).
enum class SheetLayout { Strict, Supplier };

// Everything a conversion run takes from the wizard (or the command line), as
// the controls held it when the run started.
class RunWorkbook;

struct RunInputs {
    // The workbook, opened once by the front end, that every read of the run
    // reads; when there is none, the run opens workbookPath itself.
    std::shared_ptr<const RunWorkbook> workbook;
    std::string workbookPath; // the workbook to convert
    SheetChoice sheet;        // the sheet to read; "" the first
    int headerRow = 1;        // the row of the column names; the data rows follow it
    SheetLayout layout = SheetLayout::Strict;
    int firstDataRow = 0;   // in the supplier layout: under the header's second row when it has one; 0: under headerRow
    std::string outputPath; // the XML file to write; empty -> the run does nothing
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
};
