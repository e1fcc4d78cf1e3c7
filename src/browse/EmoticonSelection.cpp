// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EmoticonSelection.h"

#include "CatalogueStore.h"
#include "CategorySelector.h"
#include "EmoticonList.h"
#include "EmoticonPreview.h"
#include "SearchModule.h"

#include <QLineEdit>

EmoticonSelection::EmoticonSelection(CatalogueStore& store, const CategorySelector& categories,
                                     EmoticonList* lstGeneralEmoticons, QLineEdit* txtGeneralSearch,
                                     EmoticonPreview& preview, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_categories(categories)
    , m_list(lstGeneralEmoticons)
    , m_search(txtGeneralSearch)
    , m_preview(preview)
{
    connect(m_list, &EmoticonList::selectedRowChanged, this,
            &EmoticonSelection::lstGeneralEmoticons_Click);
    connect(m_search, &QLineEdit::textChanged, this, &EmoticonSelection::txtGeneralSearch_Change);
}

void EmoticonSelection::lstGeneralEmoticons_Click()
{
    const int index = m_list->selectedRow();
    if (index < 0)
        return;
    // A record the file no longer holds, or one without its terminator, shows nothing.
    const auto texts = m_store.ReadTexts(m_categories.source(), index);
    m_preview.showEmoticon(texts ? texts->representation : QString());
}

void EmoticonSelection::txtGeneralSearch_Change()
{
    const QString text = m_search->text();
    const int index = SearchModule::SearchList(*m_list, text);
    m_list->selectRow(index);
    if (index < 0)
        m_preview.clear();
}
