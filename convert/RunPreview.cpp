#include "convert/RunPreview.h"

#include "catalogue/FieldCatalogue.h"
#include "convert/DataRows.h"
#include "convert/FieldCell.h"
#include "convert/InvoicePosition.h"
#include "convert/ProductDispatch.h"
#include "convert/RowErrorHandler.h"
#include "convert/WorkbookRows.h"
#include "messages/FaultMessages.h"
#include "xml/TXMLDocument.h"

#include <algorithm>

namespace {

// Keeps the lines a row's errors log; the preview shows no warnings.
class PreviewObserver : public RunObserver {
public:
    void ClearLog() override { lines.clear(); }
    void LogLine(const std::string& line) override { lines.push_back(line); }
    void ProgressMaximum(int) override {}
    void ProgressPosition(int) override {}
    void LongCellWarning(const std::string&, int, const std::string&) override {}

    std::vector<std::string> lines;
};

// The mapped fields, in the order of the field list.
std::vector<FieldColumn> MappedFields(const RunInputs& inputs, const FieldColumns& columns)
{
    std::vector<FieldColumn> fields;
    for (const TFieldEntry& entry : FieldTable(inputs.documentType)) {
        FieldColumn field = columns.Of(entry.FieldID);
        const bool seen =
            std::any_of(fields.begin(), fields.end(), [&](const FieldColumn& f) { return f.fieldID == field.fieldID; });
        if (field.column > 0 && !seen) fields.push_back(std::move(field));
    }
    return fields;
}

RunPreview Preview(const RunInputs& inputs, int maxRows, SheetRows& sheet)
{
    const RegionalScope regional(inputs.regional);
    const bool invoice = inputs.documentType == kInvoiceType;
    RunPreview preview;
    const FieldColumns columns(inputs);
    const std::vector<FieldColumn> fields = MappedFields(inputs, columns);
    for (const FieldColumn& field : fields) preview.captions.push_back(field.caption);

    PreviewObserver observer;
    TXMLDocument doc;
    const TXMLNode root = doc.CreateRoot("Preview");
    RowErrorHandler rowErrors(observer);
    const ProductDispatch products(inputs, columns);
    const InvoicePositionWriter positions(inputs, columns);
    // No row past the last one shown is read, nor the rest of the sheet.
    DataRows rows(sheet, inputs, columns, DataRows::RestOfSheet::Skip);
    const SheetRow* row = nullptr;
    while (static_cast<int>(preview.rows.size()) < maxRows && (row = rows.Next())) {
        RunPreview::Row shown{row->Number(), {}, false, {}};
        for (const FieldColumn& field : fields)
            shown.texts.push_back(invoice ? GetInvoiceFieldValue(*row, field) : GetFieldValue(*row, field, observer));
        observer.lines.clear();
        rowErrors.currentRow = row->Number();
        rowErrors.errorCount = 0;
        rowErrors.criticalError = false;
        const TXMLNode element = doc.AddElement(root, invoice ? "Position" : "Product", "");
        if (invoice) positions.Write(doc, element, *row, rowErrors);
        else products.WriteProduct(doc, element, *row, observer, rowErrors);
        shown.marked = invoice ? rowErrors.errorCount > 0 : rowErrors.criticalError;
        shown.errors = observer.lines;
        preview.rows.push_back(std::move(shown));
    }
    return preview;
}

} // namespace

RunPreview PreviewRun(const RunInputs& inputs, int maxRows)
{
    RunPreview preview;
    ReadRunRows(inputs, [&](SheetRows& sheet) { preview = Preview(inputs, maxRows, sheet); });
    return preview;
}
