// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ListSource.h"

#include <QObject>
#include <QString>

class CatalogueStore;
class QComboBox;
class QLabel;
class EmoticonList;

// The category selector of the browse panel: fills the emoticon list from the chosen
// category's file, one entry per record in file order, and shows how many it holds.
// The list is never sorted or filtered, so an entry's index is its record's address.
class CategorySelector : public QObject {
    Q_OBJECT

public:
    CategorySelector(CatalogueStore& store, QComboBox* cboGeneralCategory,
                     EmoticonList* lstGeneralEmoticons, QLabel* lblGeneralEmoticonsNum,
                     QObject* parent = nullptr);

    // The file the list was last loaded from; the whole catalogue before the first load.
    const QString& CurrentCategoryFile() const { return m_source.path; }

    // The file and layout of the records behind the list's entries.
    const ListSource& source() const { return m_source; }

    // Chooses an entry as the user does: selects it and loads its list.
    void choose(QStringView entryText);

public slots:
    void cboGeneralCategory_Click();

signals:
    // Emitted before the list is refilled: the emoticon previewed so far no longer
    // belongs to it.
    void categoryChosen();

private:
    // The loader of every entry (All, ANIMALS, ... CUSTOM): they differ only in the file
    // they point the list at, and its layout.
    void load(const Category& category);
    void EmoticonInList();
    void CUSTOM();
    void showList(const QStringList& entries);

    CatalogueStore& m_store;
    QComboBox* m_selector;
    EmoticonList* m_list;
    QLabel* m_count;
    ListSource m_source;
};
