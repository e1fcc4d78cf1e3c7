// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class CatalogueStore;
class ConfirmationTimer;
class Desktop;
class EntryBoxes;
class OwnListEditor;
class RecordList;

// The own-list editor's box (picConfigBackground): the whole catalogue on the left with its
// search box, the user's own list on the right, the add, remove and clear pictures between them,
// and the two boxes in which an entry is composed. Choosing an entry in either list shows it in
// the boxes; OwnListEditor makes the changes. Ctrl+C in either list copies the selected entry's
// representation.
class OwnListPanel : public QWidget {
    Q_OBJECT

public:
    OwnListPanel(const CatalogueStore& store, Desktop& desktop,
                 ConfirmationTimer& confirmationTimer, QWidget* parent);

    // Readies the panel for a fresh visit: empty entry boxes and the catalogue list read
    // again from the whole-catalogue file. The search box keeps its text and is not run again.
    void prepare();

    // Reads the own list again from its file, one entry per record, names without their
    // surrounding blanks; no entry is selected afterwards.
    void refreshOwnList();

private:
    const CatalogueStore& m_store;
    EntryBoxes* m_boxes = nullptr;
    RecordList* m_catalogue = nullptr;
    RecordList* m_ownList = nullptr;
    OwnListEditor* m_editor = nullptr;
};
