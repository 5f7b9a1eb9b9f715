#pragma once

#include "scheme/SchemeLine.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class SchemeList;
class QWidget;
struct WizardContext;

// Taking lines out of the scheme list without losing work: "Очистить" asks
// first when it would take more than one line, and Ctrl+Z on the page puts
// back the lines the last "Очистить" or Delete took, each at its place.
class SchemeLineEdits {
public:
    // `show` puts lines in the list as the page shows them (the dead ones
    // marked).
    SchemeLineEdits(const WizardContext& context, SchemeList& list, QWidget& page,
                    std::function<void(const SchemeLines&)> show);

    void Clear();
    // The chosen line.
    void DeleteChosen();
    // A line already back in the list (mapped again meanwhile) is not doubled.
    void Undo();

private:
    const WizardContext& FContext;
    SchemeList& FList;
    std::function<void(const SchemeLines&)> FShow;
    // The lines last taken, with their rows.
    std::vector<std::pair<int, std::string>> FTaken;
};
