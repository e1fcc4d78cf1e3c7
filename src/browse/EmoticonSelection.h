// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class CatalogueStore;
class CategorySelector;
class EmoticonList;
class EmoticonPreview;
class QLineEdit;

// Selecting in the browse list, by the user or by the search box: the selected entry's record
// is read again from the list's file, by the entry's index, and its emoticon previewed.
class EmoticonSelection : public QObject {
    Q_OBJECT

public:
    EmoticonSelection(CatalogueStore& store, const CategorySelector& categories,
                      EmoticonList* lstGeneralEmoticons, QLineEdit* txtGeneralSearch,
                      EmoticonPreview& preview, QObject* parent);

public slots:
    void lstGeneralEmoticons_Click();
    // Selects the first entry that begins with the search text; no match, or an empty box,
    // leaves nothing selected and nothing previewed.
    void txtGeneralSearch_Change();

private:
    CatalogueStore& m_store;
    const CategorySelector& m_categories;
    EmoticonList* m_list;
    QLineEdit* m_search;
    EmoticonPreview& m_preview;
};
