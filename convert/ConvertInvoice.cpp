#include "convert/ConvertInvoice.h"

#include "base/AtomicFile.h"
#include "messages/FaultMessages.h"
#include "convert/DataRows.h"
#include "convert/MessageKind.h"
#include "convert/FieldCell.h"
#include "convert/HeldLog.h"
#include "convert/InvoicePackage.h"
#include "convert/InvoicePosition.h"
#include "convert/NameArticles.h"
#include "convert/RowErrorHandler.h"
#include "convert/RunLogTexts.h"
#include "convert/RunOutputs.h"
#include "convert/RunSummary.h"
#include "convert/WriteGuard.h"
#include "writers/HeaderWriters.h"
#include "writers/MessageNoteTexts.h"
#include "xml/TXMLDocument.h"

#include <climits>
#include <deque>
#include <memory>

namespace {

namespace H = ONIXFunctions::Header;

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

// The data rows in order, read a package ahead where the run must know
// whether they fit into one invoice before naming its file.
class InvoiceRows {
public:
    InvoiceRows(SheetRows& sheet, const RunInputs& inputs, const FieldColumns& fields, PassedRows& passed)
        : rows_(sheet, inputs, fields, DataRows::RestOfSheet::Read,
                [&passed](const SheetRow& row, PassedOver reason, const std::string& group) {
                    passed.Note(row, reason, group);
                })
    {
    }

    // Reads ahead until `count` rows wait (or the rows run out); whether they
    // all came.
    bool LookAhead(std::size_t count)
    {
        while (ahead_.size() < count) {
            const SheetRow* row = rows_.Next();
            if (!row) return false;
            ahead_.push_back(*row);
        }
        return true;
    }

    // The next row, valid until the next call; nullptr after the last.
    const SheetRow* Next()
    {
        if (ahead_.empty()) return rows_.Next();
        current_ = std::move(ahead_.front());
        ahead_.pop_front();
        return &current_;
    }

    void ShowProgress(RunObserver& observer) { rows_.ShowProgress(observer); }
    const std::optional<UnreadRows>& Unread() const { return rows_.Unread(); }

private:
    DataRows rows_;
    std::deque<SheetRow> ahead_;
    SheetRow current_;
};

// The invoices of a package are one unit on disk. Each is written to its
// temporary file position by position; an invoice with errors is dropped there
// (an older file of its name stays as it was), and the others replace their
// files together once every one is complete, so a failure on the way (a full
// disk, a file that may not be replaced) replaces none. The log says an
// invoice is saved only after that.
RunResult RunInvoice(const RunInputs& inputs, RunObserver& observer, SheetRows& sheet)
{
    RunResult result;
    observer.ClearLog();
    const int positionLimit = inputs.noSeparate15Pos ? INT_MAX : kPositionsPerInvoice;
    const RegionalScope regional(inputs.regional);

    const ProgressReset progressReset(observer);
    PassedRows passed(observer);
    const FieldColumns fields(inputs);
    InvoiceRows rows(sheet, inputs, fields, passed);
    // One row more than a package holds tells whether the rows are split;
    // without a limit they never are.
    const bool split = positionLimit != INT_MAX && rows.LookAhead(static_cast<std::size_t>(positionLimit) + 1);
    WriteGuard guard = RunOutputsGuard(inputs);
    const std::string firstFile = split ? PackageFileName(inputs.outputPath, 1) : inputs.outputPath;
    guard.Claim(firstFile);
    observer.ProgressPosition(0);
    const double sentDate = inputs.regional.ParseDateTimeOrThrow(inputs.sentDate);

    const InvoicePositionWriter positions(inputs, fields);
    NameArticles nameArticles(fields);

    HeldLog log(observer);
    RowErrorHandler rowErrors(log);
    std::vector<std::unique_ptr<AtomicFile>> completed;
    result.allSaved = true;
    try {
        for (int k = 1;; ++k) {
            const std::string file = k == 1 ? firstFile : PackageFileName(inputs.outputPath, k);
            if (k > 1) guard.Claim(file);
            TXMLDocument doc;
            rowErrors.errorCount = 0;
            const std::string invoiceNumber =
                split ? PackageInvoiceNumber(inputs.messageNumber, k) : inputs.messageNumber;
            const TXMLNode root = doc.CreateRoot(kInvoiceRoot);
            WriteHeader(doc, doc.AddElement(root, "Header", ""), inputs, invoiceNumber, sentDate);
            const TXMLNode commercialDocument = doc.AddElement(root, "CommercialDocument", "");
            doc.AddElement(commercialDocument, "DocumentType", "PayableBill");
            if (!inputs.documentReference.empty())
                doc.AddElement(commercialDocument, "DocumentReference", inputs.documentReference);

            // The package's files share one folder, swept for what a killed
            // run left there as the first is begun.
            int packageRows = 0;
            doc.BeginSave(file, k == 1 ? AtomicFile::StaleTemporaries::Remove : AtomicFile::StaleTemporaries::Leave);
            for (int i = 1; i <= positionLimit; ++i) {
                const SheetRow* row = rows.Next();
                if (!row) break;
                rowErrors.currentRow = row->Number();
                rows.ShowProgress(observer);
                nameArticles.Check(*row);
                positions.Write(doc, doc.AddElement(commercialDocument, "Position", ""), *row, rowErrors);
                doc.FlushCompleted(commercialDocument);
                ++packageRows;
            }
            result.rowsConverted += packageRows;
            result.passedOver = passed.Counts();
            if (inputs.stop.Requested()) {
                doc.AbandonSave();
                break;
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
                result.savedFiles.push_back(file);
                result.savedRows.push_back(packageRows);
                log.LogSavedLine(QRNConsts::sInvoiceNumber + invoiceNumber);
                log.LogSavedLine(packageRows > 0 ? std::string(QRNConsts::sConvertSuccess) + QRNConsts::sFileSaved
                                                 : NoRowConvertedLine(result) + " " + QRNConsts::sFileSaved);
            }
            if (!split || !rows.LookAhead(1)) break;
        }
        result.unread = rows.Unread();
        passed.Finish();
        result.passedOver = passed.Counts();
        // Nothing of a stopped run is saved, also when the stop came as the
        // rows ended or while the files were synced: the package's files are
        // replaced together or not at all. The front end may hold them back
        // here while it asks whether to stop.
        if (!inputs.stop.PassGate() || !PutRunFilesInPlace(inputs, std::move(completed))) {
            log.ReleaseUnsaved();
            result.savedFiles.clear();
            result.savedRows.clear();
            result.allSaved = false;
            result.stopped = true;
            return result;
        }
    } catch (...) {
        log.ReleaseUnsaved();
        throw;
    }
    log.Release();
    result.staleFiles = StalePackageFiles(inputs.outputPath, result.savedFiles);
    result.criticalError = rowErrors.criticalError;
    result.unreadValues = rowErrors.unreadValues.Columns();
    result.repeatedCodeLines = rowErrors.repeatedCodes.SummaryLines();
    return result;
}

} // namespace

RunResult ConvertInvoice(const RunInputs& inputs, SheetRows& rows, RunObserver& observer)
{
    if (inputs.outputPath.empty()) return {};
    return RunInvoice(inputs, observer, rows);
}
