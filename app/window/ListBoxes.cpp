#include "app/window/ListBoxes.h"

#include "app/window/QtText.h"
#include "app/window/WindowTexts.h"
#include "base/MessageFormat.h"
#include "scheme/ColumnLookup.h"

#include <QMimeData>
#include <QMouseEvent>

namespace {

// The lists of the original clip long texts and show them as tooltips; a
// horizontal scroll bar would move the captions out of sight instead.
void MakePlainListBox(QListWidget& list)
{
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(Qt::ElideRight);
    list.setUniformItemSizes(true);
}

// A scheme line whose column the workbook lacks.
const QColor kDeadLineColour(0xC0, 0x00, 0x00);

} // namespace

ColumnDragList::ColumnDragList(QWidget* parent) : QListWidget(parent)
{
    MakePlainListBox(*this);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList ColumnDragList::mimeTypes() const
{
    return {QString::fromLatin1(kColumnMimeType)};
}

QMimeData* ColumnDragList::mimeData(const QList<QListWidgetItem*>& items) const
{
    auto* mime = new QMimeData;
    if (!items.isEmpty())
        mime->setData(QString::fromLatin1(kColumnMimeType), QByteArray::fromStdString(ItemText(*items.constFirst())));
    return mime;
}

void ColumnDragList::MarkHidden(const std::vector<bool>& hidden)
{
    for (std::size_t column = 0; column < hidden.size(); ++column) {
        if (!hidden[column]) continue;
        QListWidgetItem& columnItem = *item(static_cast<int>(column));
        columnItem.setText(columnItem.text() + QStr(QRNConsts::sHiddenColumnMark));
        columnItem.setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    }
}

void ColumnDragList::startDrag(Qt::DropActions)
{
    // Offering nothing but a copy keeps the view from removing the item
    // after the drop.
    QListWidget::startDrag(Qt::CopyAction);
}

FieldDropList::FieldDropList(QWidget* parent) : QListWidget(parent)
{
    MakePlainListBox(*this);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    // The window scrolls by the 5-pixel edge rule; the view's own drag
    // scrolling would move the list under the pointer a second time.
    setAutoScroll(false);
}

void FieldDropList::DragOver(QDragMoveEvent* event)
{
    const bool accept = event->mimeData()->hasFormat(QString::fromLatin1(kColumnMimeType)) && dragOverHandler
                        && dragOverHandler(event->position().toPoint());
    if (accept) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void FieldDropList::dragEnterEvent(QDragEnterEvent* event)
{
    DragOver(event);
}

void FieldDropList::dragMoveEvent(QDragMoveEvent* event)
{
    DragOver(event);
}

void FieldDropList::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void FieldDropList::ChooseFieldAt(const QPoint& position)
{
    const QListWidgetItem* under = itemAt(position);
    int index = under ? row(under) : -1;
    if (index != -1 && position.y() > viewport()->height() - 5 && index < count() - 1) ++index;
    if (position.y() < 5 && index > 0) --index;
    if (index == -1) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(index);
        scrollToItem(item(index));
    }
}

void FieldDropList::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(kColumnMimeType))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (dropHandler) dropHandler();
}

SchemeList::SchemeList(QWidget* parent) : QListWidget(parent)
{
    MakePlainListBox(*this);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void SchemeList::ShowLines(const SchemeLines& lines, const std::vector<std::string>& columns)
{
    ShowItemTexts(*this, lines);
    clearSelection();
    setCurrentRow(-1);
    MarkDeadLines(columns);
}

void SchemeList::MarkDeadLines(const std::vector<std::string>& columns)
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem& line = *item(row);
        const std::vector<std::string> missing = SchemeColumnsMissing({ItemText(line)}, columns);
        std::string why;
        if (!missing.empty()) why = FormatMessage(QRNConsts::sSchemeLineColumnMissing, {missing.front()});
        else if (std::string field = SchemeNamePart(ItemText(line)); !NamesAField(ItemText(line))) {
            while (!field.empty() && field.back() == ' ') field.pop_back();
            why = FormatMessage(QRNConsts::sSchemeLineFieldMissing, {field});
        }
        line.setForeground(why.empty() ? palette().text() : QBrush(kDeadLineColour));
        line.setToolTip(why.empty() ? QString() : QShown(why));
    }
}

bool SchemeList::NamesAField(const std::string& line) const
{
    if (!fieldCaptions) return true;
    for (const std::string& caption : fieldCaptions())
        if (FindSchemeLine({line}, caption) == 0) return true;
    return false;
}

void SchemeList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

std::string ItemText(const QListWidgetItem& item)
{
    const QVariant text = item.data(kItemTextRole);
    return (text.isValid() ? text.toString() : item.text()).toStdString();
}

QListWidgetItem* SelectedItem(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

std::vector<std::string> ItemTexts(const QListWidget& list)
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) texts.push_back(ItemText(*list.item(row)));
    return texts;
}

void ShowItemTexts(QListWidget& list, const std::vector<std::string>& texts)
{
    const int count = static_cast<int>(texts.size());
    while (list.count() > count) delete list.takeItem(list.count() - 1);
    for (int row = 0; row < count; ++row) {
        const std::string& text = texts[static_cast<std::size_t>(row)];
        if (row == list.count()) list.addItem(QString());
        QListWidgetItem& item = *list.item(row);
        if (ItemText(item) == text && item.data(kItemTextRole).isValid()) continue;
        item.setText(QShown(text));
        item.setData(kItemTextRole, QString::fromStdString(text));
    }
}
