// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListEntriesModel.h"

#include <utility>

void ListEntriesModel::setEntries(ListEntries entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

ListEntries ListEntriesModel::takeEntries()
{
    beginResetModel();
    ListEntries taken = std::exchange(m_entries, {});
    endResetModel();
    return taken;
}

void ListEntriesModel::removeEntry(int row)
{
    // A reset, as a refill: nothing stays selected.
    beginResetModel();
    m_entries.remove(row);
    endResetModel();
}

int ListEntriesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_entries.count();
}

QVariant ListEntriesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return m_entries.entry(index.row());
}
