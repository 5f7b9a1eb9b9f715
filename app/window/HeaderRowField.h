#pragma once

#include "app/window/WindowWorker.h"
#include "convert/RunInputs.h"

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QSpinBox;
class QWidget;
class RunWorkbook;
struct WizardContext;

// Step 1's header row: a row the clerk types, or "авто", which finds it as
// quarnel-convert's "--header-row auto" does: the first rows searched for
// names known for the document type. The search runs on the worker as soon
// as the workbook, sheet or type changes, and the row it found, or what is
// read in its place, is said under the field. Row 1 left as a new workbook
// starts is searched as well, so that a title block above the names is
// passed; a row the clerk typed is never replaced. "авто" is remembered for
// the next workbook; a typed row belongs to its own workbook.
class HeaderRowField {
public:
    // What the search reads; no workbook when it does not open.
    struct Sheet {
        std::shared_ptr<const RunWorkbook> workbook;
        SheetChoice sheet;
        TDocumentType type{};
        SheetLayout layout{};
    };

    HeaderRowField(const WizardContext& context, QWidget* parent, std::function<Sheet()> chosen);

    QSpinBox* Box() const { return FBox; }
    QLabel* Note() const { return FNote; }

    // The row the sheet is read at. For "авто" the one found (searched now
    // when the worker has not yet): row 1 when none is, and 0 in the
    // supplier layout, which then reads the sheet without a header. Row 1
    // nobody typed is searched too, and the row under a title block taken.
    int Row();
    // A row the program was given (the command line, the mapping's
    // question), kept as a typed one; 0 for "авто", not remembered.
    void Set(int row);
    // Another workbook: "авто" when it is remembered, otherwise row 1.
    void Reset();
    // The supplier layout taken: a row nobody typed becomes "авто", so that
    // a sheet under a title block, or without any header, reads as found.
    void FindUnlessTyped();
    // The workbook, sheet, type or layout changed: "авто" searches again.
    void Search();

private:
    bool Automatic() const;
    // "авто", or row 1 nobody typed, which a title block pushes down.
    bool Searched() const;
    // The chosen sheet as the search reads it, and the one-row answer for it
    // when that sheet of that very workbook was searched already.
    Sheet Chosen() const;
    std::optional<int> FoundIn(const Sheet& chosen) const;
    void SetValue(int value);
    void Typed(int value);
    void Show();

    const WizardContext& FContext;
    std::function<Sheet()> FChosen;
    QSpinBox* FBox;
    QLabel* FNote;
    bool FSetting = false;
    // A row the clerk typed, or the program was given: never searched over.
    bool FTyped = false;
    // What the last search read and found there; the workbook is not kept
    // open for it, and one opened anew is searched anew.
    struct Found {
        std::weak_ptr<const RunWorkbook> workbook;
        SheetChoice sheet;
        TDocumentType type{};
        int row = 0;
    };
    std::optional<Found> FFound;
    WindowWorker FWorker;
};
