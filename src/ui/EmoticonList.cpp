// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonList.h"

#include "ListEntriesModel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

EmoticonList::EmoticonList(QWidget* parent)
    : UniformListView(parent)
    , m_entries(new ListEntriesModel(this))
{
    setModel(m_entries);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // Entries carry trailing blanks up to the field width; they must not make the list
    // scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit selectedRowChanged(selectedRow()); });
}

void EmoticonList::setEntries(ListEntries entries)
{
    // A model reset drops the selection without a signal, but keeps the scroll position.
    m_entries->setEntries(std::move(entries));
    scrollToTop();
}

void EmoticonList::clear()
{
    setEntries({});
}

ListEntries EmoticonList::takeEntries()
{
    return m_entries->takeEntries();
}

void EmoticonList::removeEntry(int row)
{
    m_entries->removeEntry(row);
    scrollToTop();
}

const ListEntries& EmoticonList::entries() const
{
    return m_entries->entries();
}

int EmoticonList::count() const
{
    return m_entries->rowCount();
}

QString EmoticonList::entry(int row) const
{
    return m_entries->entries().entry(row);
}

int EmoticonList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void EmoticonList::selectRow(int row)
{
    const QModelIndex index = m_entries->index(row);
    if (!index.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void EmoticonList::keyboardSearch(const QString& search)
{
    if (search.isEmpty())
        return;
    const bool inRun =
        m_lastKey.isValid() && !m_lastKey.hasExpired(QApplication::keyboardInputInterval());
    m_lastKey.start();
    m_typed = inRun ? m_typed + search : search;
    const bool oneKeyRepeated = m_typed.count(m_typed.front()) == m_typed.size();
    const int selected = selectedRow();
    const int found = oneKeyRepeated
                          ? entries().firstBeginningWith(m_typed.left(1), selected)
                          : entries().firstBeginningWith(m_typed, std::max(selected - 1, -1));
    if (found >= 0)
        selectRow(found);
}

void EmoticonList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    // A list that has the focus but no selection marks its current entry without selecting
    // it; the first arrow key selects that entry rather than skipping past it.
    const bool upOrDown = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (upOrDown && event->modifiers() == Qt::NoModifier && selectedRow() < 0 &&
        currentIndex().isValid()) {
        selectRow(currentIndex().row());
        return;
    }
    UniformListView::keyPressEvent(event);
}

void EmoticonList::mousePressEvent(QMouseEvent* event)
{
    // The other buttons neither select nor move the focus mark.
    if (event->button() == Qt::LeftButton)
        UniformListView::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags EmoticonList::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const
{
    // The blank area below the last entry selects nothing, and Ctrl on the selected entry,
    // which would deselect it, keeps it.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command =
        UniformListView::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::ClearAndSelect
                                                           : command;
}
