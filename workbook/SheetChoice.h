#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A worksheet as the user is offered it: its name, and whether the workbook
// hides it.
struct SheetEntry {
    std::string name;
    bool hidden = false;

    bool operator==(const SheetEntry&) const = default;
};

// A sheet of a workbook in workbook order, whatever its kind: chart, dialog
// and macro sheets hold no cells and are not offered.
struct SheetCandidate {
    std::string name;
    bool hidden = false;
    bool cells = true;
};

// Which sheet to read: "" the first sheet in workbook order, hidden or not,
// whatever its kind (as the workbook has always been read); a number, or "#"
// and a number, the sheet at that 1-based position among the worksheets
// offered; anything else the offered worksheet of exactly that name. What a
// user types is first resolved by ResolveTypedSheet.
using SheetChoice = std::string;

// The sheet a user typed (--sheet), among the worksheets offered: "#N" is
// always position N; else the first sheet of exactly that name; else the
// first whose name matches with runs of blanks and no-break spaces taken as
// one blank and letter case aside; else, for a number, that position. The
// choice names the sheet found by its position; a text that finds none is
// kept, so that reading it names the sheets there are.
SheetChoice ResolveTypedSheet(const std::vector<SheetEntry>& offered, const std::string& typed);

// The index of the chosen sheet among the candidates. WorkbookFault (no such
// sheet, naming the offered ones) when none is.
std::size_t ChooseSheet(const std::vector<SheetCandidate>& sheets, const SheetChoice& choice);

std::vector<SheetEntry> OfferedSheets(const std::vector<SheetCandidate>& sheets);

// Whether the worksheet offered at `position` (counted from 1) and named
// `name` is the one chosen, for a reader that meets the sheets one by one:
// the first it is so of is the chosen sheet. The choice must not be "".
bool IsChosenSheet(const SheetChoice& choice, std::size_t position, const std::string& name);
