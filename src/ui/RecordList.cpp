// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordList.h"

#include "CatalogueStore.h"
#include "Desktop.h"
#include "EmoticonList.h"
#include "ListSearch.h"

#include <QLineEdit>

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

void RecordList::fill(const ListSource& source, Names names)
{
    const ReadResult read = m_store.readRecords(source);
    QStringList entries = listEntries(read.bytes, source.layout);
    if (names == Names::Trimmed) {
        for (QString& entry : entries)
            entry = trimBlanks(entry).toString();
    }
    m_source = source;
    m_list->setEntries(entries);
    emit filled(int(entries.size()));
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
    const int row = ListSearch::firstBeginningWith(*m_list, text);
    m_list->selectRow(row);
    if (row < 0)
        emit nothingFound();
}
