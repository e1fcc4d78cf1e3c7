// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CategorySelector.h"

#include "CatalogueStore.h"
#include "RecordList.h"

#include <QComboBox>
#include <QLabel>

CategorySelector::CategorySelector(const CatalogueStore& store, QComboBox* cboGeneralCategory,
                                   RecordList& emoticons, QLabel* lblGeneralEmoticonsNum,
                                   QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_selector(cboGeneralCategory)
    , m_emoticons(emoticons)
    , m_count(lblGeneralEmoticonsNum)
{
    for (const Category& category : Categories)
        m_selector->addItem(category.entryText.toString());
    // activated() comes from the user only, also when an entry is chosen again.
    connect(m_selector, &QComboBox::activated, this, &CategorySelector::cboGeneralCategory_Click);
    connect(&m_emoticons, &RecordList::filled, m_count,
            [this](int count) { m_count->setText(QString::number(count)); });
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
        m_emoticons.fill(m_store.sourceOf(*category));
}
