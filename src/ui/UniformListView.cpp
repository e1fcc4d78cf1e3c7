// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UniformListView.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// What QListView tells a screen reader: the entry that became current or selected.
void tellAccessibility(QListView* list, QAccessible::Event type, const QModelIndex& index)
{
    if (!QAccessible::isActive() || !index.isValid())
        return;
    QAccessibleEvent event(list, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
}

} // namespace

UniformListView::UniformListView(QWidget* parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void UniformListView::doItemsLayout()
{
    m_entryHeight = 0; // measured again: the font may have changed
    updateGeometries();
    viewport()->update();
}

int UniformListView::rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex UniformListView::indexOfRow(int row) const
{
    return model() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
}

int UniformListView::entryHeight() const
{
    if (m_entryHeight <= 0 && rows() > 0)
        m_entryHeight = std::max(0, sizeHintForIndex(indexOfRow(0)).height());
    return m_entryHeight;
}

int UniformListView::rowAt(int y) const
{
    const int fromTop = y + verticalOffset();
    return fromTop < 0 ? -1 : fromTop / entryHeight();
}

int UniformListView::wholeRowsShown() const
{
    const int height = entryHeight();
    return height > 0 ? std::max(1, viewport()->height() / height) : 1;
}

QRect UniformListView::visualRect(const QModelIndex& index) const
{
    if (entryHeight() <= 0 || !index.isValid() || index.parent() != rootIndex() ||
        index.column() != modelColumn())
        return {};
    return {0, index.row() * entryHeight() - verticalOffset(), viewport()->width(), entryHeight()};
}

QModelIndex UniformListView::indexAt(const QPoint& point) const
{
    if (entryHeight() <= 0)
        return {};
    const QModelIndex index = indexOfRow(rowAt(point.y()));
    return visualRect(index).contains(point) ? index : QModelIndex();
}

void UniformListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return;
    const QRect area = viewport()->rect();
    if (hint == EnsureVisible) {
        if (area.contains(rect)) {
            viewport()->update(rect);
            return;
        }
        if (rect.top() < area.top())
            hint = PositionAtTop;
        else if (rect.bottom() > area.bottom())
            hint = PositionAtBottom;
        else
            return;
    }
    const int row = index.row();
    const int shown = wholeRowsShown();
    const int top = hint == PositionAtTop      ? row
                    : hint == PositionAtBottom ? row - shown + 1
                                               : row - shown / 2;
    verticalScrollBar()->setValue(top);
}

void UniformListView::updateGeometries()
{
    horizontalScrollBar()->setRange(0, 0);
    if (entryHeight() > 0) {
        const int shown = wholeRowsShown();
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(shown);
        verticalScrollBar()->setRange(0, std::max(0, rows() - shown));
    } else {
        verticalScrollBar()->setRange(0, 0);
    }
}

void UniformListView::scrollContentsBy(int dx, int dy)
{
    // The vertical scroll bar counts entries.
    viewport()->scroll(dx, dy * entryHeight());
}

int UniformListView::horizontalOffset() const
{
    return 0;
}

int UniformListView::verticalOffset() const
{
    return verticalScrollBar()->value() * entryHeight();
}

QModelIndex UniformListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int last = rows() - 1;
    const QModelIndex current = currentIndex();
    if (last < 0 || !current.isValid())
        return indexOfRow(0);
    // A page moves by the entries shown whole less one, so that one stays in sight.
    const int page = std::max(1, wholeRowsShown() - 1);
    const int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        return indexOfRow(std::max(0, row - 1));
    case MoveDown:
    case MoveNext:
        return indexOfRow(std::min(last, row + 1));
    case MovePageUp:
        return indexOfRow(std::max(0, row - page));
    case MovePageDown:
        return indexOfRow(std::min(last, row + page));
    case MoveHome:
        return indexOfRow(0);
    case MoveEnd:
        return indexOfRow(last);
    case MoveLeft:
    case MoveRight:
        break;
    }
    return current;
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel() || entryHeight() <= 0)
        return;
    const int first = std::max(0, rowAt(rect.top()));
    const int last = std::min(rows() - 1, rowAt(rect.bottom()));
    QItemSelection selection;
    if (first <= last && rect.left() < viewport()->width() && rect.right() >= 0)
        selection.select(indexOfRow(first), indexOfRow(last));
    selectionModel()->select(selection, command);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() == rootIndex() && range.left() <= modelColumn() &&
            range.right() >= modelColumn())
            region += visualRect(indexOfRow(range.top())) | visualRect(indexOfRow(range.bottom()));
    }
    return region;
}

void UniformListView::paintEvent(QPaintEvent* event)
{
    if (entryHeight() <= 0)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    if (state & QStyle::State_Enabled)
        option.palette.setCurrentColorGroup(QPalette::Normal);
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const int last = std::min(rows() - 1, rowAt(event->rect().bottom()));
    for (int row = std::max(0, rowAt(event->rect().top())); row <= last; ++row) {
        const QModelIndex index = indexOfRow(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void UniformListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    tellAccessibility(this, QAccessible::Focus, current);
    // Past QListView's, which would name the entry by the position it did not record.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::currentChanged(current, previous);
}

void UniformListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected)
{
    tellAccessibility(this, QAccessible::SelectionAdd, selected.indexes().value(0));
    tellAccessibility(this, QAccessible::SelectionRemove, deselected.indexes().value(0));
    // Past QListView's, as in currentChanged.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call)
    QAbstractItemView::selectionChanged(selected, deselected);
}
