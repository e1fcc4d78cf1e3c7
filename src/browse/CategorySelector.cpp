// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CategorySelector.h"

#include "CatalogueStore.h"
#include "DataFileNames.h"
#include "EmoticonList.h"

#include <QComboBox>
#include <QLabel>

CategorySelector::CategorySelector(CatalogueStore& store, QComboBox* cboGeneralCategory,
                                   EmoticonList* lstGeneralEmoticons,
                                   QLabel* lblGeneralEmoticonsNum, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_selector(cboGeneralCategory)
    , m_list(lstGeneralEmoticons)
    , m_count(lblGeneralEmoticonsNum)
    , m_source{Category::Layout::CategoryFile, store.pathOf(DataFileNames::WholeCatalogue)}
{
    for (const Category& category : Categories)
        m_selector->addItem(category.entryText.toString());
    // activated() comes from the user only, also when an entry is chosen again.
    connect(m_selector, &QComboBox::activated, this, &CategorySelector::cboGeneralCategory_Click);
}

void CategorySelector::choose(QStringView entryText)
{
    m_selector->setCurrentIndex(m_selector->findText(entryText.toString()));
    cboGeneralCategory_Click();
}

void CategorySelector::cboGeneralCategory_Click()
{
    emit categoryChosen();
    if (const Category* category = categoryWithEntry(m_selector->currentText()))
        load(*category);
}

void CategorySelector::load(const Category& category)
{
    m_source = m_store.sourceOf(category);
    if (m_source.layout == Category::Layout::OwnList)
        CUSTOM();
    else
        EmoticonInList();
}

void CategorySelector::EmoticonInList()
{
    showList(m_store.ReadCategoryEntries(m_source.path));
}

void CategorySelector::CUSTOM()
{
    showList(m_store.ReadOwnListEntries());
}

void CategorySelector::showList(const QStringList& entries)
{
    m_list->setEntries(entries);
    m_count->setText(QString::number(m_list->count()));
}
