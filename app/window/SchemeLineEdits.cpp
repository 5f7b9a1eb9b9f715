#include "app/window/SchemeLineEdits.h"

#include "app/window/ListBoxes.h"
#include "app/window/QtText.h"
#include "app/window/UserDialogs.h"
#include "app/window/WindowTexts.h"
#include "app/window/WizardContext.h"
#include "base/MessageFormat.h"

#include <QShortcut>

#include <algorithm>

SchemeLineEdits::SchemeLineEdits(const WizardContext& context, SchemeList& list, QWidget& page,
                                 std::function<void(const SchemeLines&)> show)
    : FContext(context), FList(list), FShow(std::move(show))
{
    auto* undo = new QShortcut(QKeySequence::Undo, &page);
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(undo, &QShortcut::activated, &page, [this] { Undo(); });
}

void SchemeLineEdits::Clear()
{
    const SchemeLines lines = ItemTexts(FList);
    if (lines.size() > 1
        && !FContext.dialogs.Confirm(&FContext.window,
                                     QStr(FormatMessage(QRNConsts::sAskClearScheme, {std::to_string(lines.size())}))))
        return;
    if (lines.empty()) return;
    FTaken.clear();
    for (std::size_t row = 0; row < lines.size(); ++row) FTaken.emplace_back(static_cast<int>(row), lines[row]);
    FList.clear();
}

void SchemeLineEdits::DeleteChosen()
{
    const QListWidgetItem* line = SelectedItem(FList);
    if (!line) return;
    const int row = FList.row(line);
    FTaken = {{row, ItemText(*line)}};
    delete FList.takeItem(row);
}

void SchemeLineEdits::Undo()
{
    SchemeLines lines = ItemTexts(FList);
    for (const auto& [row, text] : FTaken) {
        if (std::find(lines.begin(), lines.end(), text) != lines.end()) continue;
        lines.insert(lines.begin() + std::min<std::ptrdiff_t>(row, std::ssize(lines)), text);
    }
    FTaken.clear();
    FShow(lines);
}
