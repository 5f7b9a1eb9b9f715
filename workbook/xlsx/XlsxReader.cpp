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

} // namespace

std::unique_ptr<Workbook> ReadXlsxWorkbook(ZipArchive& archive, const Regional& regional, const ReadBudget& budget)
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

    // Without styles every number is plain; without shared strings a sheet
    // that refers to one is damaged, which reading the sheet finds out.
    std::vector<NumberStyle> styles;
    if (const Relationship* part = FindKind(relationships, "styles"); part && archive.Contains(part->target))
        styles = ReadXlsxCellStyles(archive, part->target);
    auto cells = std::make_unique<SheetCells>(regional, workbook.date1904, budget);
    if (const Relationship* part = FindKind(relationships, "sharedStrings"); part && archive.Contains(part->target))
        ReadXlsxSharedStrings(archive, part->target, *cells);

    ReadXlsxSheet(archive, sheet->target, XlsxSheetContext {styles, cells->SharedStringCount()}, *cells);
    cells->Finish();
    return cells;
}
