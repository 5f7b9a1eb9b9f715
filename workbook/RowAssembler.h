#pragma once

#include "workbook/CellSink.h"
#include "workbook/SheetRow.h"

#include <functional>

// Turns the cells of a sheet read in file order into rows, each handed on
// (as text) as soon as the next row starts, so nothing but the current row is
// held. A row or cell that goes backwards, or a position given twice, would
// change a row already handed on: reading stops with SheetOutOfOrder, and the
// caller reads the sheet into memory instead (SheetCells sorts it).
class RowAssembler : public CellSink {
public:
    // Receives each row that holds a cell, in row order; may take the row's
    // contents (swap them out).
    using RowReady = std::function<void(SheetRow& row)>;

    RowAssembler(const Regional& regional, RowReady ready);

    // Hands on the last row; after reading.
    void Finish();

    // How far the read has come: the last row the sheet declares (0 when it
    // declares none) and the share of its bytes read, 0 to 1.
    int DeclaredLastRow() const { return declaredLastRow_; }
    double ShareRead() const { return shareRead_; }

    void DeclareLastRow(int row) override { declaredLastRow_ = row; }
    void ReportConsumed(std::uint64_t done, std::uint64_t total) override;

private:
    void StoreText(int row, int column, std::string_view text) override;
    void StoreValue(int row, int column, const CellValue& value) override;
    void Place(int row, int column);

    RowReady ready_;
    SheetRow row_;
    int lastColumn_ = 0;
    int declaredLastRow_ = 0;
    double shareRead_ = 0;
};
