#pragma once

#include "convert/FieldCell.h"
#include "convert/FieldColumns.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunInputs.h"
#include "workbook/SheetRow.h"
#include "xml/TXMLDocument.h"

#include <array>

// Writes one invoice position from a data row: its children in their order,
// each from its field's cell (a number field's cell that is no number is
// reported to the row's errors). The columns are resolved once per run.
class InvoicePositionWriter {
public:
    InvoicePositionWriter(const RunInputs& inputs, const FieldColumns& fields);

    void Write(TXMLDocument& doc, TXMLNode position, const SheetRow& row, RowErrorHandler& rowErrors) const;

private:
    static constexpr std::size_t kFieldCount = 12;
    std::array<FieldColumn, kFieldCount> columns_;
    Regional regional_;
};
