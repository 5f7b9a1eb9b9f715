#include "convert/ConvertPriceList.h"

#include "messages/FaultMessages.h"
#include "convert/MessageKind.h"
#include "convert/NameArticles.h"
#include "convert/DataRows.h"
#include "convert/ProductDispatch.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunLogTexts.h"
#include "convert/RunOutputs.h"
#include "convert/RunSummary.h"
#include "writers/HeaderWriters.h"
#include "writers/MessageNoteTexts.h"
#include "xml/TXMLDocument.h"

namespace {

namespace H = ONIXFunctions::Header;

void WriteHeader(TXMLDocument& doc, TXMLNode header, const RunInputs& inputs)
{
    H::FromSAN(doc, header, inputs.fromSAN, H::kCompositeLayout);
    H::FromCompany(doc, header, inputs.fromCompany, H::kCompositeLayout);
    H::FromPerson(doc, header, inputs.fromPerson, H::kCompositeLayout);
    H::ToSAN(doc, header, inputs.toSAN, H::kCompositeLayout);
    H::ToCompany(doc, header, inputs.toCompany, H::kCompositeLayout);
    H::ToPerson(doc, header, inputs.toPerson, H::kCompositeLayout);
    if (!inputs.messageNumber.empty()) H::MessageNumber(doc, header, inputs.messageNumber);
    H::SentDate(doc, header, inputs.regional.ParseDateTimeOrThrow(inputs.sentDate), H::kCompositeLayout);
    H::MessageNote(doc, header, QRNConsts::sPriceListNote);
}

// The products are written to the output file as they are completed, so the
// memory a run needs does not grow with the rows; the file replaces the
// target only when the run decides to save, and otherwise (also when the run
// fails) the temporary file is removed and an older target stays as it was.
RunResult RunPriceList(const RunInputs& inputs, RunObserver& observer, SheetRows& sheet)
{
    RunResult result;
    observer.ClearLog();
    const RegionalScope regional(inputs.regional);
    TXMLDocument doc;
    RowErrorHandler rowErrors(observer);

    const TXMLNode root = doc.CreateRoot(kPriceListRoot);
    WriteHeader(doc, doc.AddElement(root, "Header", ""), inputs);

    const FieldColumns fields(inputs);
    const ProductDispatch dispatch(inputs, fields);
    NameArticles nameArticles(fields);
    PassedRows passed(observer);
    DataRows rows(sheet, inputs, fields, DataRows::RestOfSheet::Read,
                  [&passed](const SheetRow& row, PassedOver reason, const std::string& group) {
                      passed.Note(row, reason, group);
                  });
    // The first row read tells whether the workbook can be read at all,
    // before any file is touched.
    const SheetRow* row = rows.Next();
    observer.ProgressPosition(0);

    GuardRunOutputs(inputs, {inputs.outputPath});
    doc.BeginSave(inputs.outputPath);
    // A supplier's list keeps its good rows when some are bad: a row with a
    // critical error is left out of the file. The strict layout saves all
    // rows or none.
    const bool leaveOutBadRows = inputs.layout.Kind() == SheetLayout::Supplier;
    for (; row; row = rows.Next()) {
        rowErrors.currentRow = row->Number();
        rows.ShowProgress(observer);
        const TXMLNode product = doc.AddElement(root, "Product", "");
        nameArticles.Check(*row);
        dispatch.WriteProduct(doc, product, *row, observer, rowErrors);
        if (const std::string* critical = rowErrors.FirstCriticalError(row->Number()); critical && leaveOutBadRows) {
            doc.RemoveElement(product);
            result.leftOut.Add(*critical, row->Number());
            continue;
        }
        doc.FlushCompleted(root);
        ++result.rowsConverted;
    }
    observer.ProgressPosition(0);
    result.unread = rows.Unread();
    passed.Finish();
    result.passedOver = passed.Counts();

    // The front end may hold the file back here while it asks whether to stop.
    if (!inputs.stop.PassGate()) {
        doc.AbandonSave();
        result.stopped = true;
        return result;
    }
    const bool saved = !rowErrors.criticalError || leaveOutBadRows;
    if (saved) {
        std::vector<std::unique_ptr<AtomicFile>> files;
        files.push_back(doc.CompleteSave());
        if (!PutRunFilesInPlace(inputs, std::move(files))) {
            result.stopped = true;
            return result;
        }
        result.savedFiles.push_back(inputs.outputPath);
        result.savedRows.push_back(result.rowsConverted);
        result.allSaved = true;
    } else {
        doc.AbandonSave();
    }

    if (rowErrors.errorCount > 0) observer.LogLine(QRNConsts::sLogSeparator);
    if (saved && result.rowsConverted == 0) {
        observer.LogLine(NoRowConvertedLine(result));
        observer.LogLine(QRNConsts::sFileSaved);
    } else if (rowErrors.errorCount == 0) {
        observer.LogLine(QRNConsts::sConvertSuccess);
        observer.LogLine(QRNConsts::sFileSaved);
    } else {
        observer.LogLine(saved ? QRNConsts::sFileSaved : QRNConsts::sCriticalErrors);
    }
    result.errorCount = rowErrors.errorCount;
    result.criticalError = !saved;
    result.unreadValues = rowErrors.unreadValues.Columns();
    result.stockWordLines = rowErrors.stockWords.SummaryLines();
    result.repeatedCodeLines = rowErrors.repeatedCodes.SummaryLines();
    return result;
}

} // namespace

RunResult ConvertPriceList(const RunInputs& inputs, SheetRows& rows, RunObserver& observer)
{
    if (inputs.outputPath.empty()) return {};
    return RunPriceList(inputs, observer, rows);
}
