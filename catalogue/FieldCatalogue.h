#pragma once

#include "catalogue/DocumentTypes.h"
#include "catalogue/FieldTable.h"

#include <string>
#include <vector>

// One product field of a document type: the identifier by which the runs ask
// for its value (compared byte for byte) and the caption the user sees and the
// scheme stores. Both UTF-8.
struct TFieldEntry {
    std::string FieldID;
    std::string FieldName;
};

// The fields of a document type in the order of the list of step 2. The
// digital-devices table lists CoverImage twice (15th and last row), both with
// the same caption.
const std::vector<TFieldEntry>& FieldTable(TDocumentType type);

// The field's caption in the type's list (of its first row there); "" when
// the type has no such field.
std::string FieldCaption(const std::string& fieldID, TDocumentType type);

// Every caption of the type's list in order, duplicates included: the field
// list of step 2.
std::vector<std::string> FieldCaptions(TDocumentType type);

// The settings key under which the type's last scheme file is remembered.
std::string GetCorrespondenceParamName(TDocumentType type);
