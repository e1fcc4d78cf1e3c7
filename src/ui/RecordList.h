// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "EmoticonRecord.h"
#include "ListSource.h"

#include <QObject>
#include <QStringList>
#include <optional>

class CatalogueStore;
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
    RecordList(CatalogueStore& store, EmoticonList* list, QLineEdit* search, QObject* parent);

    // Shows entries, read from source, one per record in record order; nothing is selected.
    void setEntries(const ListSource& source, const QStringList& entries);
    EmoticonList* list() const { return m_list; }

    // The selected entry's texts; none when nothing is selected or the file no longer holds it.
    std::optional<EmoticonTexts> selectedTexts() const;

    // Hands on the selected entry's texts again, read anew; nothing when none is selected.
    void rereadSelection();

signals:
    // The texts of the entry just selected; empty ones when the file no longer holds it.
    void entryChosen(const EmoticonTexts& texts);
    void nothingFound();

private:
    void searchChanged(const QString& text);

    CatalogueStore& m_store;
    EmoticonList* m_list;
    ListSource m_source;
};
