#include "convert/ConvertPriceList.h"

#include "catalogue/FaultMessages.h"
#include "catalogue/QRNConsts.h"
#include "convert/DataRows.h"
#include "convert/ProductDispatch.h"
#include "convert/ReadWorkbook.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunOutputs.h"
#include "writers/HeaderWriters.h"
#include "xml/TXMLDocument.h"

#include <functional>

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
RunResult RunPriceList(const RunInputs& inputs, RunObserver& observer,
                       const std::function<const Workbook&()>& openWorkbook)
{
    RunResult result;
    if (inputs.outputPath.empty()) return result;
    observer.ClearLog();
    const RegionalScope regional(inputs.regional);
    TXMLDocument doc;
    RowErrorHandler rowErrors(observer);

    const TXMLNode root = doc.CreateRoot("KALMIRAMessage");
    WriteHeader(doc, doc.AddElement(root, "Header", ""), inputs);

    const Workbook& workbook = openWorkbook();
    const ProductDispatch dispatch(inputs);
    const int rowCount = CountDataRows(workbook);
    observer.ProgressMaximum(rowCount);
    observer.ProgressPosition(0);

    GuardRunOutputs(inputs, {inputs.outputPath});
    doc.BeginSave(inputs.outputPath);
    for (int row = 2; row < 2 + rowCount; ++row) {
        rowErrors.currentRow = row;
        observer.ProgressPosition(row - 1);
        const TXMLNode product = doc.AddElement(root, "Product", "");
        dispatch.WriteProduct(doc, product, workbook, row, observer, rowErrors);
        doc.FlushCompleted(root);
    }
    observer.ProgressPosition(0);

    if (!rowErrors.criticalError) {
        doc.FinishSave();
        result.savedFiles.push_back(inputs.outputPath);
        result.allSaved = true;
    } else {
        doc.AbandonSave();
    }

    if (rowErrors.errorCount == 0) {
        observer.LogLine(QRNConsts::sConvertSuccess);
        observer.LogLine(QRNConsts::sFileSaved);
    } else {
        observer.LogLine(QRNConsts::sLogSeparator);
        observer.LogLine(rowErrors.criticalError ? QRNConsts::sCriticalErrors : QRNConsts::sFileSaved);
    }
    result.errorCount = rowErrors.errorCount;
    result.criticalError = rowErrors.criticalError;
    return result;
}

} // namespace

RunResult ConvertPriceList(const RunInputs& inputs, RunObserver& observer)
{
    std::unique_ptr<Workbook> workbook;
    return WithUserMessages([&] {
        return RunPriceList(inputs, observer, [&]() -> const Workbook& {
            workbook = ReadWorkbook(inputs.workbookPath, inputs.regional);
            return *workbook;
        });
    });
}

RunResult ConvertPriceList(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer)
{
    return WithUserMessages(
        [&] { return RunPriceList(inputs, observer, [&]() -> const Workbook& { return workbook; }); });
}
