#pragma once

#include "app/window/WindowWorker.h"
#include "scheme/SchemeLine.h"

#include <string>
#include <vector>

class QWidget;
class WorkbookPage;
struct WizardContext;

// What the automatic mapping reads from step 2's lists and gives back to
// them.
class MappingLists {
public:
    virtual std::vector<std::string> ColumnNames() const = 0;
    // The first data row under the header of the columns listed.
    virtual int FirstDataRow() const = 0;
    virtual SchemeLines CurrentScheme() const = 0;
    virtual void ShowScheme(const SchemeLines& lines) = 0;
    // The column names read again, under the header row step 1 holds now.
    virtual void RereadColumns() = 0;

protected:
    ~MappingLists() = default;
};

// Step 2's automatic mapping: the mappings proposed from the column names
// and the first data rows, and the ones the user checks added to the scheme.
// When nothing is known in the chosen header row, another row that holds
// known names is offered (the table may stand under a title block).
class MappingProposals {
public:
    // `page` is step 2's, whose `lists` these are.
    MappingProposals(const WizardContext& context, WorkbookPage& workbook, const QWidget& page, MappingLists& lists);

    // The first data rows are read on the worker: the window stays
    // responsive, and the proposals come when they are there.
    void Propose();

private:
    // The first data row the mapping looks at, and the rows from there; none
    // when they cannot be read.
    int FirstRow() const;
    std::vector<std::vector<std::string>> Rows() const;
    void ProposeAndAdd(const std::vector<std::vector<std::string>>& rows);

    const WizardContext& FContext;
    WorkbookPage& FWorkbook;
    const QWidget& FPage;
    MappingLists& FLists;
    WindowWorker FWorker;
};
