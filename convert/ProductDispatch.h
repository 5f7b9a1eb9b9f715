#pragma once

#include "convert/FieldCell.h"
#include "convert/RunInputs.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunObserver.h"
#include "workbook/SheetRow.h"
#include "xml/TXMLDocument.h"

#include <string>
#include <vector>

struct ProductWriterStep;

// The price-list writers driven for one row, in the one fixed order that is
// the same for all nine kinds of goods and decides the order of the elements
// below Product: identifiers, titles, contributors, publishing data, media,
// measures, technical goods and collectibles, and the supply part last.
class ProductDispatch {
public:
    // Resolves the column of every field the dispatch reads, once.
    explicit ProductDispatch(const RunInputs& inputs);

    // A number field whose cell is not a number is reported to rowErrors.
    void WriteProduct(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                      RowErrorHandler& rowErrors) const;

private:
    struct ResolvedStep {
        const ProductWriterStep* step;
        FieldColumn first;
        FieldColumn second;
    };
    void WriteSupply(TXMLDocument& doc, TXMLNode product, const SheetRow& row, RunObserver& observer,
                     RowErrorHandler& rowErrors) const;

    std::vector<ResolvedStep> steps_;
    std::string fixedProductForm_;
    Regional regional_;
    FieldColumn price01_, price_, discountPercent_, productAvailability_, vat_, onHand_, packQuantity_;
};
