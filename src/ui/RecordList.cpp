// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordList.h"

#include "CatalogueStore.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "ListEntries.h"

#include <QLineEdit>
#include <utility>

RecordList::RecordList(const CatalogueStore& store, Desktop& desktop, EmoticonList* list,
                       QLineEdit* search, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_desktop(desktop)
    , m_list(list)
{
    connect(m_list, &EmoticonList::selectedRowChanged, this, &RecordList::rereadSelection);
    if (search)
        connect(search, &QLineEdit::textChanged, this, &RecordList::searchChanged);
}

void RecordList::fill(const ListSource& source, ListEntries::Names names)
{
    // Read into the memory of the last fill's records, which the list gives up first: a
    // catalogue is held once even while it is read again, and a million records do not cost
    // the system 50 MB of fresh pages at every fill.
    ReadResult read = m_store.readRecords(source, m_list->takeEntries().takeRecords());
    m_source = source;
    m_list->setEntries(ListEntries(std::move(read.bytes), source.layout, names));
    emit filled(m_list->count());
    // Over the list as it now is.
    if (read.failure)
        m_desktop.showError(m_list, read.failure->message());
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
    const int row = m_list->entries().firstBeginningWith(text);
    m_list->selectRow(row);
    if (row < 0)
        emit nothingFound();
}
