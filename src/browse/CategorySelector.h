// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringView>

class CatalogueStore;
class QComboBox;
class QLabel;
class RecordList;

// The category selector of the browse panel: fills the emoticon list from the chosen category's
// file, one entry per record in file order (a category file's as the category layout reads
// them, the own list's names as they are stored), and shows how many it holds. The list is
// never sorted or filtered, so an entry's index is its record's address.
class CategorySelector : public QObject {
    Q_OBJECT

public:
    CategorySelector(const CatalogueStore& store, QComboBox* cboGeneralCategory,
                     RecordList& emoticons, QLabel* lblGeneralEmoticonsNum, QObject* parent);

    // Chooses an entry as the user does: selects it and loads its list.
    void choose(QStringView entryText);

public slots:
    void cboGeneralCategory_Click();

signals:
    // Emitted before the list is refilled: the emoticon previewed so far no longer
    // belongs to it.
    void categoryChosen();

private:
    const CatalogueStore& m_store;
    QComboBox* m_selector;
    RecordList& m_emoticons;
    QLabel* m_count;
};
