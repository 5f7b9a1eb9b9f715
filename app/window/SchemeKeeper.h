#pragma once

#include "catalogue/DocumentTypes.h"
#include "scheme/SchemeLine.h"

#include <QString>

#include <optional>
#include <string>

struct WizardContext;

// The scheme file behind step 2's lines: the type the lines were made for,
// the lines as last saved, opened or loaded, and the questions before lines
// not saved yet are lost. Each type remembers its own file in the settings.
class SchemeKeeper {
public:
    explicit SchemeKeeper(const WizardContext& context);

    // Starts the lines of a type afresh: those of its remembered file, none
    // when there is none; a remembered file that is no scheme is said.
    SchemeLines LoadRemembered(TDocumentType type);
    bool Unsaved(const SchemeLines& lines) const { return lines != FBaseline; }
    // Before unsaved lines are replaced: "Сохранить схему соответствия
    // полей?"; false for Отмена (also for a save dialog cancelled after Да,
    // or a save that fails).
    bool SaveUnsaved(const SchemeLines& lines, const QString& workbookPath);
    // Saves the lines under the type's remembered path (the lines' own type
    // when none is given); false when cancelled.
    bool Save(const SchemeLines& lines, const QString& workbookPath, std::optional<TDocumentType> type = {});
    // The lines of a file the user opens, which the type then remembers;
    // nothing when cancelled.
    std::optional<SchemeLines> Open(TDocumentType type);

    // In the automatic mode, what SayOtherType would have shown of the
    // scheme last opened, for the run's log; empty when nothing.
    const QString& AutomaticNote() const { return FAutomaticNote; }

private:
    // A scheme made for another type is said as it is opened.
    void SayOtherType(const std::string& file, const SchemeLines& lines, TDocumentType type);

    const WizardContext& FContext;
    TDocumentType FType = TDocumentType::Books;
    QString FAutomaticNote;
    SchemeLines FBaseline;
};
