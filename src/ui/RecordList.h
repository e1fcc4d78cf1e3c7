// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"
#include "ListEntries.h"
#include "ListSource.h"

#include <QObject>
#include <optional>

class CatalogueStore;
class Desktop;
class EmoticonList;
class QLineEdit;

// A list of emoticon names whose entries stand for the records of one data file, with the search
// box that selects in it where there is one. Selecting an entry, by hand or by the search, reads
// its record again from the file by the entry's index and hands its texts on; a search that
// finds nothing, or an emptied box, leaves nothing selected.
class RecordList : public QObject {
    Q_OBJECT

public:
    // search may be null.
    RecordList(const CatalogueStore& store, Desktop& desktop, EmoticonList* list, QLineEdit* search,
               QObject* parent);

    // Fills the list from source's file, read whole again: one entry per record, in record
    // order, its name as names says; nothing is selected afterwards. A file that is there but
    // cannot be read is reported in the "Erro" box, and the list stays empty.
    void fill(const ListSource& source, ListEntries::Names names = ListEntries::Names::AsListed);
    EmoticonList* list() const { return m_list; }

    // The selected entry's texts; none when nothing is selected or the file no longer holds it.
    std::optional<EmoticonTexts> selectedTexts() const;

    // Hands on the selected entry's texts again, read anew; nothing when none is selected.
    void rereadSelection();

signals:
    // The list was just filled with this many entries.
    void filled(int count);
    // The texts of the entry just selected; empty ones when the file no longer holds it.
    void entryChosen(const EmoticonTexts& texts);
    void nothingFound();

private:
    void searchChanged(const QString& text);

    const CatalogueStore& m_store;
    Desktop& m_desktop;
    EmoticonList* m_list;
    ListSource m_source;
};
