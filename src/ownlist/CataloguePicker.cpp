// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CataloguePicker.h"

#include "CatalogueStore.h"
#include "DataFileNames.h"
#include "EmoticonList.h"
#include "EntryBoxes.h"
#include "SearchModule.h"

#include <QLineEdit>

CataloguePicker::CataloguePicker(CatalogueStore& store, EmoticonList* catalogue, QLineEdit* search,
                                 EntryBoxes& boxes, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_catalogue(catalogue)
    , m_search(search)
    , m_boxes(boxes)
{
    connect(m_catalogue, &EmoticonList::selectedRowChanged, this,
            &CataloguePicker::lstOwnListEmoticons_Click);
    connect(m_search, &QLineEdit::textChanged, this, &CataloguePicker::txtOwnListSearch_Change);
}

void CataloguePicker::fill()
{
    m_catalogue->setEntries(
        m_store.ReadCategoryEntries(m_store.pathOf(DataFileNames::WholeCatalogue)));
}

void CataloguePicker::lstOwnListEmoticons_Click()
{
    const int row = m_catalogue->selectedRow();
    if (row < 0)
        return;
    const ListSource source{Category::Layout::CategoryFile,
                            m_store.pathOf(DataFileNames::WholeCatalogue)};
    // A record the file no longer holds shows as nothing.
    m_boxes.show(m_store.ReadTexts(source, row).value_or(EmoticonTexts()));
}

void CataloguePicker::txtOwnListSearch_Change()
{
    const int row = SearchModule::SearchList(*m_catalogue, m_search->text());
    // Selecting another entry shows it in the boxes; nothing found shows nothing.
    m_catalogue->selectRow(row);
    if (row < 0)
        m_boxes.clear();
}
