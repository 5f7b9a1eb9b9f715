#pragma once

#include "convert/FieldCell.h"
#include "convert/FieldColumns.h"
#include "convert/RunInputs.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunObserver.h"
#include "workbook/SheetRow.h"
#include "xml/TXMLDocument.h"

#include <string>
#include <vector>

struct FieldWriting;

// The price-list writers driven for one row, in the order of the field table,
// the same for all nine kinds of goods, which decides the order of the
// elements below Product: identifiers, titles, contributors, publishing data,
// media, measures, technical goods and collectibles, and the supply part last.
class ProductDispatch {
public:
    // Takes the column of every field the dispatch reads, once.
    ProductDispatch(const RunInputs& inputs, const FieldColumns& fields);

    // A number field whose cell is not a number is reported to rowErrors.
    void WriteProduct(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                      RowErrorHandler& rowErrors) const;

private:
    // A field the dispatch writes, with its column and its pair's.
    struct FieldStep {
        const FieldWriting* writing;
        FieldColumn field;
        FieldColumn pair;
        bool isCode = false; // an ISBN or EAN-13, read as RepeatedCodes reads it
    };
    void WriteSupply(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                     RowErrorHandler& rowErrors) const;

    std::vector<FieldStep> steps_;
    std::string fixedProductForm_;
    Regional regional_;
    FieldColumn price01_, price_, discountPercent_, productAvailability_, vat_, onHand_, packQuantity_;
};
