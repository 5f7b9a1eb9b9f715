#pragma once

#include "scheme/SchemeLine.h"

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

// The three plain list boxes of step 2. Only what differs from QListWidget
// lives here: which list drags, which accepts the drop and where a drag
// points, how the scheme list shows its lines, and that a right click does
// not move the selection of the scheme list.

// The type under which a drag carries a column name: a drag from any other
// program never looks like a column of the workbook.
inline constexpr char kColumnMimeType[] = "application/x-quarnel-column";

// listExcel: the only drag source. A drag copies the pressed column name and
// never removes it from the list.
class ColumnDragList : public QListWidget {
public:
    explicit ColumnDragList(QWidget* parent);

    // Greys the columns the workbook hides (by position), for the eye only:
    // the item keeps the name the scheme uses.
    void MarkHidden(const std::vector<bool>& hidden);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
};

// listOnix: the drop target. Whether a drag may drop, and what a drop does, is
// the window's business; the list only passes the pointer position (in its
// client area) on.
class FieldDropList : public QListWidget {
public:
    explicit FieldDropList(QWidget* parent);

    std::function<bool(const QPoint& position)> dragOverHandler;
    std::function<void()> dropHandler;

    // Chooses the field under this point of the client area, none off the
    // items. Holding the pointer at an edge moves the choice, and with it the
    // visible part of the list, one line per call.
    void ChooseFieldAt(const QPoint& position);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void DragOver(QDragMoveEvent* event);
};

// listCorresp: opening its pop-up menu with the right button keeps the line
// the user selected before, so "Удалить" removes that line.
class SchemeList : public QListWidget {
public:
    explicit SchemeList(QWidget* parent);

    // Shows these lines with no line chosen, so that "Удалить" cannot remove
    // a line nobody picked among the old ones, and marks the dead ones.
    void ShowLines(const SchemeLines& lines, const std::vector<std::string>& columns);
    // Marks the lines whose column is not among these, or that name no field
    // of the type (a scheme made for another), saying why in their hint.
    void MarkDeadLines(const std::vector<std::string>& columns);
    // The captions of the type's fields.
    std::function<std::vector<std::string>()> fieldCaptions;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool NamesAField(const std::string& line) const;
};

// An item shows its text with control characters as \xHH (QShown) and keeps
// the text as it is under this role, for mapping and saving.
inline constexpr int kItemTextRole = Qt::UserRole;

// The text an item stands for: as it is, not as it is shown.
std::string ItemText(const QListWidgetItem& item);

// The item chosen in a list, none when none is.
QListWidgetItem* SelectedItem(const QListWidget& list);

// The texts of a list's items, in order.
std::vector<std::string> ItemTexts(const QListWidget& list);

// Makes the list hold exactly these texts, changing the items in place so that
// the selection and the scroll position survive an edit of one line.
void ShowItemTexts(QListWidget& list, const std::vector<std::string>& texts);
