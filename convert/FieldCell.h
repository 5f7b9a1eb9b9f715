#pragma once

#include "convert/RunInputs.h"
#include "convert/RunObserver.h"
#include "workbook/SheetRow.h"

#include <string>

// A field a run reads, with the column the scheme gives it (FieldColumns,
// resolved once per run: the scheme and the header row do not change while a
// run works through its rows).
struct FieldColumn {
    std::string fieldID;
    int column = 0;      // 1-based; 0 when the field is not mapped
    std::string caption; // the field's caption in the run's document type, for the log
};

// The price-list reading of a field's cell in the row: the text as it stands,
// "" for an unmapped field. A text longer than 250 characters is shown to the
// user and cut to its first 250 characters, except the annotation, which is
// always taken whole.
std::string GetFieldValue(const SheetRow& row, const FieldColumn& field, RunObserver& observer);

// The number a numeric field's cell gives as suppliers write it: a currency
// beside it, a "%" after a rate or discount, "шт" after a count; "без НДС"
// in the VAT rate is 0; a price's "=" before two digits of kopecks ("11=90")
// is the decimal separator. The text to read as a number; `currency`
// receives the currency's text ("" for none).
std::string NumberTextOf(std::string_view cell, const std::string& fieldID, std::string_view decimalSeparator,
                         std::string* currency = nullptr);

// A barcode a spreadsheet kept as a number and so without its leading 0
// (12 digits, "730870274064"): the EAN-13 with the 0 back where its check
// digit agrees; any other text as it stands.
std::string BarcodeOfCell(std::string_view cell);

// An ISBN-10 a spreadsheet kept as a number and so without its leading 0
// (9 characters, "140183167"): the ISBN with the 0 back where its check digit
// agrees; any other text as it stands.
std::string IsbnOfCell(std::string_view cell);

// The invoice reading: the text as it stands, never cut.
std::string GetInvoiceFieldValue(const SheetRow& row, const FieldColumn& field);
