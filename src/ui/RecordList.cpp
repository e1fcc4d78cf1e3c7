// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordList.h"

#include "CatalogueStore.h"
#include "EmoticonList.h"
#include "ListSearch.h"

#include <QLineEdit>

RecordList::RecordList(CatalogueStore& store, EmoticonList* list, QLineEdit* search,
                       QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_list(list)
{
    connect(m_list, &EmoticonList::selectedRowChanged, this, &RecordList::rereadSelection);
    if (search)
        connect(search, &QLineEdit::textChanged, this, &RecordList::searchChanged);
}

void RecordList::setEntries(const ListSource& source, const QStringList& entries)
{
    m_source = source;
    m_list->setEntries(entries);
}

std::optional<EmoticonTexts> RecordList::selectedTexts() const
{
    const int row = m_list->selectedRow();
    if (row < 0)
        return std::nullopt;
    return m_store.readShownTexts(m_source, row);
}

void RecordList::rereadSelection()
{
    if (m_list->selectedRow() >= 0)
        emit entryChosen(selectedTexts().value_or(EmoticonTexts()));
}

void RecordList::searchChanged(const QString& text)
{
    const int row = ListSearch::firstBeginningWith(*m_list, text);
    m_list->selectRow(row);
    if (row < 0)
        emit nothingFound();
}
