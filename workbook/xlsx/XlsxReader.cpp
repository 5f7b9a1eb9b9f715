#include "workbook/xlsx/XlsxReader.h"

#include "workbook/xlsx/OoxmlRelationships.h"
#include "workbook/WorkbookFault.h"
#include "workbook/xlsx/XlsxSharedStrings.h"
#include "workbook/xlsx/XlsxSheet.h"
#include "workbook/xlsx/XlsxStyles.h"
#include "workbook/xlsx/XlsxWorkbookPart.h"
#include "workbook/ZipArchive.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

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
    std::string styles;        // "" when the workbook has none
    std::string sharedStrings; // "" when the workbook has none
    bool date1904 = false;
};

struct XlsxWorkbook {
    std::string part;
    XlsxWorkbookInfo info;
    std::vector<Relationship> relationships;
};

XlsxWorkbook ReadWorkbook(ZipArchive& archive)
{
    const auto packageRelationships = ReadRelationships(archive, "");
    const Relationship* document = FindKind(packageRelationships, "officeDocument");
    if (!document) ThrowUnsupported(ReadReason::NoSpreadsheet);
    XlsxWorkbook workbook;
    workbook.part = document->target;
    RequirePart(archive, workbook.part);
    workbook.info = ReadXlsxWorkbookPart(archive, workbook.part);
    workbook.relationships = ReadRelationships(archive, workbook.part);
    return workbook;
}

bool HoldsCells(const Relationship& sheet)
{
    return !IsRelationshipKind(sheet, "chartsheet") && !IsRelationshipKind(sheet, "dialogsheet");
}

std::vector<SheetCandidate> Candidates(const XlsxWorkbook& workbook)
{
    // The first relationship of each id, looked up once per sheet: a
    // workbook may list tens of thousands of sheets.
    std::unordered_map<std::string_view, const Relationship*> byId;
    for (const Relationship& relationship : workbook.relationships) byId.emplace(relationship.id, &relationship);
    std::vector<SheetCandidate> candidates;
    for (const XlsxSheetRef& sheet : workbook.info.sheets) {
        const auto part = byId.find(sheet.relationshipId);
        candidates.push_back({sheet.name, sheet.hidden, part == byId.end() || HoldsCells(*part->second)});
    }
    return candidates;
}

XlsxParts LocateParts(ZipArchive& archive, const SheetChoice& choice)
{
    const XlsxWorkbook workbook = ReadWorkbook(archive);
    const auto& relationships = workbook.relationships;
    const XlsxSheetRef& chosen = workbook.info.sheets[ChooseSheet(Candidates(workbook), choice)];
    const auto sheet = std::find_if(relationships.begin(), relationships.end(),
                                    [&](const Relationship& r) { return r.id == chosen.relationshipId; });
    if (sheet == relationships.end())
        ThrowBroken(ReadReason::PartMissing, {workbook.part + ": " + chosen.relationshipId});
    // Which of two parts an id names cannot be told; guessing could convert
    // the wrong sheet.
    if (std::any_of(sheet + 1, relationships.end(),
                    [&](const Relationship& r) { return r.id == sheet->id && r.target != sheet->target; }))
        ThrowBroken(ReadReason::SheetIdTwice, {chosen.relationshipId});
    if (!HoldsCells(*sheet)) ThrowUnsupported(ReadReason::FirstSheetNotCells);
    RequirePart(archive, sheet->target);

    XlsxParts parts;
    parts.sheet = sheet->target;
    parts.date1904 = workbook.info.date1904;
    // Without styles every number is plain; without shared strings a sheet
    // that refers to one is damaged, which reading the sheet finds out.
    if (const Relationship* part = FindKind(relationships, "styles"); part && archive.Contains(part->target))
        parts.styles = part->target;
    if (const Relationship* part = FindKind(relationships, "sharedStrings"); part && archive.Contains(part->target))
        parts.sharedStrings = part->target;
    return parts;
}

// The table read as the sheet's cells need it, for as long as the reader
// lives.
class SharedStringSourceScope {
public:
    SharedStringSourceScope(CellSink& sink, XlsxSharedStringReader& reader) : sink_(sink)
    {
        sink_.SetSharedStringSource([&reader](std::size_t count) { reader.ReadUpTo(count); });
    }
    ~SharedStringSourceScope() { sink_.SetSharedStringSource({}); }
    SharedStringSourceScope(const SharedStringSourceScope&) = delete;
    SharedStringSourceScope& operator=(const SharedStringSourceScope&) = delete;

private:
    CellSink& sink_;
};

// A cell that refers to a shared string past the end of the table.
void RequireSharedStrings(const CellSink& sink)
{
    if (const std::size_t wanted = sink.SharedStringsWanted(); wanted > sink.SharedStringCount())
        ThrowBroken(ReadReason::BadSharedString, {std::to_string(wanted - 1)});
}

} // namespace

std::vector<SheetEntry> ListXlsxSheets(ZipArchive& archive)
{
    return OfferedSheets(Candidates(ReadWorkbook(archive)));
}

void ReadXlsxWorkbook(ZipArchive& archive, CellSink& sink, SheetExtent extent, const SheetChoice& choice)
{
    const XlsxParts parts = LocateParts(archive, choice);
    sink.SetDate1904(parts.date1904);
    std::vector<NumberStyle> styles;
    if (!parts.styles.empty()) styles = ReadXlsxCellStyles(archive, parts.styles);

    const XlsxSheetContext context{styles};
    if (extent == SheetExtent::Whole) {
        if (parts.sharedStrings.empty()) {
            ReadXlsxSheet(archive, parts.sheet, context, sink);
        } else {
            XlsxSharedStringReader sharedStrings(archive.File(), parts.sharedStrings, sink);
            const SharedStringSourceScope source(sink, sharedStrings);
            ReadXlsxSheet(archive, parts.sheet, context, sink);
            // The rest of the table too: damage anywhere in it refuses the
            // workbook, as when the table is read first.
            sharedStrings.ReadUpTo(SIZE_MAX);
        }
        RequireSharedStrings(sink);
        return;
    }
    // The shared strings may be far larger than row 1 needs: the row says
    // which it refers to, and the table is read only that far.
    try {
        ReadXlsxSheet(archive, parts.sheet, context, sink);
    } catch (const ReadingStopped&) {
    }
    const std::size_t wanted = sink.SharedStringsWanted();
    if (wanted > 0 && !parts.sharedStrings.empty()) ReadXlsxSharedStrings(archive, parts.sharedStrings, sink, wanted);
    RequireSharedStrings(sink);
}
