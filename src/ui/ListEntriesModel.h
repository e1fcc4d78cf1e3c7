// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListEntries.h"

#include <QAbstractListModel>

// A list's entries for its view: the rows are the records of the block a fill read, and a
// row's name is decoded only when the view asks for it, which it does for the rows it shows.
class ListEntriesModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    const ListEntries& entries() const { return m_entries; }
    void setEntries(ListEntries entries);
    ListEntries takeEntries();
    void removeEntry(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ListEntries m_entries;
};
