#pragma once

#include "catalogue/DocumentTypes.h"

// A document type written in a test table by its index in the list of step 1,
// as the tables of the Parts and the command line number them.
struct TypeIndex {
    TypeIndex(int index) : type(*DocumentTypeAt(index)) {}
    TypeIndex(TDocumentType documentType) : type(documentType) {}
    operator TDocumentType() const { return type; }

    TDocumentType type;
};
