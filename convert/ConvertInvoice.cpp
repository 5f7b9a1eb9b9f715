#include "convert/ConvertInvoice.h"

#include "base/AtomicFile.h"
#include "catalogue/FaultMessages.h"
#include "catalogue/QRNConsts.h"
#include "convert/DataRows.h"
#include "convert/FieldCell.h"
#include "convert/HeldLog.h"
#include "convert/InvoicePackage.h"
#include "convert/ReadWorkbook.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunOutputs.h"
#include "writers/HeaderWriters.h"
#include "writers/InvoiceWriters.h"
#include "xml/TXMLDocument.h"

#include <array>
#include <climits>
#include <functional>
#include <memory>

namespace {

namespace H = ONIXFunctions::Header;
namespace I = ONIXFunctions::Invoice;

using TextWriter = void (*)(TXMLDocument&, TXMLNode, const std::string&);
using NumberWriter = void (*)(TXMLDocument&, TXMLNode, long double);

struct PositionField {
    const char* fieldID;
    TextWriter text;
    NumberWriter number;
};

// The children of a Position in their order; VAT comes before PackQuantity,
// unlike the field list of step 2. The sale place of the field list has no
// element and is never read.
const std::array<PositionField, 12> kPositionFields{{
    {"RecordReference", I::RecordReference, nullptr},
    {"EAN13", I::EAN13, nullptr},
    {"ISBN", I::ISBN, nullptr},
    {"ProductName", I::ProductName, nullptr},
    {"Amount", nullptr, I::Amount},
    {"Price", nullptr, I::Price},
    {"RecommendedPrice", nullptr, I::RecommendedPrice},
    {"VAT", nullptr, I::VAT},
    {"PackQuantity", nullptr, I::PackQuantity},
    {"GTDNo", I::GTDNo, nullptr},
    {"CountryCode", I::CountryCode, nullptr},
    {"CountryName", I::CountryName, nullptr},
}};

void WriteHeader(TXMLDocument& doc, TXMLNode header, const RunInputs& inputs, const std::string& invoiceNumber,
                 double sentDate)
{
    H::FromSAN(doc, header, inputs.fromSAN, H::kFlatLayout);
    H::FromCompany(doc, header, inputs.fromCompany, H::kFlatLayout);
    H::FromPerson(doc, header, inputs.fromPerson, H::kFlatLayout);
    H::ToSAN(doc, header, inputs.toSAN, H::kFlatLayout);
    H::ToCompany(doc, header, inputs.toCompany, H::kFlatLayout);
    H::ToPerson(doc, header, inputs.toPerson, H::kFlatLayout);
    H::MessageNumber(doc, header, invoiceNumber);
    H::SentDate(doc, header, sentDate, H::kFlatLayout);
    H::MessageNote(doc, header, QRNConsts::sInvoiceNote);
}

// The progress bar goes back to 0 however the run ends.
class ProgressReset {
public:
    explicit ProgressReset(RunObserver& observer) : observer_(observer) {}
    ~ProgressReset() { observer_.ProgressPosition(0); }
    ProgressReset(const ProgressReset&) = delete;
    ProgressReset& operator=(const ProgressReset&) = delete;

private:
    RunObserver& observer_;
};

// The invoices of a package are one unit on disk. Each is written to its
// temporary file position by position; an invoice with errors is dropped there
// (an older file of its name stays as it was), and the others replace their
// files together once every one is complete, so a failure on the way (a full
// disk, a file that may not be replaced) replaces none. The log says an
// invoice is saved only after that.
RunResult RunInvoice(const RunInputs& inputs, RunObserver& observer,
                     const std::function<const Workbook&()>& openWorkbook)
{
    RunResult result;
    if (inputs.outputPath.empty()) return result;
    observer.ClearLog();
    const int positionLimit = inputs.noSeparate15Pos ? INT_MAX : kPositionsPerInvoice;
    const RegionalScope regional(inputs.regional);

    const ProgressReset progressReset(observer);
    const Workbook& workbook = openWorkbook();
    const int rowCount = CountDataRows(workbook);
    const std::vector<std::string> files = OutputFilesOfRun(inputs, rowCount);
    GuardRunOutputs(inputs, files);
    observer.ProgressMaximum(rowCount);
    observer.ProgressPosition(0);
    const double sentDate = inputs.regional.ParseDateTimeOrThrow(inputs.sentDate);

    std::array<FieldColumn, kPositionFields.size()> columns;
    for (std::size_t i = 0; i < kPositionFields.size(); ++i)
        columns[i] = ResolveFieldColumn(kPositionFields[i].fieldID, inputs);

    HeldLog log(observer);
    RowErrorHandler rowErrors(log);
    std::vector<std::unique_ptr<AtomicFile>> completed;
    const bool split = files.size() > 1;
    const int endRow = 2 + rowCount;
    int row = 2;
    result.allSaved = true;
    try {
        for (std::size_t k = 1; k <= files.size(); ++k) {
            TXMLDocument doc;
            rowErrors.errorCount = 0;
            const std::string invoiceNumber =
                split ? PackageInvoiceNumber(inputs.messageNumber, static_cast<int>(k)) : inputs.messageNumber;
            const TXMLNode root = doc.CreateRoot("BookCommerceMessage");
            WriteHeader(doc, doc.AddElement(root, "Header", ""), inputs, invoiceNumber, sentDate);
            const TXMLNode commercialDocument = doc.AddElement(root, "CommercialDocument", "");
            doc.AddElement(commercialDocument, "DocumentType", "PayableBill");
            if (!inputs.documentReference.empty())
                doc.AddElement(commercialDocument, "DocumentReference", inputs.documentReference);

            doc.BeginSave(files[k - 1]);
            for (int i = 1; row < endRow && i <= positionLimit; ++i, ++row) {
                rowErrors.currentRow = row;
                observer.ProgressPosition(row - 1);
                const TXMLNode position = doc.AddElement(commercialDocument, "Position", "");
                for (std::size_t f = 0; f < kPositionFields.size(); ++f) {
                    const std::string text = GetInvoiceFieldValue(workbook, row, columns[f]);
                    if (kPositionFields[f].text)
                        kPositionFields[f].text(doc, position, text);
                    else
                        kPositionFields[f].number(doc, position,
                                                  rowErrors.ReadNumber(text, columns[f], inputs.regional));
                }
                doc.FlushCompleted(commercialDocument);
            }

            result.errorCount += rowErrors.errorCount;
            if (rowErrors.errorCount > 0) {
                doc.AbandonSave();
                result.allSaved = false;
                log.LogLine(QRNConsts::sLogSeparator);
                log.LogLine(QRNConsts::sInvoiceNumber + invoiceNumber);
                log.LogLine(QRNConsts::sPackageErrors);
            } else {
                completed.push_back(doc.CompleteSave());
                result.savedFiles.push_back(files[k - 1]);
                log.LogSavedLine(QRNConsts::sInvoiceNumber + invoiceNumber);
                log.LogSavedLine(std::string(QRNConsts::sConvertSuccess) + QRNConsts::sFileSaved);
            }
        }
        for (const std::unique_ptr<AtomicFile>& file : completed) file->Commit();
    } catch (...) {
        log.ReleaseUnsaved();
        throw;
    }
    log.Release();
    result.staleFiles = StalePackageFiles(inputs.outputPath, result.savedFiles);
    result.criticalError = rowErrors.criticalError;
    return result;
}

} // namespace

RunResult ConvertInvoice(const RunInputs& inputs, RunObserver& observer)
{
    std::unique_ptr<Workbook> workbook;
    return WithUserMessages([&] {
        return RunInvoice(inputs, observer, [&]() -> const Workbook& {
            workbook = ReadWorkbook(inputs.workbookPath, inputs.regional);
            return *workbook;
        });
    });
}

RunResult ConvertInvoice(const RunInputs& inputs, const Workbook& workbook, RunObserver& observer)
{
    return WithUserMessages(
        [&] { return RunInvoice(inputs, observer, [&]() -> const Workbook& { return workbook; }); });
}
