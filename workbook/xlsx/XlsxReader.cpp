#include "workbook/xlsx/XlsxReader.h"

#include "workbook/xlsx/OoxmlRelationships.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxSharedStrings.h"
#include "workbook/xlsx/XlsxSheet.h"
#include "workbook/xlsx/XlsxStyles.h"
#include "workbook/xlsx/XlsxWorkbookPart.h"
#include "workbook/ZipArchive.h"

#include <algorithm>

namespace {

const Relationship* FindKind(const std::vector<Relationship>& relationships, std::string_view kind)
{
    const auto found = std::find_if(relationships.begin(), relationships.end(),
                                    [&](const Relationship& r) { return IsRelationshipKind(r, kind); });
    return found != relationships.end() ? &*found : nullptr;
}

void RequirePart(ZipArchive& archive, const std::string& part)
{
    if (!archive.Contains(part)) ThrowBroken(ReadReason::PartMissing, {part});
}

struct XlsxParts {
    std::string sheet;
    std::string styles;         // "" when the workbook has none
    std::string sharedStrings;  // "" when the workbook has none
    bool date1904 = false;
};

XlsxParts LocateParts(ZipArchive& archive)
{
    const auto packageRelationships = ReadRelationships(archive, "");
    const Relationship* document = FindKind(packageRelationships, "officeDocument");
    if (!document) ThrowUnsupported(ReadReason::NoSpreadsheet);
    const std::string workbookPart = document->target;
    RequirePart(archive, workbookPart);

    const XlsxWorkbookInfo workbook = ReadXlsxWorkbookPart(archive, workbookPart);
    const auto relationships = ReadRelationships(archive, workbookPart);
    const auto sheet = std::find_if(relationships.begin(), relationships.end(),
                                    [&](const Relationship& r) { return r.id == workbook.firstSheetId; });
    if (sheet == relationships.end())
        ThrowBroken(ReadReason::PartMissing, {workbookPart + ": " + workbook.firstSheetId});
    // Which of two parts an id names cannot be told; guessing could convert
    // the wrong sheet.
    if (std::any_of(sheet + 1, relationships.end(),
                    [&](const Relationship& r) { return r.id == sheet->id && r.target != sheet->target; }))
        ThrowBroken(ReadReason::SheetIdTwice, {workbook.firstSheetId});
    if (IsRelationshipKind(*sheet, "chartsheet") || IsRelationshipKind(*sheet, "dialogsheet"))
        ThrowUnsupported(ReadReason::FirstSheetNotCells);
    RequirePart(archive, sheet->target);

    XlsxParts parts;
    parts.sheet = sheet->target;
    parts.date1904 = workbook.date1904;
    // Without styles every number is plain; without shared strings a sheet
    // that refers to one is damaged, which reading the sheet finds out.
    if (const Relationship* part = FindKind(relationships, "styles"); part && archive.Contains(part->target))
        parts.styles = part->target;
    if (const Relationship* part = FindKind(relationships, "sharedStrings"); part && archive.Contains(part->target))
        parts.sharedStrings = part->target;
    return parts;
}

} // namespace

void ReadXlsxWorkbook(ZipArchive& archive, CellSink& sink, SheetExtent extent)
{
    const XlsxParts parts = LocateParts(archive);
    sink.SetDate1904(parts.date1904);
    std::vector<NumberStyle> styles;
    if (!parts.styles.empty()) styles = ReadXlsxCellStyles(archive, parts.styles);

    if (extent == SheetExtent::Whole) {
        if (!parts.sharedStrings.empty()) ReadXlsxSharedStrings(archive, parts.sharedStrings, sink);
        ReadXlsxSheet(archive, parts.sheet, XlsxSheetContext {styles, sink.SharedStringCount()}, sink);
        return;
    }
    // The shared strings may be far larger than row 1 needs: the row says
    // which it refers to, and the table is read only that far.
    try {
        ReadXlsxSheet(archive, parts.sheet, XlsxSheetContext {styles, XlsxSheetContext::kCountNotYetKnown}, sink);
    } catch (const ReadingStopped&) {
    }
    const std::size_t wanted = sink.SharedStringsWanted();
    if (wanted > 0 && !parts.sharedStrings.empty()) ReadXlsxSharedStrings(archive, parts.sharedStrings, sink, wanted);
    if (wanted > sink.SharedStringCount()) ThrowBroken(ReadReason::BadSharedString, {std::to_string(wanted - 1)});
}
