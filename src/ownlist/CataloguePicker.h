// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class CatalogueStore;
class EmoticonList;
class EntryBoxes;
class QLineEdit;

// The catalogue side of the editor: the whole catalogue, read from its file when the panel
// is prepared; choosing one of its entries, in the list or by typing the first letters of its
// name, puts its name and representation into the entry boxes.
class CataloguePicker : public QObject {
    Q_OBJECT

public:
    CataloguePicker(CatalogueStore& store, EmoticonList* catalogue, QLineEdit* search,
                    EntryBoxes& boxes, QObject* parent);

    // Fills the list from the whole-catalogue file, nothing selected; the search box keeps its
    // text and the search is not run again.
    void fill();

public slots:
    void lstOwnListEmoticons_Click();
    void txtOwnListSearch_Change();

private:
    CatalogueStore& m_store;
    EmoticonList* m_catalogue;
    QLineEdit* m_search;
    EntryBoxes& m_boxes;
};
